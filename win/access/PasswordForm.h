#pragma once

#include <string>

#include "views/PasswordWindows.h"
#include "win/common/Win32Form.h"

namespace taviron {

// The two user password windows: prompt, status line, the masked edit box, OK and Cancel, and
// the lone OK of the failure state.
class PasswordForm : public Win32Form {
 public:
  // Names of the status label, the edit box and the failure-state button in this window.
  PasswordForm(Win32Host& host, const FormDesign& design, HWND owner, const char* statusName,
               const char* editName, const char* failureOkName);

  // Draws the core's state of the window.
  void Render(const PasswordWindow& w);
  // Empties the edit box and puts the focus in it.
  void EmptyEntry();
  std::string Typed() const { return Text(editName_); }

 protected:
  const char* statusName_;
  const char* editName_;
  const char* failureOkName_;
};

}  // namespace taviron
