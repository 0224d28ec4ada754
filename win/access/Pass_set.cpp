#include "win/access/Pass_set.h"

#include "access/PasswordChange.h"
#include "program/CommandRunner.h"
#include "program/Configurator.h"
#include "views/DialogDesigns.h"
#include "win/common/Win32Host.h"

namespace taviron {

Tpass_set::Tpass_set(Win32Host& host, HWND owner) : Win32Form(host, kPassSetForm, owner) {}

void Tpass_set::FormShow() {
  SetText("Ed_pass1", "");
  SetText("Ed_pass2", "");
  Focus("Ed_pass1");
}

void Tpass_set::Clicked(std::string_view button) {
  if (button == "Button_ok") Button_okClick();
  if (button == "Button_cansel") End(kCancel);
}

void Tpass_set::Button_okClick() {
  // The dialog steps aside while the switch changes the password, and comes back after a
  // refusal with both boxes as they were.
  Hide();
  bool changed = false;
  const std::string first = Text("Ed_pass1");
  const std::string second = Text("Ed_pass2");
  Configurator& c = host_.core();
  host_.runner().Working([&] { changed = PassSetOk(c.exchange, c.access, first, second); });
  if (changed) {
    End(kOk);
  } else {
    Show();
  }
}

}  // namespace taviron
