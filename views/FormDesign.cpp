#include "views/FormDesign.h"

namespace taviron {

const ControlDesign* FindControl(const FormDesign& form, std::string_view name) {
  for (const FormRow& row : form.rows) {
    for (const ControlDesign& control : row.controls) {
      if (control.name == name) return &control;
    }
  }
  return nullptr;
}

}  // namespace taviron
