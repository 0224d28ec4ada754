#include "win/access/Pass_in.h"

#include "access/Login.h"
#include "program/CommandRunner.h"
#include "program/Configurator.h"
#include "views/DialogDesigns.h"
#include "win/common/Win32Host.h"

namespace taviron {

Tpass_in::Tpass_in(Win32Host& host)
    : PasswordForm(host, kPassInForm, nullptr, "Label6", "Ed_pass", "Button_ngok") {
  Render(host_.core().access.passIn);
}

void Tpass_in::Clicked(std::string_view button) {
  if (button == "Button_ok") Button_okClick();
  if (button == "Button_cansel") Button_canselClick();
  // The failure state's lone OK closes the window, and with it the program.
  if (button == "Button_ngok") host_.CloseLogInWindow();
}

void Tpass_in::Button_okClick() {
  LoginStep step = LoginStep::kStay;
  const std::string typed = Typed();
  Configurator& c = host_.core();
  host_.runner().Run([&] { step = PassInOk(c.exchange, c.access, typed); });
  Render(host_.core().access.passIn);
  switch (step) {
    case LoginStep::kStay:
      EmptyEntry();
      break;
    case LoginStep::kAccepted:
      Hide();
      host_.ShowMainWindow();
      break;
    case LoginStep::kFailureShown:
    case LoginStep::kClosed:
      break;
  }
}

void Tpass_in::Button_canselClick() {
  Configurator& c = host_.core();
  host_.runner().Run([&c] { PassInCancel(c.exchange, c.monitor); });
  host_.CloseLogInWindow();
}

}  // namespace taviron
