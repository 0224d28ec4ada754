#pragma once

#include <QDialog>

#include <array>

class QLineEdit;

namespace taviron {

class WindowHost;

// The MAC Address Setting dialog: shows the switch's address and sets a new one.
class Tmac_set : public QDialog {
  Q_OBJECT

 public:
  explicit Tmac_set(WindowHost& program);
  void FormShow();
  void Button_okClick();
  QLineEdit* Box(int n) const { return boxes_[static_cast<std::size_t>(n - 1)]; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Render();

  WindowHost& program_;
  std::array<QLineEdit*, 6> boxes_{};
};

}  // namespace taviron
