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
  PassIn2Show(program_.core());
  Render(program_.core().passIn2);
  EmptyEntry();
  return QDialog::exec();
}

void Tpass_in2::Button_okClick2() {
  LoginStep step = LoginStep::kStay;
  std::string typed = Typed().toStdString();
  program_.Working([&] { step = PassIn2Ok(program_.core(), typed); });
  Render(program_.core().passIn2, step == LoginStep::kStay);
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
  program_.Working([this] { PassIn2Cancel(program_.core()); });
  done(Rejected);
}

}  // namespace taviron
