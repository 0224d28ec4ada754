#pragma once

#include "win/access/PasswordForm.h"

namespace taviron {

// The re-log-in window, shown by the connect sequence when the switch wants its user password
// and none is known.
class Tpass_in2 : public PasswordForm {
 public:
  Tpass_in2(Win32Host& host, HWND owner);

  // Shows the window modally, back at its first look.
  int Exec();
  void Button_okClick2();
  void Button_canselClick2();
  void Cancelled() override { Button_canselClick2(); }

 protected:
  void Clicked(std::string_view button) override;
};

}  // namespace taviron
