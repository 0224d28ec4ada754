#pragma once

#include <filesystem>
#include <string>

#include "base/Clock.h"
#include "base/ComPortAssignments.h"
#include "base/ErrorLog.h"
#include "base/Frontend.h"
#include "base/ProgramFilePlaces.h"
#include "base/SerialPort.h"
#include "base/Settings.h"
#include "config/ComPortSetting.h"
#include "config/DefaultSetting.h"
#include "config/MacAddress.h"
#include "config/PortSetting.h"
#include "config/SurgeCounterClear.h"
#include "firmware/FirmwareUpload.h"
#include "link/Exchange.h"
#include "link/SwitchLink.h"
#include "monitor/Monitoring.h"
#include "monitor/StatusValues.h"
#include "session/Session.h"
#include "views/ConfigWindows.h"
#include "views/FirmwareWindow.h"
#include "views/MainView.h"
#include "views/PasswordWindows.h"

namespace taviron {

// The state of one run of the program as one whole: the link to the switch, the error log,
// what was read from the switch, what the windows show, and the flags the windows share. Only
// the front ends (and their tests) hold it; each sequence is handed the part it works on.
class Configurator {
 public:
  Configurator(SerialPort& port, Clock& clock, Frontend& frontend, ProgramFilePlaces places)
      : clock(clock),
        frontend(frontend),
        link(port, clock),
        log(places.logDirectory, clock),
        places_(std::move(places)) {}
  // Both files in one directory, as a portable copy keeps them.
  Configurator(SerialPort& port, Clock& clock, Frontend& frontend,
               const std::filesystem::path& filesDirectory)
      : Configurator(port, clock, frontend, ProgramFilePlaces{filesDirectory, filesDirectory}) {}
  Configurator(const Configurator&) = delete;
  Configurator& operator=(const Configurator&) = delete;

  std::filesystem::path SettingsPath() const {
    return places_.settingsDirectory / kSettingsFileName;
  }
  const ProgramFilePlaces& Places() const { return places_; }

  // The parts each sequence works on.
  operator Exchange() { return {clock, frontend, link, log}; }
  operator StatusReading() { return {*this, status}; }
  operator Monitoring() {
    return {StatusReading(*this), view, portSelection, SwitchAnswered, portSettingBoxShown};
  }
  operator Access() {
    return {Monitoring(*this),   NoLoginNeeded, LoginPassword, LoggedIn,
            MaintenanceAdmitted, passIn,        passIn2,       superPassIn};
  }
  operator Session() {
    return {Access(*this), StartupDone, SwitchMode, mainWindowBounds, places_.settingsDirectory,
            comPorts};
  }
  operator ComPortSettingState() { return {Exchange(*this), comPorts, places_.settingsDirectory}; }
  operator PortSettingState() { return {Monitoring(*this), PortSetDone}; }
  operator DefaultSettingState() { return {Session(*this), factSet, DefaultSetDone}; }
  operator MacAddressState() { return {Access(*this), macSet, MacSetDone}; }
  operator SurgeClearState() { return {Access(*this), SurgeClearDone}; }
  operator UpgradeState() { return {Session(*this), fwUpdate}; }

  // A failure record in the log: the code with its timestamp, then the message.
  void Record(std::uint32_t code, std::string_view message) { log.Record(code, message); }
  std::string WithCommError(std::string_view message) {
    return Exchange(*this).WithCommError(message);
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

  // Which device each COM name leads to, as the operator chose it (COMPORTS.INI).
  ComPortAssignments comPorts;

  StatusValues status;
  MainView view;
  WindowBounds mainWindowBounds;
  PortSelection portSelection{-1, -1, -1, -1, -1, -1, -1, -1};
  bool portSettingBoxShown = false;

  PasswordWindow passIn;          // Tpass_in
  PasswordWindow passIn2;         // Tpass_in2
  MaintenanceWindow superPassIn;  // Tsuper_pass_in
  FirmwareWindow fwUpdate;        // Tfw_update
  DefaultSettingWindow factSet;   // Tfact_set
  MacAddressWindow macSet;        // Tmac_set

 private:
  ProgramFilePlaces places_;
};

}  // namespace taviron
