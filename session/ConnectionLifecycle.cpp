#include "session/ConnectionLifecycle.h"

#include "base/FailureCatalogue.h"
#include "link/CommandTable.h"
#include "link/Greeting.h"
#include "monitor/MainDisplay.h"
#include "views/MainLayout.h"

namespace taviron {
namespace {

constexpr TimeMs kCloseToOpen = 50;
constexpr GreetingFailures kConnectGreeting{failure::kConnectProbeNotSent, failure::kConnectNoReply,
                                            failure::kConnectNoBracket, failure::kConnectBadMode};

// The connect sequence's failure report: its record and box, then the disconnected look.
void Fail(const Session& c, const Failure& failure) {
  c.Report(failure);
  c.link.LinkState = kLinkConnectingFailure;
  c.link.CloseConnection();
  ShowDisconnectedValues(c);
}

}  // namespace

void StartSession(const Session& c) {
  c.SwitchAnswered = 1;
  c.MaintenanceAdmitted = 0;
  c.superPassIn.Ed_pass.clear();
}

void ConnectSwitch(const Session& c) {
  c.link.CloseConnection();
  c.clock.Sleep(kCloseToOpen);
  c.link.LinkState = kLinkConnecting;
  if (!c.link.OpenConfiguredPort()) {
    c.link.LinkState = kLinkDisconnect;
    return;
  }
  c.link.SetupConnection();
  c.link.LinkState = kLinkConnected;
  SetConnectedLayout(c);

  Greeting outcome = Greet(c.link, true, command::kProbe.pause, c.SwitchMode);
  if (outcome != Greeting::kAnswered) {
    Fail(c, kConnectGreeting.Of(outcome));
    c.SwitchAnswered = 0;
    return;
  }
  StartSession(c);
  if (c.SwitchMode != '1') {
    RefreshAll(c);
    return;
  }
  if (c.LoggedIn == 0) {
    c.frontend.ShowReLogin();
    if (!c.LoginPassword.empty()) {
      RefreshAll(c);
      return;
    }
    // The log-in was abandoned: the program ends.
    c.link.CloseConnection();
    c.link.LinkState = kLinkDisconnect;
    ShowLinkState(c);
    c.frontend.CloseMainWindow();
    return;
  }
  switch (SendPasswordLine(c.link, c.LoginPassword)) {
    case PasswordVerdict::kAccepted:
      RefreshAll(c);
      return;
    case PasswordVerdict::kNotSent:
      Fail(c, failure::kConnectPasswordNotSent);
      return;
    case PasswordVerdict::kNoReply:
      Fail(c, failure::kConnectPasswordNoReply);
      return;
    default:
      Fail(c, failure::kConnectPasswordRefused);
      return;
  }
}

void DisconnectSwitch(const Session& c) {
  c.link.CloseConnection();
  c.link.LinkState = kLinkDisconnect;
  ApplyLinkState(c.view, kLinkDisconnect);
  SetDisconnectedLayout(c);
  ShowDisconnectedValues(c);
}

}  // namespace taviron
