#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace taviron {

class WindowHost;

// The maintenance password window, shown by the maintenance gate.
class Tsuper_pass_in : public QDialog {
  Q_OBJECT

 public:
  explicit Tsuper_pass_in(WindowHost& program);

  int exec() override;
  void Button_okClick();

 private:
  void Render();

  WindowHost& program_;
  QLabel* label1_;
  QLabel* label6_;
  QLineEdit* edPass_;
};

}  // namespace taviron
