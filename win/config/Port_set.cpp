#include "win/config/Port_set.h"

#include <string>

#include "config/PortSetting.h"
#include "program/CommandRunner.h"
#include "program/Configurator.h"
#include "views/DialogDesigns.h"
#include "win/common/Win32Host.h"

namespace taviron {
namespace {

std::string ListOf(std::size_t port) {
  return "Cmb_port" + std::to_string(port + 1);
}

}  // namespace

Tport_set::Tport_set(Win32Host& host, HWND owner) : Win32Form(host, kPortSetForm, owner) {}

void Tport_set::Render() {
  const PortSelection& selection = host_.core().monitor.portSelection;
  for (std::size_t n = 0; n < selection.size(); ++n) {
    if (Selected(ListOf(n)) != selection[n]) Select(ListOf(n), selection[n]);
  }
}

void Tport_set::FormShow() {
  PortSetShow(host_.core().monitor);
  Render();
  Focus("Cmb_port1");
}

void Tport_set::Picked(std::string_view list) {
  for (std::size_t n = 0; n < kPortCount; ++n) {
    if (list == ListOf(n)) host_.core().monitor.portSelection[n] = Selected(list);
  }
}

void Tport_set::Clicked(std::string_view button) {
  if (button == "Button_ok") Button_okClick();
  if (button == "Button_cancel") End(kCancel);
}

void Tport_set::Button_okClick() {
  // The dialog steps aside while the ports are sent, and comes back when the switch refused.
  Hide();
  bool done = false;
  Configurator& c = host_.core();
  host_.runner().Working([&] { done = PortSetOk(c.exchange, c.monitor, c.portSetting); });
  Render();
  if (done) {
    End(kOk);
  } else {
    Show();
  }
}

}  // namespace taviron
