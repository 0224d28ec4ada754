#include "win/access/Super_pass_in.h"

#include "access/Maintenance.h"
#include "program/CommandRunner.h"
#include "program/Configurator.h"
#include "views/DialogDesigns.h"
#include "win/common/Win32Host.h"

namespace taviron {

Tsuper_pass_in::Tsuper_pass_in(Win32Host& host, HWND owner)
    : Win32Form(host, kSuperPassInForm, owner) {}

void Tsuper_pass_in::Render() {
  const MaintenanceWindow& w = host_.core().access.superPassIn;
  SetText("Label1", w.Label1);
  SetText("Label6", w.Label6);
  // The box keeps what was typed until a connection empties it.
  if (Text("Ed_pass") != w.Ed_pass) SetText("Ed_pass", w.Ed_pass);
}

int Tsuper_pass_in::Exec() {
  SuperPassInShow(host_.core().access);
  Render();
  Focus("Ed_pass");
  return RunModal();
}

void Tsuper_pass_in::Clicked(std::string_view button) {
  if (button == "Button_ok") Button_okClick();
  if (button == "Button_cansel") End(kCancel);
}

void Tsuper_pass_in::Button_okClick() {
  bool admitted = false;
  const std::string typed = Text("Ed_pass");
  Configurator& c = host_.core();
  host_.runner().Working([&] { admitted = SuperPassInOk(c.exchange, c.access, typed); });
  Render();
  if (admitted) {
    End(kOk);
  } else {
    Focus("Ed_pass");
  }
}

}  // namespace taviron
