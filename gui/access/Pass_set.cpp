#include "gui/access/Pass_set.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "access/PasswordChange.h"
#include "gui/common/QtDialogs.h"
#include "gui/common/WindowHost.h"
#include "program/Configurator.h"

namespace taviron {

Tpass_set::Tpass_set(WindowHost& program) : program_(program) {
  PrepareDialog(*this, "pass_set", "Change User Password");
  auto makeEdit = [this](const char* name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(kUserPasswordMaxLength);
    return edit;
  };
  pass1_ = makeEdit("Ed_pass1");
  pass1_->setAccessibleName("New password");
  pass2_ = makeEdit("Ed_pass2");
  pass2_->setAccessibleName("New password again");
  auto* label3 = new QLabel("Enter new password.", this);
  label3->setObjectName("Label3");
  label3->setBuddy(pass1_);
  auto* label4 = new QLabel("(0-8 Characters)", this);
  label4->setObjectName("Label4");
  auto* label6 = new QLabel("Please retype the password.", this);
  label6->setObjectName("Label6");
  label6->setBuddy(pass2_);
  auto* ok = MakeButton(this, "Button_ok", "&Change", true);
  auto* cancel = MakeButton(this, "Button_cansel", "Cancel");
  connect(ok, &QPushButton::clicked, this, &Tpass_set::Button_okClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  QHBoxLayout* buttons = ButtonRow({ok, cancel});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label3);
  layout->addWidget(label4);
  layout->addWidget(pass1_);
  layout->addWidget(label6);
  layout->addWidget(pass2_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Tpass_set::FormShow() {
  pass1_->clear();
  pass2_->clear();
  pass1_->setFocus();
}

void Tpass_set::Button_okClick() {
  hide();
  bool changed = false;
  Configurator& c = program_.core();
  program_.Working([&] {
    changed =
        PassSetOk(c.exchange, c.access, pass1_->text().toStdString(), pass2_->text().toStdString());
  });
  if (changed) {
    accept();
  } else {
    show();
  }
}

}  // namespace taviron
