#include "win/config/Th_clear.h"

#include "config/SurgeCounterClear.h"
#include "program/CommandRunner.h"
#include "program/Configurator.h"
#include "views/DialogDesigns.h"
#include "win/common/Win32Host.h"

namespace taviron {

Tth_clear::Tth_clear(Win32Host& host, HWND owner) : Win32Form(host, kThClearForm, owner) {}

void Tth_clear::Clicked(std::string_view button) {
  if (button == "Button_ok") Button_okClick();
  if (button == "Button_cancel") End(kCancel);
}

void Tth_clear::Button_okClick() {
  Configurator& c = host_.core();
  host_.runner().Working([&c] { ThClearYes(c.exchange, c.surgeClear); });
  End(kOk);
}

}  // namespace taviron
