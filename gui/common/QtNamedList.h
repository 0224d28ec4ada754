#pragma once

#include <QComboBox>

namespace taviron {

// A pick-only drop-down list that a screen reader announces by what it chooses and by what it
// holds: "Port #3 speed and duplex, combo box, Auto". Its chosen item is its value and its text,
// a change of item is told as a change of that text, and its open list says which item is
// current. A plain list on this platform is announced by its current item alone, which says
// nothing of which list it is.
class NamedList : public QComboBox {
  Q_OBJECT

 public:
  NamedList(const QString& accessibleName, QWidget* parent);

  void showPopup() override;

 private:
  // Tells assistive technology that the chosen item changed from the one it was told last.
  void TellChosen(const QString& chosen);

  QString told_;
};

}  // namespace taviron
