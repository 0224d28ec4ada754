#include "session/Startup.h"

#include "link/CommandTable.h"
#include "link/Greeting.h"
#include "link/Transfer.h"
#include "monitor/MainDisplay.h"

namespace taviron {
namespace {

constexpr std::string_view kStartingFailed = "TAVIRON starting failed";
constexpr std::string_view kPortOpenFailed = "Failed to Open COM port.";
constexpr std::string_view kStartFailed = "Failed to start TAVIRON.";
constexpr std::string_view kStartFailedLog = "Failed to start TAVIRON.\r\n";
constexpr std::string_view kWritingError = "Writing Error";
constexpr std::string_view kLogWriteFailed = "Failed to write the error log file.";
constexpr std::string_view kIniWriteFailed = "Failed to write INI file.";

constexpr std::uint32_t kCodePortOpen = 10230701;
constexpr GreetingCodes kStartupGreetingCodes{10230803, 10230804, 10230805, 10230806};

}  // namespace

bool SwitchLoggingOn(const Session& c) {
  if (c.log.CanWriteFile(kLogFile) != 1) {
    c.frontend.MessageBox(kLogWriteFailed, kWritingError);
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
    c.frontend.MessageBox(kPortOpenFailed, kStartingFailed);
    c.link.LinkState = kLinkDisconnect;
    c.Record(kCodePortOpen, std::string(kPortOpenFailed) + std::string(kLineEnd));
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
  if (outcome != Greeting::kBadMode) c.frontend.MessageBox(kStartFailed, kStartingFailed);
  c.Record(kStartupGreetingCodes.Of(outcome), kStartFailedLog);
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
    c.frontend.MessageBox(kIniWriteFailed, kWritingError);
  }
}

}  // namespace taviron
