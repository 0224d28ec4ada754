#include "views/AboutBox.h"

#include "base/Version.h"

namespace taviron {

std::string AboutVersionText() {
  return "TAVIRON Ver. " + std::string(ProgramVersion());
}

}  // namespace taviron
