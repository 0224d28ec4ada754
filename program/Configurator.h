#pragma once

#include <filesystem>
#include <utility>

#include "access/Access.h"
#include "base/Clock.h"
#include "base/Frontend.h"
#include "base/ProgramFilePlaces.h"
#include "base/SerialPort.h"
#include "config/DefaultSetting.h"
#include "config/MacAddress.h"
#include "config/PortSetting.h"
#include "config/SurgeCounterClear.h"
#include "link/Exchange.h"
#include "monitor/Monitoring.h"
#include "session/Session.h"
#include "views/FirmwareWindow.h"

namespace taviron {

// The state of one run of the program: named blocks, each owned here by value and defined in
// the layer that gives it its meaning. A sequence takes the blocks it works on by reference,
// for example ConnectSwitch(c.exchange, c.monitor, c.access), so where a flag lives and who
// writes it can be found with a search. Only the front ends (and their tests) hold the whole;
// program/MenuActions.h hands each main-window command the blocks it needs.
class Configurator {
 public:
  Configurator(SerialPort& port, Clock& clock, Frontend& frontend, ProgramFilePlaces places)
      : exchange(port, clock, frontend, std::move(places.logDirectory)),
        session{.settingsDirectory = std::move(places.settingsDirectory)} {}
  // Both files in one directory, as a portable copy keeps them.
  Configurator(SerialPort& port, Clock& clock, Frontend& frontend,
               const std::filesystem::path& filesDirectory)
      : Configurator(port, clock, frontend, ProgramFilePlaces{filesDirectory, filesDirectory}) {}
  Configurator(const Configurator&) = delete;
  Configurator& operator=(const Configurator&) = delete;

  // The link session: the port and its exchange, the connection state (LinkState, the
  // greeting's outcome, ComPortIndex), the error log, the clock and the windows.
  Exchange exchange;
  // The main window: the values read from the switch, what it shows, the port lists.
  Monitoring monitor;
  // The log-in: the user password, the maintenance admission and their windows.
  Access access;
  // Start-up, the main window's bounds, the settings directory and the COM port devices.
  Session session;

  // The command dialogs' own state.
  PortSettingState portSetting;        // Tport_set
  DefaultSettingState defaultSetting;  // Tfact_set
  MacAddressState macAddress;          // Tmac_set
  SurgeClearState surgeClear;          // Tth_clear
  FirmwareWindow fwUpdate;             // Tfw_update
};

}  // namespace taviron
