#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace taviron {

class SpokenLabel;
class WindowHost;

// The firmware upgrade dialog: choose an Intel HEX file and upload it through the processor's
// ROM loader. It has no close box; while an upload runs it cannot be closed at all.
class Tfw_update : public QDialog {
  Q_OBJECT

 public:
  explicit Tfw_update(WindowHost& program);
  void FormShow();
  void hexfile_open_click();
  void Button_okClick();
  void Render();

  QLineEdit* fileBox() const { return edFile_; }
  QProgressBar* progress() const { return progressBar1_; }

 protected:
  void reject() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  WindowHost& program_;
  QLineEdit* edFile_;
  QPushButton* open_;
  QProgressBar* progressBar1_;
  QLabel* lbPer_;
  SpokenLabel* lbUpdate_;
  QPushButton* upload_;
  QPushButton* cancel_;
  QPushButton* close_;
};

}  // namespace taviron
