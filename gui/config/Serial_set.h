#pragma once

#include <QDialog>

class QComboBox;

namespace taviron {

class QtProgram;

// The COM Port Setting dialog: which port the next connect opens.
class Tserial_set : public QDialog {
  Q_OBJECT

 public:
  explicit Tserial_set(QtProgram& program);
  void FormShow();
  void Button_okClick();
  QComboBox* list() const { return comboBox1_; }

 private:
  QtProgram& program_;
  QComboBox* comboBox1_;
};

// The About box.
class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  TAboutBox();
};

}  // namespace taviron
