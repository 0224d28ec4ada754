#pragma once

#include <QDialog>

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

  // Draws the core's state of the window.
  void Render(const PasswordWindow& w);
  // Empties the edit box and puts the focus in it.
  void EmptyEntry();
  QString Typed() const;

  QLabel* prompt() const { return prompt_; }
  QLabel* statusLine() const { return status_; }
  QLineEdit* entry() const { return entry_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }
  QPushButton* failureOkButton() const { return failureOk_; }

 private:
  QLabel* prompt_;
  QLabel* status_;
  QLineEdit* entry_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QPushButton* failureOk_;
};

}  // namespace taviron
