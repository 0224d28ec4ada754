#include "gui/access/Super_pass_in.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "access/Login.h"
#include "access/Maintenance.h"
#include "gui/common/QtDialogs.h"
#include "gui/common/QtIcons.h"
#include "gui/common/QtSpokenLabel.h"
#include "gui/common/WindowHost.h"
#include "program/Configurator.h"

namespace taviron {

Tsuper_pass_in::Tsuper_pass_in(WindowHost& program) : program_(program) {
  setObjectName("super_pass_in");
  setWindowTitle("Enter Maintenance Password");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setWindowIcon(ProgramIcon());
  setFont(QFont("Arial", 9));
  label1_ = new QLabel(this);
  label1_->setObjectName("Label1");
  label6_ = new SpokenLabel(this);
  label6_->setObjectName("Label6");
  edPass_ = new QLineEdit(this);
  edPass_->setObjectName("Ed_pass");
  edPass_->setEchoMode(QLineEdit::Password);
  edPass_->setAccessibleName("Maintenance password");
  edPass_->setMaxLength(kPasswordMaxLength);
  auto* ok = MakeButton(this, "Button_ok", "OK", true);
  auto* cancel = MakeButton(this, "Button_cansel", "Cancel");
  connect(ok, &QPushButton::clicked, this, &Tsuper_pass_in::Button_okClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  QHBoxLayout* buttons = ButtonRow({ok, cancel});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label1_);
  layout->addWidget(label6_);
  layout->addWidget(edPass_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  label1_->setMinimumWidth(260);
}

void Tsuper_pass_in::Render(bool refused) {
  const MaintenanceWindow& w = program_.core().access.superPassIn;
  label1_->setText(QString::fromStdString(w.Label1));
  label6_->Say(QString::fromStdString(w.Label6), refused);
  if (edPass_->text().toStdString() != w.Ed_pass)
    edPass_->setText(QString::fromStdString(w.Ed_pass));
}

int Tsuper_pass_in::exec() {
  SuperPassInShow(program_.core().access);
  Render();
  edPass_->setFocus();
  return QDialog::exec();
}

void Tsuper_pass_in::Button_okClick() {
  bool admitted = false;
  Configurator& c = program_.core();
  program_.Working(
      [&] { admitted = SuperPassInOk(c.exchange, c.access, edPass_->text().toStdString()); });
  Render(!admitted);
  if (admitted) {
    accept();
  } else {
    edPass_->setFocus();
  }
}

}  // namespace taviron
