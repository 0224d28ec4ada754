#pragma once

#include <QWidget>

namespace taviron {

// A small window created at start-up that nothing shows.
class Tfact_setting : public QWidget {
  Q_OBJECT

 public:
  Tfact_setting();
};

}  // namespace taviron
