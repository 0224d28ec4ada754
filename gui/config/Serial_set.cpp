#include "gui/config/Serial_set.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/ComPortSetting.h"
#include "gui/common/QtDialogs.h"
#include "gui/common/QtNamedList.h"
#include "gui/common/WindowHost.h"
#include "program/Configurator.h"

namespace taviron {

Tserial_set::Tserial_set(WindowHost& program) : program_(program) {
  PrepareDialog(*this, "serial_set", "COM Port Setting");
  auto* label = new QLabel("COM &Port", this);
  label->setObjectName("Label1");
  comboBox1_ = new NamedList("COM Port", this);
  comboBox1_->setObjectName("ComboBox1");
  label->setBuddy(comboBox1_);
  auto* ok = MakeButton(this, "Button_ok", "C&hange", true);
  auto* cancel = MakeButton(this, "Button_cansel", "Cancel");
  connect(ok, &QPushButton::clicked, this, &Tserial_set::Button_okClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(comboBox1_, 1);
  QHBoxLayout* buttons = ButtonRow({ok, cancel});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Tserial_set::FormShow() {
  // The devices are looked up each time: an adapter may have been plugged in meanwhile.
  comboBox1_->clear();
  for (const std::string& item : ComPortChoices()) {
    comboBox1_->addItem(QString::fromStdString(item));
  }
  comboBox1_->setCurrentIndex(SerialSetShow(program_.core()));
  comboBox1_->setFocus();
}

void Tserial_set::Button_okClick() {
  SerialSetChange(program_.core(), comboBox1_->currentIndex());
  accept();
}

}  // namespace taviron
