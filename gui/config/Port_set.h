#pragma once

#include <QDialog>

#include <array>

class QComboBox;

namespace taviron {

class WindowHost;

// The Port Setting dialog: speed and duplex of each of the eight ports.
class Tport_set : public QDialog {
  Q_OBJECT

 public:
  explicit Tport_set(WindowHost& program);
  // FormShow: the lists follow what is known of the ports.
  void FormShow();
  void Button_okClick();
  QComboBox* List(int port) const { return lists_[static_cast<std::size_t>(port - 1)]; }

 private:
  void Render();

  WindowHost& program_;
  std::array<QComboBox*, 8> lists_{};
};

}  // namespace taviron
