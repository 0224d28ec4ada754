#pragma once

#include "win/common/Win32Form.h"

namespace taviron {

// The maintenance password window, shown by the maintenance gate.
class Tsuper_pass_in : public Win32Form {
 public:
  Tsuper_pass_in(Win32Host& host, HWND owner);

  int Exec();
  void Button_okClick();

 protected:
  void Clicked(std::string_view button) override;

 private:
  void Render();
};

}  // namespace taviron
