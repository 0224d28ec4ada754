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
  Render(program_.core().access.passIn);
  connect(okButton(), &QPushButton::clicked, this, &Tpass_in::Button_okClick);
  connect(cancelButton(), &QPushButton::clicked, this, &Tpass_in::Button_canselClick);
  connect(failureOkButton(), &QPushButton::clicked, this, &Tpass_in::Button_ngokClick);
}

void Tpass_in::Button_okClick() {
  LoginStep step = LoginStep::kStay;
  std::string typed = Typed().toStdString();
  Configurator& c = program_.core();
  program_.Run([&] { step = PassInOk(c.exchange, c.access, typed); });
  Render(c.access.passIn, step == LoginStep::kStay);
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
  Configurator& c = program_.core();
  program_.Run([&c] { PassInCancel(c.exchange, c.monitor); });
  close();
}

void Tpass_in::closeEvent(QCloseEvent* event) {
  program_.core().exchange.log.ReleaseStream();
  event->accept();
  QApplication::quit();
}

}  // namespace taviron
