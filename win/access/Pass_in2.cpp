#include "win/access/Pass_in2.h"

#include "access/Login.h"
#include "program/CommandRunner.h"
#include "program/Configurator.h"
#include "views/DialogDesigns.h"
#include "win/common/Win32Host.h"

namespace taviron {

Tpass_in2::Tpass_in2(Win32Host& host, HWND owner)
    : PasswordForm(host, kPassIn2Form, owner, "Label2", "Ed_pass2", "Button_ngok2") {}

int Tpass_in2::Exec() {
  PassIn2Show(host_.core().access);
  Render(host_.core().access.passIn2);
  EmptyEntry();
  return RunModal();
}

void Tpass_in2::Clicked(std::string_view button) {
  if (button == "Button_ok") Button_okClick2();
  if (button == "Button_cansel") Button_canselClick2();
  if (button == "Button_ngok2") End(kCancel);
}

void Tpass_in2::Button_okClick2() {
  LoginStep step = LoginStep::kStay;
  const std::string typed = Typed();
  Configurator& c = host_.core();
  host_.runner().Working([&] { step = PassIn2Ok(c.exchange, c.monitor, c.access, typed); });
  Render(host_.core().access.passIn2);
  switch (step) {
    case LoginStep::kStay:
      EmptyEntry();
      break;
    case LoginStep::kAccepted:
      End(kOk);
      break;
    case LoginStep::kFailureShown:
      break;
    case LoginStep::kClosed:
      End(kCancel);
      break;
  }
}

void Tpass_in2::Button_canselClick2() {
  Configurator& c = host_.core();
  host_.runner().Working([&c] { PassIn2Cancel(c.exchange, c.monitor); });
  End(kCancel);
}

}  // namespace taviron
