#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "views/PasswordWindows.h"
#include "base/ErrorLog.h"
#include "base/Frontend.h"
#include "base/Settings.h"
#include "views/ConfigWindows.h"
#include "views/FirmwareWindow.h"
#include "base/Clock.h"
#include "base/SerialPort.h"
#include "link/SwitchLink.h"
#include "views/MainView.h"
#include "monitor/StatusValues.h"

namespace taviron {

// The state of one run of the program: the link to the switch, the error log, what was read
// from the switch, what the main window shows, and the flags the windows share.
class Configurator {
 public:
  Configurator(SerialPort& port, Clock& clock, Frontend& frontend,
               std::filesystem::path filesDirectory)
      : clock(clock),
        frontend(frontend),
        link(port, clock),
        log(filesDirectory, clock),
        filesDirectory_(std::move(filesDirectory)) {}

  std::filesystem::path SettingsPath() const { return filesDirectory_ / kSettingsFileName; }
  const std::filesystem::path& FilesDirectory() const { return filesDirectory_; }

  // A failure record in the log: the code with its timestamp, then the message.
  void Record(std::uint32_t code, std::string_view message) { log.Record(code, message); }
  // A failure shown in a box and then recorded with the line-error text of the last exchange.
  void Report(std::string_view message, std::string_view caption, std::uint32_t code) {
    frontend.MessageBox(message, caption);
    Record(code, WithCommError(message));
  }
  // The message followed by the line-error text of the last exchange, as most records end.
  std::string WithCommError(std::string_view message) const {
    return std::string(message) + link.CommErrorText();
  }

  Clock& clock;
  Frontend& frontend;
  SwitchLink link;
  ErrorLog log;

  // Flags and values shared between the windows for the whole run.
  int StartupDone = 0;
  int NoLoginNeeded = 0;
  char SwitchMode = 0;
  int SwitchAnswered = 0;
  std::string LoginPassword;
  int LoggedIn = 0;
  int MaintenanceAdmitted = 0;
  int PortSetDone = 0;
  int DefaultSetDone = 0;
  int SurgeClearDone = 0;
  int MacSetDone = 0;

  StatusValues status;
  MainView view;
  WindowBounds mainWindowBounds;
  // Selections of the Port Setting dialog's lists (Cmb_port1 to Cmb_port8), -1 for none.
  std::array<int, kPortCount> portSelection{-1, -1, -1, -1, -1, -1, -1, -1};
  // The main window showed "Failed to obtain the port setting." and has not been activated
  // since; the activation that follows that box does not show it again.
  bool portSettingBoxShown = false;

  PasswordWindow passIn;          // Tpass_in
  PasswordWindow passIn2;         // Tpass_in2
  MaintenanceWindow superPassIn;  // Tsuper_pass_in
  FirmwareWindow fwUpdate;        // Tfw_update
  DefaultSettingWindow factSet;   // Tfact_set
  MacAddressWindow macSet;        // Tmac_set

 private:
  std::filesystem::path filesDirectory_;
};

}  // namespace taviron
