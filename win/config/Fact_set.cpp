#include "win/config/Fact_set.h"

#include "config/DefaultSetting.h"
#include "program/CommandRunner.h"
#include "program/Configurator.h"
#include "views/DialogDesigns.h"
#include "win/common/Win32Host.h"

namespace taviron {

Tfact_set::Tfact_set(Win32Host& host, HWND owner) : Win32Form(host, kFactSetForm, owner) {}

void Tfact_set::Render() {
  const DefaultSettingWindow& w = host_.core().defaultSetting.factSet;
  SetText("Label1", w.Label1);
  SetText("Label4", w.Label4);
  SetVisible("Button_ok", w.buttonsVisible);
  SetVisible("Button_cancel", w.buttonsVisible);
}

void Tfact_set::FormShow() {
  FactSetShow(host_.core().defaultSetting);
  Render();
  Focus("Button_ok");
}

void Tfact_set::Clicked(std::string_view button) {
  if (button == "Button_ok") Button_okClick();
  if (button == "Button_cancel") End(kCancel);
}

void Tfact_set::Button_okClick() {
  Configurator& c = host_.core();
  host_.runner().Working([&c] { FactSetYes(c.exchange, c.monitor, c.access, c.defaultSetting); });
  Render();
  End(kOk);
}

}  // namespace taviron
