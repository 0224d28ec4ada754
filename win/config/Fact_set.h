#pragma once

#include "win/common/Win32Form.h"

namespace taviron {

// The Default Setting dialog: asks, then returns the switch to its factory settings.
class Tfact_set : public Win32Form {
 public:
  Tfact_set(Win32Host& host, HWND owner);
  void FormShow();
  void Button_okClick();
  void Render();

 protected:
  void Clicked(std::string_view button) override;
};

}  // namespace taviron
