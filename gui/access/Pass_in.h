#pragma once

#include "gui/access/QtPasswordForm.h"

namespace taviron {

class WindowHost;

// The log-in window: the program's first window. It asks for the user password when the switch
// wants one and opens the main window once the switch has accepted it; closing it ends the
// program.
class Tpass_in : public QtPasswordForm {
  Q_OBJECT

 public:
  explicit Tpass_in(WindowHost& program);

  void Button_okClick();
  void Button_canselClick();
  void Button_ngokClick() { close(); }

 protected:
  void reject() override { Button_canselClick(); }
  void closeEvent(QCloseEvent* event) override;

 private:
  WindowHost& program_;
};

}  // namespace taviron
