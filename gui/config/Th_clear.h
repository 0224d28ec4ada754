#pragma once

#include <QDialog>

namespace taviron {

class QtProgram;

// The Clear Surge Counter dialog: asks, then clears the switch's surge counter.
class Tth_clear : public QDialog {
  Q_OBJECT

 public:
  explicit Tth_clear(QtProgram& program);
  void Button_okClick();

 private:
  QtProgram& program_;
};

}  // namespace taviron
