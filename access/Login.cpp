#include "access/Login.h"

#include "base/FailureCatalogue.h"
#include "base/PasswordText.h"
#include "link/Greeting.h"
#include "monitor/MainDisplay.h"

namespace taviron {
namespace {

constexpr std::string_view kIncorrect = "Password is incorrect.";
constexpr std::string_view kRetype = "Please retype the password.";
constexpr std::string_view kFailedLabel = "Failed to Start TAVIRON.";
constexpr std::string_view kFailureCaption = "TAVIRON Starting Failure";

void Remember(const Access& c, const std::string& typed) {
  c.LoggedIn = typed.empty() ? 0 : 1;
  c.LoginPassword = typed;
}

void Reject(PasswordWindow& w) {
  w.prompt = kIncorrect;
  w.status = kRetype;
}

// The failure state: port closed, the window's labels say so and only its lone OK is left.
void EnterFailureState(const Access& c, PasswordWindow& w, bool reLogin) {
  c.link.CloseConnection();
  c.link.LinkState = kLinkDisconnect;
  if (reLogin) {
    w.prompt = kFailedLabel;
    w.status.clear();
  } else {
    w.status = kFailedLabel;
    w.prompt.clear();
  }
  w.caption = kFailureCaption;
  w.entryVisible = false;
  w.failureOkVisible = true;
  c.Report(failure::kLoginFailed);
}

// A password that cannot go to the switch as one line is refused in the window itself, as a
// rejection is, and nothing is sent.
bool RefusedUnsent(PasswordWindow& w, const std::string& typed) {
  if (!HoldsControlCharacters(typed)) return false;
  w.prompt = kControlCharactersRefused;
  w.status = kRetype;
  return true;
}

}  // namespace

bool LoginNeeded(const Access& c) {
  return c.NoLoginNeeded != 1;
}

LoginStep PassInOk(const Access& c, const std::string& typed) {
  if (RefusedUnsent(c.passIn, typed)) return LoginStep::kStay;
  switch (SendPasswordLine(c.link, typed)) {
    case PasswordVerdict::kAccepted:
      Remember(c, typed);
      return LoginStep::kAccepted;
    case PasswordVerdict::kRejected:
      Reject(c.passIn);
      return LoginStep::kStay;
    default:
      c.LoggedIn = 0;
      EnterFailureState(c, c.passIn, false);
      return LoginStep::kFailureShown;
  }
}

void PassInCancel(const Access& c) {
  c.link.CloseConnection();
  c.link.LinkState = kLinkDisconnect;
  ShowLinkState(c);
}

void PassIn2Show(const Access& c) {
  c.passIn2 = PasswordWindow{};
}

LoginStep PassIn2Ok(const Access& c, const std::string& typed) {
  if (RefusedUnsent(c.passIn2, typed)) return LoginStep::kStay;
  switch (SendPasswordLine(c.link, typed)) {
    case PasswordVerdict::kAccepted:
      Remember(c, typed);
      return LoginStep::kAccepted;
    case PasswordVerdict::kRejected:
      Reject(c.passIn2);
      return LoginStep::kStay;
    case PasswordVerdict::kNotSent:
      EnterFailureState(c, c.passIn2, true);
      return LoginStep::kFailureShown;
    default:
      // No verdict: the link is given up and the program ends, without a record.
      PassIn2Cancel(c);
      return LoginStep::kClosed;
  }
}

void PassIn2Cancel(const Access& c) {
  c.link.CloseConnection();
  c.link.LinkState = kLinkDisconnect;
  ShowLinkState(c);
  c.frontend.CloseMainWindow();
}

}  // namespace taviron
