#include "gui/config/Serial_set.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/QtDialogs.h"
#include "gui/common/QtIcons.h"
#include "gui/common/QtNamedList.h"
#include "gui/app/QtProgram.h"
#include "config/ComPortSetting.h"

namespace taviron {

Tserial_set::Tserial_set(QtProgram& program) : program_(program) {
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

TAboutBox::TAboutBox() {
  PrepareDialog(*this, "AboutBox", "About TAVIRON");
  auto* panel = new QFrame(this);
  panel->setObjectName("Panel1");
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Sunken);
  auto* icon = new QLabel(panel);
  icon->setObjectName("ProgramIcon");
  icon->setPixmap(ProgramIcon().pixmap(64, 64));
  auto* iconLayout = new QHBoxLayout(panel);
  iconLayout->addWidget(icon);
  auto* text = new QVBoxLayout;
  auto addLabel = [this, text](const char* name, const QString& caption) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(name);
    text->addWidget(label);
    return label;
  };
  addLabel("ProductName", "");
  addLabel("Label1", "8-Port Ethernet Switch (with surge protector)");
  addLabel("Label2", "PC Configurator");
  addLabel("Version", "TAVIRON Ver. 1.09");
  addLabel("Copyright", "");
  addLabel("Comments", "");
  auto* top = new QHBoxLayout;
  top->addWidget(panel, 0, Qt::AlignTop);
  top->addLayout(text);
  auto* ok = MakeButton(this, "OKButton", "OK", true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace taviron
