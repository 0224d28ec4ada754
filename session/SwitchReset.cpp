#include "session/SwitchReset.h"

#include "base/FailureCatalogue.h"
#include "link/CommandTable.h"
#include "link/Greeting.h"
#include "link/Transfer.h"
#include "monitor/MainDisplay.h"
#include "session/ConnectionLifecycle.h"
#include "session/PortOpenReport.h"

namespace taviron {
namespace {

constexpr RestartReconnect kAfterReset{command::kProbePauseAfterReset,
                                       failure::kResetPortOpen,
                                       {failure::kResetProbeNotSent, failure::kResetNoReply,
                                        failure::kResetNoBracket, failure::kResetBadMode},
                                       failure::kResetPasswordNotSent,
                                       failure::kResetPasswordNoReply,
                                       failure::kResetPasswordRefused};

}  // namespace

void ResetFailed(const Session& c, const Failure& failure) {
  c.Report(failure);
  c.link.LinkState = kLinkConnectingFailure;
  ShowLinkState(c);
  c.link.CloseConnection();
}

void ReconnectAfterRestart(const Session& c, const RestartReconnect& how) {
  c.link.LinkState = kLinkConnecting;
  if (!c.link.OpenConfiguredPort()) {
    ReportPortOpenFailure(c, how.portOpen, c.link.ConfiguredPortName());
    c.link.LinkState = kLinkDisconnect;
    c.SwitchAnswered = 0;
    return;
  }
  c.link.SetupConnection();
  c.link.LinkState = kLinkConnected;

  auto fail = [&](const Failure& failure) { ResetFailed(c, failure); };
  Greeting outcome = Greet(c.link, false, how.probePause, c.SwitchMode);
  if (outcome != Greeting::kAnswered) {
    fail(how.greeting.Of(outcome));
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
