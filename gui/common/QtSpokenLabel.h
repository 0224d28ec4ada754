#pragma once

#include <QLabel>

namespace taviron {

// A label whose new text a screen reader reads out wherever the focus is: the status bar's link
// state, the refusal of a password. To assistive technology it is a notification, which is read
// out when it appears; it appears anew with each text it is to say.
class SpokenLabel : public QLabel {
  Q_OBJECT

 public:
  explicit SpokenLabel(QWidget* parent);

  // Shows the text and has it read out when it differs from the one shown, or, with `again`,
  // even when it is the same (a second refusal is news as the first was). An empty text, or a
  // label that is not on the screen, says nothing.
  void Say(const QString& text, bool again = false);
};

}  // namespace taviron
