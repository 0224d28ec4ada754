#pragma once

#include <QDialog>

class QComboBox;

namespace taviron {

class WindowHost;

// The COM Port Setting dialog: which port the next connect opens.
class Tserial_set : public QDialog {
  Q_OBJECT

 public:
  explicit Tserial_set(WindowHost& program);
  void FormShow();
  void Button_okClick();
  QComboBox* list() const { return comboBox1_; }

 private:
  WindowHost& program_;
  QComboBox* comboBox1_;
};

}  // namespace taviron
