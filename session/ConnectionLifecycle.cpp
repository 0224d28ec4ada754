#include "session/ConnectionLifecycle.h"

#include <string>

#include "base/FailureCatalogue.h"
#include "base/PortOpenExplanation.h"
#include "link/CommandTable.h"
#include "link/Greeting.h"
#include "monitor/MainDisplay.h"
#include "views/MainLayout.h"

namespace taviron {
namespace {

constexpr TimeMs kCloseToOpen = 50;
constexpr GreetingFailures kConnectGreeting{.probeNotSent = failure::kConnectProbeNotSent,
                                            .noReply = failure::kConnectNoReply,
                                            .noBracket = failure::kConnectNoBracket,
                                            .badMode = failure::kConnectBadMode};

// What the box tells after its text and a blank line: what the switch did not do, and on which
// port and device.
std::string Cause(Exchange& exchange, const Failure& failure) {
  const std::string name = exchange.link.ConfiguredPortName();
  const std::string device = exchange.link.Port().DeviceFor(name);
  const std::string where = device.empty() || device == name ? name : name + " (" + device + ")";
  if (&failure == &failure::kConnectNoReply) {
    return "No answer from the switch on " + where +
           ".\r\nCheck that the switch is on and that its cable is on this port.";
  }
  if (&failure == &failure::kConnectPasswordNoReply) {
    return "No answer to the password from the switch on " + where + ".";
  }
  if (&failure == &failure::kConnectPasswordRefused) {
    return "The switch on " + where + " refused the password.";
  }
  if (&failure == &failure::kConnectNoBracket || &failure == &failure::kConnectBadMode) {
    return "The answer on " + where + " is not the switch's.";
  }
  return "Nothing could be sent to the switch on " + where + ".";
}

// The connect sequence's failure report: its record and box, then the disconnected look.
void Fail(Exchange& exchange, Monitoring& monitor, const Failure& failure) {
  const std::string box = WithExplanation(failure.box, Cause(exchange, failure));
  Failure told = failure;
  told.box = box;
  exchange.Report(told);
  exchange.link.LinkState = kLinkConnectingFailure;
  exchange.link.CloseConnection();
  ShowDisconnectedValues(exchange, monitor);
}

}  // namespace

void StartSession(Exchange& exchange, Access& access) {
  exchange.link.SwitchAnswered = 1;
  access.MaintenanceAdmitted = 0;
  access.superPassIn.Ed_pass.clear();
}

void ConnectSwitch(Exchange& exchange, Monitoring& monitor, Access& access) {
  exchange.link.CloseConnection();
  exchange.clock().Sleep(kCloseToOpen);
  exchange.link.LinkState = kLinkConnecting;
  if (!exchange.link.OpenConfiguredPort()) {
    exchange.link.LinkState = kLinkDisconnect;
    return;
  }
  exchange.link.SetupConnection();
  exchange.link.LinkState = kLinkConnected;
  SetConnectedLayout(exchange, monitor);

  Greeting outcome = Greet(exchange.link, true, command::kProbe.pause);
  if (RecogniseLoader(exchange.link, outcome) || outcome != Greeting::kAnswered) {
    Fail(exchange, monitor, kConnectGreeting.Of(outcome));
    exchange.link.SwitchAnswered = 0;
    if (exchange.link.SwitchInLoader) exchange.Report(failure::kSwitchInLoader);
    return;
  }
  StartSession(exchange, access);
  if (exchange.link.SwitchMode != '1') {
    RefreshAll(exchange, monitor);
    return;
  }
  if (access.LoggedIn == 0) {
    exchange.frontend().ShowReLogin();
    if (!access.LoginPassword.empty()) {
      RefreshAll(exchange, monitor);
      return;
    }
    // The log-in was abandoned: the program ends.
    exchange.link.CloseConnection();
    exchange.link.LinkState = kLinkDisconnect;
    ShowLinkState(exchange, monitor);
    exchange.frontend().CloseMainWindow();
    return;
  }
  switch (SendPasswordLine(exchange.link, access.LoginPassword)) {
    case PasswordVerdict::kAccepted:
      RefreshAll(exchange, monitor);
      return;
    case PasswordVerdict::kNotSent:
      Fail(exchange, monitor, failure::kConnectPasswordNotSent);
      return;
    case PasswordVerdict::kNoReply:
      Fail(exchange, monitor, failure::kConnectPasswordNoReply);
      return;
    default:
      Fail(exchange, monitor, failure::kConnectPasswordRefused);
      return;
  }
}

void DisconnectSwitch(Exchange& exchange, Monitoring& monitor) {
  exchange.link.CloseConnection();
  exchange.link.SwitchInLoader = false;
  exchange.link.LinkState = kLinkDisconnect;
  ApplyLinkState(monitor.view, kLinkDisconnect);
  SetDisconnectedLayout(exchange, monitor);
  ShowDisconnectedValues(exchange, monitor);
}

}  // namespace taviron
