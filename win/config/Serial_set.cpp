#include "win/config/Serial_set.h"

#include "base/ComPortNames.h"
#include "program/CommandRunner.h"
#include "program/Configurator.h"
#include "views/DialogDesigns.h"
#include "win/common/Win32Host.h"

namespace taviron {

Tserial_set::Tserial_set(Win32Host& host, HWND owner) : Win32Form(host, kSerialSetForm, owner) {}

void Tserial_set::FormShow() {
  // The devices are looked up each time: an adapter may have been plugged in meanwhile.
  devices_ = FindSerialDevices(host_.core().session.deviceRoots);
  pending_ = host_.core().session.comPorts;
  SetItems("ComboBox1", ComPortChoices(devices_, pending_));
  Select("ComboBox1", SerialSetShow(host_.core().exchange.link));
  ShowDevicesOfSelectedPort();
  Focus("ComboBox1");
}

void Tserial_set::ShowDevicesOfSelectedPort() {
  const int port = Selected("ComboBox1");
  choices_ = DeviceChoices(port, devices_, pending_);
  std::vector<std::string> items;
  for (const DeviceChoice& choice : choices_)
    items.push_back(choice.text);
  SetItems("Cmb_device", items);
  // Where the environment names the device, no choice here would change it.
  const bool fromEnvironment =
      port >= 0 && !ComPortFromEnvironment(ComPortName(static_cast<std::uint8_t>(port))).empty();
  Select("Cmb_device", fromEnvironment ? 0 : DeviceChoiceIndex(choices_, port, pending_));
  SetEnabled("Cmb_device", port >= 0 && !fromEnvironment);
}

void Tserial_set::DeviceChosen(int item) {
  const int port = Selected("ComboBox1");
  if (port < 0 || item < 0 || item >= static_cast<int>(choices_.size())) return;
  pending_.device[static_cast<std::size_t>(port)] =
      choices_[static_cast<std::size_t>(item)].assignment;
  SetItemText("ComboBox1", port, ComPortChoice(port, devices_, pending_));
}

void Tserial_set::Picked(std::string_view list) {
  if (list == "ComboBox1") ShowDevicesOfSelectedPort();
  if (list == "Cmb_device") DeviceChosen(Selected("Cmb_device"));
}

void Tserial_set::Clicked(std::string_view button) {
  if (button == "Button_ok") Button_okClick();
  if (button == "Button_cansel") End(kCancel);
}

void Tserial_set::Button_okClick() {
  const int selected = Selected("ComboBox1");
  Configurator& c = host_.core();
  host_.runner().Working([&] { SerialSetChange(c.exchange, c.session, selected, pending_); });
  End(kOk);
}

}  // namespace taviron
