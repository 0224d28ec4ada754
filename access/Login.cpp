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

void Remember(Access& access, const std::string& typed) {
  access.LoggedIn = typed.empty() ? 0 : 1;
  access.LoginPassword = typed;
}

void Reject(PasswordWindow& w) {
  w.prompt = kIncorrect;
  w.status = kRetype;
}

// The failure state: port closed, the window's labels say so and only its lone OK is left.
void EnterFailureState(Exchange& exchange, PasswordWindow& w, bool reLogin) {
  exchange.link.CloseConnection();
  exchange.link.LinkState = kLinkDisconnect;
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
  exchange.Report(failure::kLoginFailed);
}

// A password that cannot go to the switch as one line is refused in the window itself, as a
// rejection is, and nothing is sent.
bool RefusedUnsent(PasswordWindow& w, const std::string& typed) {
  if (!HoldsUnsendableCharacters(typed)) return false;
  w.prompt = kUnsendableCharactersRefused;
  w.status = kRetype;
  return true;
}

}  // namespace

bool LoginNeeded(const Access& access) {
  return access.NoLoginNeeded != 1;
}

LoginStep PassInOk(Exchange& exchange, Access& access, const std::string& typed) {
  if (RefusedUnsent(access.passIn, typed)) return LoginStep::kStay;
  switch (SendPasswordLine(exchange.link, typed)) {
    case PasswordVerdict::kAccepted:
      Remember(access, typed);
      return LoginStep::kAccepted;
    case PasswordVerdict::kRejected:
      Reject(access.passIn);
      return LoginStep::kStay;
    default:
      access.LoggedIn = 0;
      EnterFailureState(exchange, access.passIn, false);
      return LoginStep::kFailureShown;
  }
}

void PassInCancel(Exchange& exchange, Monitoring& monitor) {
  exchange.link.CloseConnection();
  exchange.link.LinkState = kLinkDisconnect;
  ShowLinkState(exchange, monitor);
}

void PassIn2Show(Access& access) {
  access.passIn2 = PasswordWindow{};
}

LoginStep PassIn2Ok(Exchange& exchange, Monitoring& monitor, Access& access,
                    const std::string& typed) {
  if (RefusedUnsent(access.passIn2, typed)) return LoginStep::kStay;
  switch (SendPasswordLine(exchange.link, typed)) {
    case PasswordVerdict::kAccepted:
      Remember(access, typed);
      return LoginStep::kAccepted;
    case PasswordVerdict::kRejected:
      Reject(access.passIn2);
      return LoginStep::kStay;
    case PasswordVerdict::kNotSent:
      EnterFailureState(exchange, access.passIn2, true);
      return LoginStep::kFailureShown;
    default:
      // No verdict: the link is given up and the program ends, without a record.
      PassIn2Cancel(exchange, monitor);
      return LoginStep::kClosed;
  }
}

void PassIn2Cancel(Exchange& exchange, Monitoring& monitor) {
  exchange.link.CloseConnection();
  exchange.link.LinkState = kLinkDisconnect;
  ShowLinkState(exchange, monitor);
  exchange.frontend().CloseMainWindow();
}

}  // namespace taviron
