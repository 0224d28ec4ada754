#include "gui/config/Serial_set.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/ComPortNames.h"
#include "gui/common/QtDialogs.h"
#include "gui/common/QtNamedList.h"
#include "gui/common/WindowHost.h"
#include "program/Configurator.h"
#include "views/AccessibleNames.h"

namespace taviron {

Tserial_set::Tserial_set(WindowHost& program) : program_(program) {
  PrepareDialog(*this, "serial_set", "COM Port Setting");
  auto* label = new QLabel("COM &Port", this);
  label->setObjectName("Label1");
  comboBox1_ = new NamedList(QString::fromUtf8(kComPortListName), this);
  comboBox1_->setObjectName("ComboBox1");
  label->setBuddy(comboBox1_);
  auto* deviceLabel = new QLabel("&Device", this);
  deviceLabel->setObjectName("Label2");
  deviceList_ = new NamedList(QString::fromUtf8(kComDeviceListName), this);
  deviceList_->setObjectName("Cmb_device");
  deviceList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  deviceLabel->setBuddy(deviceList_);
  auto* ok = MakeButton(this, "Button_ok", "C&hange", true);
  auto* cancel = MakeButton(this, "Button_cansel", "Cancel");
  connect(ok, &QPushButton::clicked, this, &Tserial_set::Button_okClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(comboBox1_, &QComboBox::currentIndexChanged, this,
          [this] { ShowDevicesOfSelectedPort(); });
  connect(deviceList_, &QComboBox::currentIndexChanged, this,
          [this](int item) { DeviceChosen(item); });
  auto* fields = new QGridLayout;
  fields->addWidget(label, 0, 0);
  fields->addWidget(comboBox1_, 0, 1);
  fields->addWidget(deviceLabel, 1, 0);
  fields->addWidget(deviceList_, 1, 1);
  fields->setColumnStretch(1, 1);
  QHBoxLayout* buttons = ButtonRow({ok, cancel});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setTabOrder(comboBox1_, deviceList_);
  setTabOrder(deviceList_, ok);
  setTabOrder(ok, cancel);
}

void Tserial_set::FormShow() {
  // The devices are looked up each time: an adapter may have been plugged in meanwhile.
  devices_ = FindSerialDevices(program_.core().session.deviceRoots);
  pending_ = program_.core().session.comPorts;
  filling_ = true;
  comboBox1_->clear();
  for (const std::string& item : ComPortChoices(devices_, pending_)) {
    comboBox1_->addItem(QString::fromStdString(item));
  }
  comboBox1_->setCurrentIndex(SerialSetShow(program_.core().exchange.link));
  filling_ = false;
  ShowDevicesOfSelectedPort();
  comboBox1_->setFocus();
}

void Tserial_set::ShowDevicesOfSelectedPort() {
  if (filling_) return;
  const int port = comboBox1_->currentIndex();
  filling_ = true;
  choices_ = DeviceChoices(port, devices_, pending_);
  deviceList_->clear();
  for (const DeviceChoice& choice : choices_) {
    deviceList_->addItem(QString::fromStdString(choice.text));
  }
  // Where the environment names the device, no choice here would change it.
  const bool fromEnvironment =
      port >= 0 && !ComPortFromEnvironment(ComPortName(static_cast<std::uint8_t>(port))).empty();
  deviceList_->setCurrentIndex(fromEnvironment ? 0 : DeviceChoiceIndex(choices_, port, pending_));
  deviceList_->setEnabled(port >= 0 && !fromEnvironment);
  filling_ = false;
}

void Tserial_set::DeviceChosen(int item) {
  const int port = comboBox1_->currentIndex();
  if (filling_ || port < 0 || item < 0 || item >= static_cast<int>(choices_.size())) return;
  pending_.device[static_cast<std::size_t>(port)] =
      choices_[static_cast<std::size_t>(item)].assignment;
  comboBox1_->setItemText(port, QString::fromStdString(ComPortChoice(port, devices_, pending_)));
}

void Tserial_set::Button_okClick() {
  Configurator& c = program_.core();
  program_.Working(
      [&] { SerialSetChange(c.exchange, c.session, comboBox1_->currentIndex(), pending_); });
  accept();
}

}  // namespace taviron
