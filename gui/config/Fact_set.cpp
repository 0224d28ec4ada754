#include "gui/config/Fact_set.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/DefaultSetting.h"
#include "gui/common/QtDialogs.h"
#include "gui/common/WindowHost.h"
#include "program/Configurator.h"

namespace taviron {

Tfact_set::Tfact_set(WindowHost& program) : program_(program) {
  PrepareDialog(*this, "fact_set", "Default Setting");
  label1_ = new QLabel(this);
  label1_->setObjectName("Label1");
  label4_ = new QLabel(this);
  label4_->setObjectName("Label4");
  yes_ = MakeButton(this, "Button_ok", "&Yes", true);
  no_ = MakeButton(this, "Button_cancel", "&No");
  connect(yes_, &QPushButton::clicked, this, &Tfact_set::Button_okClick);
  connect(no_, &QPushButton::clicked, this, &QDialog::reject);
  QHBoxLayout* buttons = ButtonRow({yes_, no_}, true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label1_);
  layout->addWidget(label4_);
  layout->addLayout(buttons);
  label1_->setMinimumWidth(260);
  label4_->setMinimumHeight(20);
  setFixedSize(sizeHint());
}

void Tfact_set::Render() {
  const DefaultSettingWindow& w = program_.core().defaultSetting.factSet;
  label1_->setText(QString::fromStdString(w.Label1));
  label4_->setText(QString::fromStdString(w.Label4));
  yes_->setVisible(w.buttonsVisible);
  no_->setVisible(w.buttonsVisible);
}

void Tfact_set::FormShow() {
  FactSetShow(program_.core().defaultSetting);
  Render();
}

void Tfact_set::Button_okClick() {
  Configurator& c = program_.core();
  program_.Working([&c] { FactSetYes(c.exchange, c.monitor, c.access, c.defaultSetting); });
  Render();
  accept();
}

}  // namespace taviron
