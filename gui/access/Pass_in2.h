#pragma once

#include "gui/access/QtPasswordForm.h"

namespace taviron {

class WindowHost;

// The re-log-in window, shown by the connect sequence when the switch wants its user password
// and none is known.
class Tpass_in2 : public QtPasswordForm {
  Q_OBJECT

 public:
  explicit Tpass_in2(WindowHost& program);

  int exec() override;
  void Button_okClick2();
  void Button_canselClick2();
  void Button_ngokClick2() { done(Rejected); }

 protected:
  void reject() override { Button_canselClick2(); }

 private:
  WindowHost& program_;
};

}  // namespace taviron
