#include "session/ConnectionLifecycle.h"

#include "link/CommandTable.h"
#include "link/Greeting.h"
#include "monitor/MainDisplay.h"
#include "views/MainLayout.h"

namespace taviron {
namespace {

constexpr std::string_view kReconnectFailed = "Failed to reconnect.";
constexpr std::string_view kReconnectCaption = "Reconnect Error";
constexpr TimeMs kCloseToOpen = 50;
constexpr GreetingCodes kConnectGreetingCodes{10230911, 10230912, 10230913, 10230914};
constexpr std::uint32_t kCodePasswordNotSent = 10230914;
constexpr std::uint32_t kCodePasswordNoReply = 10230915;
constexpr std::uint32_t kCodePasswordRefused = 10230916;

void Fail(const Session& c, std::uint32_t code) {
  c.log.WriteErrLog(CodeText(code), 1);
  ReconnectFailed(c);
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
    Fail(c, kConnectGreetingCodes.Of(outcome));
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
      Fail(c, kCodePasswordNotSent);
      return;
    case PasswordVerdict::kNoReply:
      Fail(c, kCodePasswordNoReply);
      return;
    default:
      Fail(c, kCodePasswordRefused);
      return;
  }
}

void ReconnectFailed(const Session& c) {
  c.frontend.MessageBox(kReconnectFailed, kReconnectCaption);
  c.log.WriteErrLog(std::string(kReconnectFailed) + "\r\n" + c.link.CommErrorText(), 0);
  c.link.LinkState = kLinkConnectingFailure;
  c.link.CloseConnection();
  ShowDisconnectedValues(c);
}

void DisconnectSwitch(const Session& c) {
  c.link.CloseConnection();
  c.link.LinkState = kLinkDisconnect;
  ApplyLinkState(c.view, kLinkDisconnect);
  SetDisconnectedLayout(c);
  ShowDisconnectedValues(c);
}

}  // namespace taviron
