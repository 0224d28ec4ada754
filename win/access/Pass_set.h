#pragma once

#include "win/common/Win32Form.h"

namespace taviron {

// The user password dialog: sets a new user password on the switch.
class Tpass_set : public Win32Form {
 public:
  Tpass_set(Win32Host& host, HWND owner);
  void FormShow();
  void Button_okClick();

 protected:
  void Clicked(std::string_view button) override;
};

}  // namespace taviron
