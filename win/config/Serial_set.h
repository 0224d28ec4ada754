#pragma once

#include <vector>

#include "base/ComPortAssignments.h"
#include "base/SerialDevices.h"
#include "config/ComPortSetting.h"
#include "win/common/Win32Form.h"

namespace taviron {

// The COM Port Setting dialog: which port the next connect opens, and which device each COM name
// leads to.
class Tserial_set : public Win32Form {
 public:
  Tserial_set(Win32Host& host, HWND owner);
  void FormShow();
  void Button_okClick();

 protected:
  void Clicked(std::string_view button) override;
  void Picked(std::string_view list) override;

 private:
  // The device list for the COM name selected in the first list.
  void ShowDevicesOfSelectedPort();
  // The operator pointed the selected COM name at another device.
  void DeviceChosen(int item);

  std::vector<SerialDevice> devices_;
  std::vector<DeviceChoice> choices_;
  // The assignments as the operator has them in the dialog; stored only by "Change".
  ComPortAssignments pending_;
};

}  // namespace taviron
