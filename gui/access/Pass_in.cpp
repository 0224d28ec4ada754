#include "gui/access/Pass_in.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>

#include "access/Login.h"
#include "gui/common/WindowHost.h"
#include "program/Configurator.h"

namespace taviron {

Tpass_in::Tpass_in(WindowHost& program)
    : QtPasswordForm("Label6", "Ed_pass", "Button_ngok"), program_(program) {
  setObjectName("pass_in");
  Render(program_.core().passIn);
  connect(okButton(), &QPushButton::clicked, this, &Tpass_in::Button_okClick);
  connect(cancelButton(), &QPushButton::clicked, this, &Tpass_in::Button_canselClick);
  connect(failureOkButton(), &QPushButton::clicked, this, &Tpass_in::Button_ngokClick);
}

void Tpass_in::Button_okClick() {
  LoginStep step = LoginStep::kStay;
  std::string typed = Typed().toStdString();
  program_.Run([&] { step = PassInOk(program_.core(), typed); });
  Render(program_.core().passIn, step == LoginStep::kStay);
  switch (step) {
    case LoginStep::kStay:
      EmptyEntry();
      break;
    case LoginStep::kAccepted:
      hide();
      program_.ShowMainWindow();
      break;
    case LoginStep::kFailureShown:
    case LoginStep::kClosed:
      break;
  }
}

void Tpass_in::Button_canselClick() {
  program_.Run([this] { PassInCancel(program_.core()); });
  close();
}

void Tpass_in::closeEvent(QCloseEvent* event) {
  program_.core().log.ReleaseStream();
  event->accept();
  QApplication::quit();
}

}  // namespace taviron
