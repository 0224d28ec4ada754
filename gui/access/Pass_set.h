#pragma once

#include <QDialog>

class QLineEdit;

namespace taviron {

class QtProgram;

// The user password dialog: sets a new user password on the switch.
class Tpass_set : public QDialog {
  Q_OBJECT

 public:
  explicit Tpass_set(QtProgram& program);
  void FormShow();
  void Button_okClick();

 private:
  QtProgram& program_;
  QLineEdit* pass1_;
  QLineEdit* pass2_;
};

}  // namespace taviron
