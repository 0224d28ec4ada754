#include "session/SwitchReset.h"

#include "link/CommandTable.h"
#include "link/Greeting.h"
#include "link/Transfer.h"
#include "monitor/MainDisplay.h"
#include "session/ConnectionLifecycle.h"

namespace taviron {
namespace {

constexpr std::string_view kResetFailed = "Failed to reset.";
constexpr std::string_view kResetCaption = "Reset failure";
constexpr std::string_view kPortOpenLog = "Failed to reset.(COM Port Open Error)\r\n";
constexpr std::string_view kCliStartLog = "Failed to reset.(CLI Starting Error)";
constexpr std::uint32_t kCodePortOpen = 10230901;
constexpr GreetingCodes kRestartGreetingCodes{10230911, 10230912, 10230913, 10230914};

constexpr RestartReconnect kAfterReset{command::kProbePauseAfterReset, 10230914, 10230915, 10230916,
                                       kResetCaption};

}  // namespace

void ResetFailed(const Session& c, std::string_view caption) {
  c.frontend.MessageBox(kResetFailed, caption);
  c.log.WriteErrLog(c.WithCommError(kCliStartLog), 0);
  c.link.LinkState = kLinkConnectingFailure;
  ShowLinkState(c);
  c.link.CloseConnection();
}

void ReconnectAfterRestart(const Session& c, const RestartReconnect& how) {
  c.link.LinkState = kLinkConnecting;
  if (!c.link.OpenConfiguredPort()) {
    c.frontend.MessageBox(kResetFailed, how.failureCaption);
    c.link.LinkState = kLinkDisconnect;
    c.Record(kCodePortOpen, kPortOpenLog);
    c.SwitchAnswered = 0;
    return;
  }
  c.link.SetupConnection();
  c.link.LinkState = kLinkConnected;

  auto fail = [&](std::uint32_t code) {
    c.log.WriteErrLog(CodeText(code), 1);
    ResetFailed(c, how.failureCaption);
  };
  Greeting outcome = Greet(c.link, false, how.probePause, c.SwitchMode);
  if (outcome != Greeting::kAnswered) {
    fail(kRestartGreetingCodes.Of(outcome));
    c.SwitchAnswered = 0;
    return;
  }
  StartSession(c);
  if (c.SwitchMode == '1') {
    switch (SendPasswordLine(c.link, c.LoginPassword)) {
      case PasswordVerdict::kAccepted:
        break;
      case PasswordVerdict::kNotSent:
        return fail(how.passwordNotSent);
      case PasswordVerdict::kNoReply:
        return fail(how.passwordNoReply);
      default:
        return fail(how.passwordRefused);
    }
  }
  RefreshAll(c);
}

void ResetSwitch(const Session& c) {
  Transfer transfer(c.link);
  transfer.Send(command::kReset.text);
  c.link.CloseConnection();
  c.clock.Sleep(command::kResetPortClosed);
  ReconnectAfterRestart(c, kAfterReset);
}

}  // namespace taviron
