#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace taviron {

class QtProgram;

// The Default Setting dialog: asks, then returns the switch to its factory settings.
class Tfact_set : public QDialog {
  Q_OBJECT

 public:
  explicit Tfact_set(QtProgram& program);
  void FormShow();
  void Button_okClick();
  void Render();

 private:
  QtProgram& program_;
  QLabel* label1_;
  QLabel* label4_;
  QPushButton* yes_;
  QPushButton* no_;
};

// A small window created at start-up that nothing shows.
class Tfact_setting : public QWidget {
  Q_OBJECT

 public:
  Tfact_setting();
};

}  // namespace taviron
