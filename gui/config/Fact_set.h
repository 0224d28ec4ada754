#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace taviron {

class WindowHost;

// The Default Setting dialog: asks, then returns the switch to its factory settings.
class Tfact_set : public QDialog {
  Q_OBJECT

 public:
  explicit Tfact_set(WindowHost& program);
  void FormShow();
  void Button_okClick();
  void Render();

 private:
  WindowHost& program_;
  QLabel* label1_;
  QLabel* label4_;
  QPushButton* yes_;
  QPushButton* no_;
};

}  // namespace taviron
