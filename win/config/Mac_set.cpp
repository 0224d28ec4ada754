#include "win/config/Mac_set.h"

#include <string>

#include "config/MacAddress.h"
#include "program/CommandRunner.h"
#include "program/Configurator.h"
#include "views/DialogDesigns.h"
#include "win/common/Win32Host.h"

namespace taviron {
namespace {

std::string BoxOf(std::size_t n) {
  return "Ed_mac" + std::to_string(n + 1);
}

}  // namespace

Tmac_set::Tmac_set(Win32Host& host, HWND owner) : Win32Form(host, kMacSetForm, owner) {}

void Tmac_set::Render() {
  const MacAddressWindow& w = host_.core().macAddress.macSet;
  for (std::size_t n = 0; n < w.Ed_mac.size(); ++n)
    SetText(BoxOf(n), w.Ed_mac[n]);
}

void Tmac_set::FormShow() {
  MacSetShow(host_.core().exchange, host_.core().macAddress);
  Render();
  Focus("Ed_mac1");
}

void Tmac_set::Clicked(std::string_view button) {
  if (button == "Button_ok") Button_okClick();
  if (button == "Button_cancel") End(kCancel);
}

void Tmac_set::Button_okClick() {
  MacAddressWindow& w = host_.core().macAddress.macSet;
  for (std::size_t n = 0; n < w.Ed_mac.size(); ++n)
    w.Ed_mac[n] = Text(BoxOf(n));
  bool done = false;
  Configurator& c = host_.core();
  host_.runner().Working([&] { done = MacSetOk(c.exchange, c.macAddress); });
  Render();
  if (done) {
    End(kOk);
  } else {
    Focus("Ed_mac1");
  }
}

}  // namespace taviron
