#pragma once

#include <QComboBox>

namespace taviron {

// A pick-only drop-down list that a screen reader announces by what it chooses ("Port #3
// speed and duplex"), with the chosen item as its value. A plain list is announced by its
// current item alone on this platform, which says nothing of which list it is.
class NamedList : public QComboBox {
  Q_OBJECT

 public:
  NamedList(const QString& accessibleName, QWidget* parent);
};

}  // namespace taviron
