#include "gui/access/Pass_in2.h"

#include <QPushButton>

#include "access/Login.h"
#include "gui/common/WindowHost.h"
#include "program/Configurator.h"

namespace taviron {

Tpass_in2::Tpass_in2(WindowHost& program)
    : QtPasswordForm("Label2", "Ed_pass2", "Button_ngok2"), program_(program) {
  setObjectName("pass_in2");
  connect(okButton(), &QPushButton::clicked, this, &Tpass_in2::Button_okClick2);
  connect(cancelButton(), &QPushButton::clicked, this, &Tpass_in2::Button_canselClick2);
  connect(failureOkButton(), &QPushButton::clicked, this, &Tpass_in2::Button_ngokClick2);
}

int Tpass_in2::exec() {
  PassIn2Show(program_.core().access);
  Render(program_.core().access.passIn2);
  EmptyEntry();
  return QDialog::exec();
}

void Tpass_in2::Button_okClick2() {
  LoginStep step = LoginStep::kStay;
  std::string typed = Typed().toStdString();
  Configurator& c = program_.core();
  program_.Working([&] { step = PassIn2Ok(c.exchange, c.monitor, c.access, typed); });
  Render(c.access.passIn2, step == LoginStep::kStay);
  switch (step) {
    case LoginStep::kStay:
      EmptyEntry();
      break;
    case LoginStep::kAccepted:
      done(Accepted);
      break;
    case LoginStep::kFailureShown:
      break;
    case LoginStep::kClosed:
      done(Rejected);
      break;
  }
}

void Tpass_in2::Button_canselClick2() {
  Configurator& c = program_.core();
  program_.Working([&c] { PassIn2Cancel(c.exchange, c.monitor); });
  done(Rejected);
}

}  // namespace taviron
