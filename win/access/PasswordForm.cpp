#include "win/access/PasswordForm.h"

namespace taviron {

PasswordForm::PasswordForm(Win32Host& host, const FormDesign& design, HWND owner,
                           const char* statusName, const char* editName, const char* failureOkName)
    : Win32Form(host, design, owner),
      statusName_(statusName),
      editName_(editName),
      failureOkName_(failureOkName) {}

void PasswordForm::Render(const PasswordWindow& w) {
  SetCaption(w.caption);
  SetText("Label1", w.prompt);
  SetText(statusName_, w.status);
  SetVisible(editName_, w.entryVisible);
  SetVisible("Button_ok", w.entryVisible);
  SetVisible("Button_cansel", w.entryVisible);
  SetVisible(failureOkName_, w.failureOkVisible);
  SetDefault(w.failureOkVisible ? failureOkName_ : "Button_ok");
  if (w.failureOkVisible) Focus(failureOkName_);
}

void PasswordForm::EmptyEntry() {
  SetText(editName_, "");
  Focus(editName_);
}

}  // namespace taviron
