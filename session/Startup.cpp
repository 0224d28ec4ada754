#include "session/Startup.h"

#include <string>

#include "base/FailureCatalogue.h"
#include "link/CommandTable.h"
#include "link/Greeting.h"
#include "link/Transfer.h"
#include "monitor/MainDisplay.h"
#include "session/OnlyAdapter.h"
#include "session/PortOpenReport.h"

namespace taviron {
namespace {

constexpr GreetingFailures kStartupGreeting{.probeNotSent = failure::kStartupProbeNotSent,
                                            .noReply = failure::kStartupNoReply,
                                            .noBracket = failure::kStartupNoBracket,
                                            .badMode = failure::kStartupBadMode};

}  // namespace

bool SwitchLoggingOn(Exchange& exchange, Monitoring& monitor) {
  if (exchange.log.CanWriteFile(kLogFile) != 1) {
    exchange.Report(failure::kLogNotWritable);
    return false;
  }
  exchange.log.LogEnabled = 1;
  UpdateLogMenu(exchange, monitor);
  exchange.log.OpenErrLog();
  return true;
}

void SwitchLoggingOff(Exchange& exchange, Monitoring& monitor) {
  exchange.log.LogEnabled = 0;
  UpdateLogMenu(exchange, monitor);
  exchange.log.CloseErrLog();
}

void RunStartup(Exchange& exchange, Monitoring& monitor, Access& access, Session& session) {
  if (session.StartupDone != 0) return;
  session.StartupDone = 1;

  Settings settings = LoadSettings(session.SettingsPath());
  // The devices the names lead to must be known before the first opening.
  session.comPorts = LoadComPortAssignments(session.ComPortsPath());
  session.mainWindowBounds = settings.bounds;
  exchange.link.ComPortIndex = settings.comPortIndex;
  exchange.log.LogEnabled = settings.logEnable;
  access.NoLoginNeeded = 1;

  if (exchange.log.LogEnabled == 1 && !SwitchLoggingOn(exchange, monitor)) {
    exchange.log.LogEnabled = 0;
  }

  // On a laptop the name often leads to a built-in port it lacks, while the adapter in hand is
  // the only USB one: the operator is offered that adapter once.
  const std::string portName = exchange.link.ConfiguredPortName();
  StartConnection(exchange, access, portName,
                  [&] { return OpenTheOnlyAdapter(exchange, session, portName); });
}

void StartConnection(Exchange& exchange, Access& access, std::string_view portName,
                     const std::function<bool()>& openInstead) {
  exchange.link.LinkState = kLinkConnecting;
  if (!exchange.link.OpenConnection(portName) && !(openInstead && openInstead())) {
    ReportPortOpenFailure(exchange, failure::kStartupPortOpen, portName);
    exchange.link.LinkState = kLinkDisconnect;
    exchange.link.SwitchAnswered = 0;
    return;
  }
  exchange.link.SetupConnection();
  exchange.link.LinkState = kLinkConnected;

  Greeting outcome = Greet(exchange.link, true, command::kProbe.pause);
  if (outcome == Greeting::kAnswered) {
    exchange.link.SwitchInLoader = false;
    exchange.link.SwitchAnswered = 1;
    if (exchange.link.SwitchMode == '1') access.NoLoginNeeded = 0;
    return;
  }
  RecogniseLoader(exchange.link, outcome);
  exchange.Report(kStartupGreeting.Of(outcome));
  exchange.link.CloseConnection();
  exchange.link.SwitchAnswered = 0;
  // The port is closed now: the window starts as after a failed connect, from which the
  // operator can connect again, rather than refreshing a closed port.
  exchange.link.LinkState = kLinkConnectingFailure;
  if (exchange.link.SwitchInLoader) exchange.Report(failure::kSwitchInLoader);
}

void EndConnection(Exchange& exchange) {
  Transfer transfer(exchange.link);
  for (int i = 0; i < 4; ++i) {
    transfer.Send(command::kWakeUp.text);
    if (i < 3) exchange.clock().Sleep(command::kWakeUp.pause);
  }
  exchange.link.CloseConnection();
  exchange.log.CloseErrLog();
}

void RunShutdown(Exchange& exchange, Session& session, const WindowBounds& currentBounds) {
  EndConnection(exchange);
  session.mainWindowBounds = currentBounds;
  Settings settings{currentBounds, exchange.link.ComPortIndex, exchange.log.LogEnabled};
  if (!SaveSettings(session.SettingsPath(), settings)) {
    exchange.Report(failure::kSettingsNotWritable);
  }
}

}  // namespace taviron
