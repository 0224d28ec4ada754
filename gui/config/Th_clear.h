#pragma once

#include <QDialog>

namespace taviron {

class WindowHost;

// The Clear Surge Counter dialog: asks, then clears the switch's surge counter.
class Tth_clear : public QDialog {
  Q_OBJECT

 public:
  explicit Tth_clear(WindowHost& program);
  void Button_okClick();

 private:
  WindowHost& program_;
};

}  // namespace taviron
