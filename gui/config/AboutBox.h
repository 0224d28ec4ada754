#pragma once

#include <QDialog>

namespace taviron {

// The About box: the program, its version and its maker.
class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  TAboutBox();
};

}  // namespace taviron
