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

constexpr RestartReconnect kAfterReset{.probePause = command::kProbePauseAfterReset,
                                       .portOpen = failure::kResetPortOpen,
                                       .greeting = {.probeNotSent = failure::kResetProbeNotSent,
                                                    .noReply = failure::kResetNoReply,
                                                    .noBracket = failure::kResetNoBracket,
                                                    .badMode = failure::kResetBadMode},
                                       .passwordNotSent = failure::kResetPasswordNotSent,
                                       .passwordNoReply = failure::kResetPasswordNoReply,
                                       .passwordRefused = failure::kResetPasswordRefused};

}  // namespace

void ResetFailed(Exchange& exchange, Monitoring& monitor, const Failure& failure) {
  exchange.Report(failure);
  exchange.link.LinkState = kLinkConnectingFailure;
  ShowLinkState(exchange, monitor);
  exchange.link.CloseConnection();
}

void ReconnectAfterRestart(Exchange& exchange, Monitoring& monitor, Access& access,
                           const RestartReconnect& how) {
  exchange.link.LinkState = kLinkConnecting;
  if (!exchange.link.OpenConfiguredPort()) {
    ReportPortOpenFailure(exchange, how.portOpen, exchange.link.ConfiguredPortName());
    exchange.link.LinkState = kLinkDisconnect;
    exchange.link.SwitchAnswered = 0;
    return;
  }
  exchange.link.SetupConnection();
  exchange.link.LinkState = kLinkConnected;

  auto fail = [&](const Failure& failure) { ResetFailed(exchange, monitor, failure); };
  Greeting outcome = Greet(exchange.link, false, how.probePause);
  if (RecogniseLoader(exchange.link, outcome) || outcome != Greeting::kAnswered) {
    fail(how.greeting.Of(outcome));
    exchange.link.SwitchAnswered = 0;
    if (exchange.link.SwitchInLoader) exchange.Report(failure::kSwitchInLoader);
    return;
  }
  StartSession(exchange, access);
  if (exchange.link.SwitchMode == '1') {
    switch (SendPasswordLine(exchange.link, access.LoginPassword)) {
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
  RefreshAll(exchange, monitor);
}

void ResetSwitch(Exchange& exchange, Monitoring& monitor, Access& access) {
  Transfer transfer(exchange.link);
  transfer.Send(command::kReset.text);
  exchange.link.CloseConnection();
  exchange.clock().Sleep(command::kResetPortClosed);
  ReconnectAfterRestart(exchange, monitor, access, kAfterReset);
}

}  // namespace taviron
