#pragma once

#include <QDialog>

#include "gui/common/QtSpokenLabel.h"
#include "views/PasswordWindows.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace taviron {

// The controls shared by the two user password windows: prompt, status line, the masked edit
// box, OK and Cancel, and the lone OK of the failure state.
class QtPasswordForm : public QDialog {
  Q_OBJECT

 public:
  // Names of the status label, the edit box and the failure-state button in this window.
  QtPasswordForm(const char* statusName, const char* editName, const char* failureOkName);

  // Draws the core's state of the window. A screen reader reads out a new status line, and
  // with `repeat` the same one again (the switch refused the password once more).
  void Render(const PasswordWindow& w, bool repeat = false);
  // Empties the edit box and puts the focus in it.
  void EmptyEntry();
  QString Typed() const;

  QLabel* prompt() const { return prompt_; }
  SpokenLabel* statusLine() const { return status_; }
  QLineEdit* entry() const { return entry_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }
  QPushButton* failureOkButton() const { return failureOk_; }

 private:
  QLabel* prompt_;
  SpokenLabel* status_;
  QLineEdit* entry_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QPushButton* failureOk_;
};

}  // namespace taviron
