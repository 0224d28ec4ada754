#pragma once

#include <QDialog>

#include <vector>

#include "base/ComPortAssignments.h"
#include "base/SerialDevices.h"
#include "config/ComPortSetting.h"

class QComboBox;
class QLabel;

namespace taviron {

class WindowHost;

// The COM Port Setting dialog: which port the next connect opens, and which device each COM name
// leads to.
class Tserial_set : public QDialog {
  Q_OBJECT

 public:
  explicit Tserial_set(WindowHost& program);
  void FormShow();
  void Button_okClick();
  QComboBox* list() const { return comboBox1_; }
  QComboBox* deviceList() const { return deviceList_; }

 private:
  // The device list for the COM name selected in the first list.
  void ShowDevicesOfSelectedPort();
  // The operator pointed the selected COM name at another device.
  void DeviceChosen(int item);

  WindowHost& program_;
  QComboBox* comboBox1_;
  QComboBox* deviceList_;
  std::vector<SerialDevice> devices_;
  std::vector<DeviceChoice> choices_;
  // The assignments as the operator has them in the dialog; stored only by "Change".
  ComPortAssignments pending_;
  bool filling_ = false;
};

}  // namespace taviron
