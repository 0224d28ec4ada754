#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace taviron {

class SpokenLabel;
class WindowHost;

// The maintenance password window, shown by the maintenance gate.
class Tsuper_pass_in : public QDialog {
  Q_OBJECT

 public:
  explicit Tsuper_pass_in(WindowHost& program);

  int exec() override;
  void Button_okClick();

 private:
  // Draws the core's state of the window; with `refused`, a screen reader reads out the status
  // line even when the refusal is the same as the last.
  void Render(bool refused = false);

  WindowHost& program_;
  QLabel* label1_;
  SpokenLabel* label6_;
  QLineEdit* edPass_;
};

}  // namespace taviron
