#pragma once

#include <QDialog>

class QLineEdit;

namespace taviron {

class WindowHost;

// The user password dialog: sets a new user password on the switch.
class Tpass_set : public QDialog {
  Q_OBJECT

 public:
  explicit Tpass_set(WindowHost& program);
  void FormShow();
  void Button_okClick();

 private:
  WindowHost& program_;
  QLineEdit* pass1_;
  QLineEdit* pass2_;
};

}  // namespace taviron
