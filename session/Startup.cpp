#include "session/Startup.h"

#include "base/FailureCatalogue.h"
#include "link/CommandTable.h"
#include "link/Greeting.h"
#include "link/Transfer.h"
#include "monitor/MainDisplay.h"
#include "session/PortOpenReport.h"

namespace taviron {
namespace {

constexpr GreetingFailures kStartupGreeting{failure::kStartupProbeNotSent, failure::kStartupNoReply,
                                            failure::kStartupNoBracket, failure::kStartupBadMode};

}  // namespace

bool SwitchLoggingOn(const Session& c) {
  if (c.log.CanWriteFile(kLogFile) != 1) {
    c.Report(failure::kLogNotWritable);
    return false;
  }
  c.log.LogEnabled = 1;
  UpdateLogMenu(c);
  c.log.OpenErrLog();
  return true;
}

void SwitchLoggingOff(const Session& c) {
  c.log.LogEnabled = 0;
  UpdateLogMenu(c);
  c.log.CloseErrLog();
}

void RunStartup(const Session& c) {
  if (c.StartupDone != 0) return;
  c.StartupDone = 1;

  Settings settings = LoadSettings(c.SettingsPath());
  // The devices the names lead to must be known before the first opening.
  c.comPorts = LoadComPortAssignments(c.ComPortsPath());
  c.mainWindowBounds = settings.bounds;
  c.link.ComPortIndex = settings.comPortIndex;
  c.log.LogEnabled = settings.logEnable;
  c.NoLoginNeeded = 1;

  if (c.log.LogEnabled == 1 && !SwitchLoggingOn(c)) c.log.LogEnabled = 0;

  StartConnection(c, c.link.ConfiguredPortName());
}

void StartConnection(const Session& c, std::string_view portName) {
  c.link.LinkState = kLinkConnecting;
  if (!c.link.OpenConnection(portName)) {
    ReportPortOpenFailure(c, failure::kStartupPortOpen, portName);
    c.link.LinkState = kLinkDisconnect;
    c.SwitchAnswered = 0;
    return;
  }
  c.link.SetupConnection();
  c.link.LinkState = kLinkConnected;

  Greeting outcome = Greet(c.link, true, command::kProbe.pause, c.SwitchMode);
  if (outcome == Greeting::kAnswered) {
    c.SwitchAnswered = 1;
    if (c.SwitchMode == '1') c.NoLoginNeeded = 0;
    return;
  }
  c.Report(kStartupGreeting.Of(outcome));
  c.link.CloseConnection();
  c.SwitchAnswered = 0;
  // The port is closed now: the window starts as after a failed connect, from which the
  // operator can connect again, rather than refreshing a closed port.
  c.link.LinkState = kLinkConnectingFailure;
}

void EndConnection(const Session& c) {
  Transfer transfer(c.link);
  for (int i = 0; i < 4; ++i) {
    transfer.Send(command::kWakeUp.text);
    if (i < 3) c.clock.Sleep(command::kWakeUp.pause);
  }
  c.link.CloseConnection();
  c.log.CloseErrLog();
}

void RunShutdown(const Session& c, const WindowBounds& currentBounds) {
  EndConnection(c);
  c.mainWindowBounds = currentBounds;
  Settings settings{currentBounds, c.link.ComPortIndex, c.log.LogEnabled};
  if (!SaveSettings(c.SettingsPath(), settings)) {
    c.Report(failure::kSettingsNotWritable);
  }
}

}  // namespace taviron
