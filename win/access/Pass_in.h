#pragma once

#include "win/access/PasswordForm.h"

namespace taviron {

// The log-in window: the program's first window. It asks for the user password when the switch
// wants one and opens the main window once the switch has accepted it; closing it ends the
// program.
class Tpass_in : public PasswordForm {
 public:
  explicit Tpass_in(Win32Host& host);

  void Button_okClick();
  void Button_canselClick();
  void Cancelled() override { Button_canselClick(); }

 protected:
  void Clicked(std::string_view button) override;
};

}  // namespace taviron
