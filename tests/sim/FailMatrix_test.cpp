// Every sequence that talks to the switch, run once for each of its port operations with that
// operation failing: what it shows and logs is among its own boxes and records, it ends in a
// state it may end in, with the port closed when it says so and no descriptor left behind, in
// bounded time, and the next connect and refresh work.
#include <gtest/gtest.h>

#include <string>

#include "access/Login.h"
#include "access/Maintenance.h"
#include "access/PasswordChange.h"
#include "base/FailureCatalogue.h"
#include "config/ConfigFile.h"
#include "config/DefaultSetting.h"
#include "config/MacAddress.h"
#include "config/PortSetting.h"
#include "config/SurgeCounterClear.h"
#include "firmware/FirmwareUpload.h"
#include "monitor/MainDisplay.h"
#include "monitor/StatusQueries.h"
#include "program/MenuActions.h"
#include "session/ConnectionLifecycle.h"
#include "session/Startup.h"
#include "tests/support/FailMatrix.h"
#include "tests/support/TempDir.h"

namespace taviron::test {
namespace {

const Allowed kQueries{
    {10230101, 10230102, 10230103, 10230104, 10230511, 10230512, 10000106, 10000107, 10230521,
     10230522, 10230523, 10230741, 10230742, 10230743, 10230731, 10230732, 10230721, 10230722},
    {"Failed to obtain the Firmware version.\r\n",
     "Failed to obtain the discharge elemet information.\r\n",
     "Failed to obtain the discharge elemet information.(Hardware Error)\r\n",
     "Failed to obtain the relay status.\r\n", "Failed to obtain the Firmware error.\r\n",
     "Failed to obtain the port error.\r\n", "Failed to obtain the port configuration.\r\n"},
    {},
    {}};
const Allowed kStartup{{10230701, 10230803, 10230804, 10230805, 10230806},
                       {"Failed to Open COM port.\r\n", "Failed to start TAVIRON.\r\n"},
                       {},
                       {"Failed to Open COM port.|TAVIRON starting failed",
                        "Failed to start TAVIRON.|TAVIRON starting failed"}};
const Allowed kConnect{{10230911, 10230912, 10230913, 10230914, 10230915, 10230916},
                       {"Failed to reconnect.\r\n\r\n"},
                       {},
                       {"Failed to reconnect.|Reconnect Error"}};
Allowed Restart(const std::string& caption) {
  return {{10230901, 10230911, 10230912, 10230913, 10230914, 10230915, 10230916},
          {"Failed to reset.(COM Port Open Error)\r\n", "Failed to reset.(CLI Starting Error)\r\n"},
          {},
          {"Failed to reset.|" + caption}};
}
const Allowed kPortSetting{
    {10230201, 10230202, 10230203},
    {"Failed to set the port setting\r\n", "Failed to set the port setting.\r\n"},
    {},
    {"Setting the port configuration was successful.|Port Setting was Complete",
     "Setting the port configuration was not successful.|Setting Error"}};
const Allowed kConfigLoad{
    {10230132, 10230201, 10230202},
    {"Setting Configuration Failure\r\n", "Failed to set the port setting\r\n"},
    {},
    {"Failed to set the configuration.|Configuration Error"}};
const Allowed kConfigSave{
    {10230721, 10230722, 10110133},
    {"Failed to obtain the port configuration.\r\n", "Failed to save the configuration file.\r\n"},
    {},
    {"Failed to save the file.|File Saving Error"}};
const Allowed kDefaults{{10230301, 10230302, 10230303},
                        {"Failed to set the default setting.\r\n"},
                        {},
                        {"Failed to set the default setting.|Setting Error",
                         "Default setting was finished.|Finished Default Setting"}};
const Allowed kMacRead{{10230301, 10230302}, {"MAC Address Error\r\n"}, {}, {}};
const Allowed kMacSet{
    {10230305, 10230306, 10000307},
    {"MAC address setting failed\r\n", "MAC address setting failed(Hardware error)\r\n"},
    {},
    {"MAC address setting failed|Setting Error",
     "MAC address setting finished|MAC address setting complete"}};
const Allowed kSurge{
    {10230501, 10230502, 10230503},
    {"Failed to send Clear command.\r\n", "Failed to receive the response of Clear Command.\r\n",
     "Failed to clear discharge element information.\r\n"},
    {},
    {"Failed to send Clear command.|Discharge Element: Clearing Failure",
     "Failed to receive the response of Clear Command.|Discharge Element: "
     "Clearing Failure",
     "Failed to clear discharge element information.|Discharge Element: "
     "Clearing Failure"}};
const Allowed kRelay{{10230531, 10230532}, {"Failed to set the relay status.\r\n"}, {}, {}};
const Allowed kPasswordChange{
    {10230401},
    {"Failed to set the user password.\r\n"},
    {},
    {"User password was changed.|Changed User Password",
     "User password is incorrect.\r\nPlease retype the user password.|User Password Changing "
     "Error"}};
const Allowed kLogin{{10230801}, {"Failed to Start TAVIRON\r\n"}, {}, {}};
const Allowed kMaintenance{
    {10110901, 10110902, 10110903},
    {"Failed to send maintenance password.\r\n",
     "Failed to receive maintenance password response.\r\n",
     "Failed to set maintenance password.\r\n"},
    {},
    {"Failed to send maintenance password.|Maintenance Password Setting Error",
     "Failed to receive maintenance password response.|Maintenance Password Setting Error",
     "Failed to set maintenance password.|Maintenance Password Setting Error"}};

// Every failure point of the firmware upgrade, from the failure table.
Allowed Upload() {
  Allowed a{{}, {}, {"Firmware Upgrade:Restoration was completed.\r\n"}, {}};
  for (const Failure* e : failure::kAll) {
    if (e->code >= 10230600 && e->code < 10230700) {
      a.codes.insert(e->code);
      a.messages.insert(std::string(e->log));
      a.boxes.insert(std::string(e->box) + "|" + std::string(e->caption));
    }
  }
  return a;
}

void Connected(Harness& h) {
  h.Connect();
}
void Protected(Harness& h) {
  h.model.state.userPassword = "pw";
  h.c.access.LoggedIn = 1;
  h.c.access.LoginPassword = "pw";
  h.Connect();
}

const FailSequence kSequences[] = {
    {"start-up",
     [](Harness&) {},
     [](Harness& h) { RunStartup(h.c.exchange, h.c.monitor, h.c.access, h.c.session); },
     kStartup,
     {1, 3, 5},
     1500},
    {"refresh",
     Connected,
     [](Harness& h) { RefreshAll(h.c.exchange, h.c.monitor); },
     kQueries,
     {3, 4},
     2500},
    {"connect",
     [](Harness&) {},
     [](Harness& h) { ConnectSwitch(h.c.exchange, h.c.monitor, h.c.access); },
     kConnect + kQueries,
     {1, 3, 4, 5},
     3500},
    {"connect with the remembered password",
     [](Harness& h) {
       Protected(h);
       h.c.exchange.link.CloseConnection();
     },
     [](Harness& h) { ConnectSwitch(h.c.exchange, h.c.monitor, h.c.access); },
     kConnect + kQueries,
     {1, 3, 4, 5},
     4000},
    {"disconnect",
     Connected,
     [](Harness& h) { DisconnectSwitch(h.c.exchange, h.c.monitor); },
     {},
     {1},
     0},
    {"reset",
     Protected,
     [](Harness& h) { ResetCommand(h.c); },
     Restart("Reset failure") + kQueries,
     {1, 3, 4, 5},
     8000},
    {"port setting",
     [](Harness& h) {
       h.Connect();
       h.c.monitor.portSelection = {4, 3, 2, 1, 0, 5, 4, 4};
     },
     [](Harness& h) {
       if (PortSetOk(h.c.exchange, h.c.monitor, h.c.portSetting))
         RefreshAll(h.c.exchange, h.c.monitor);
     },
     kPortSetting + kQueries,
     {3, 4},
     5000},
    {"configuration load",
     [](Harness& h) {
       h.Connect();
       WriteFile(h.dir / "ports.txt", ConfigFileText("45612355"));
     },
     [](Harness& h) { LoadConfigFile(h.c.exchange, h.c.monitor, (h.dir / "ports.txt").string()); },
     kConfigLoad + kQueries,
     {3, 4},
     5000},
    {"configuration save",
     Connected,
     [](Harness& h) {
       GetPortConfig(h.c.exchange, h.c.monitor.status);
       SaveConfigFile(h.c.exchange, h.c.monitor, (h.dir / "saved").string());
     },
     kConfigSave,
     {3, 4},
     500},
    {"default setting",
     Connected,
     [](Harness& h) {
       FactSetYes(h.c.exchange, h.c.monitor, h.c.access, h.c.defaultSetting);
       if (h.c.defaultSetting.DefaultSetDone == 1) RefreshAll(h.c.exchange, h.c.monitor);
     },
     kDefaults + Restart("Reset failure") + kQueries,
     {1, 3, 4, 5},
     12000},
    {"MAC read",
     Connected,
     [](Harness& h) { MacSetShow(h.c.exchange, h.c.macAddress); },
     kMacRead,
     {3, 4},
     500},
    {"MAC set",
     [](Harness& h) {
       h.Connect();
       h.c.macAddress.macSet.Ed_mac = {"00", "11", "22", "AA", "BB", "CC"};
     },
     [](Harness& h) { MacSetOk(h.c.exchange, h.c.macAddress); },
     kMacSet,
     {3, 4},
     500},
    {"surge counter clear",
     Connected,
     [](Harness& h) { ThClearYes(h.c.exchange, h.c.surgeClear); },
     kSurge,
     {3, 4},
     500},
    {"relay",
     [](Harness& h) {
       h.Connect();
       h.c.access.MaintenanceAdmitted = 1;
     },
     [](Harness& h) { RelayOff(h.c); },
     kRelay,
     {3, 4},
     500},
    {"user password change",
     Protected,
     [](Harness& h) { PassSetOk(h.c.exchange, h.c.access, "new", "new"); },
     kPasswordChange,
     {3, 4},
     500,
     // A verdict lost on its way leaves the program with the old password and the switch with
     // the new one: the reconnect is refused until the operator logs in again.
     [](Harness& h) {
       if (h.model.state.userPassword != h.c.access.LoginPassword) h.c.access.LoggedIn = 0;
     }},
    {"log-in",
     [](Harness& h) {
       h.Connect();
       h.model.state.userPassword = "pw";
       h.c.access.NoLoginNeeded = 0;
     },
     [](Harness& h) { PassInOk(h.c.exchange, h.c.access, "pw"); },
     kLogin,
     {1, 3},
     500},
    {"maintenance gate",
     [](Harness& h) {
       h.Connect();
       h.frontend.onMaintenancePassword = [&h] {
         SuperPassInOk(h.c.exchange, h.c.access, "qorplemt");
       };
     },
     [](Harness& h) { MaintenanceGate(h.c.exchange, h.c.access); },
     kMaintenance,
     {3, 4},
     500},
    {"firmware upload",
     [](Harness& h) {
       Protected(h);
       WriteFile(h.dir / "small.hex",
                 ":10000000000102030405060708090A0B0C0D0E0F78\r\n:020000040001F9\r\n"
                 ":04001000AA550102EA\r\n:00000001FF\r\n");
       FwUpdateOpenFile(h.c.exchange, h.c.fwUpdate, (h.dir / "small.hex").string());
     },
     [](Harness& h) { FwUpdateUpload(h.c.exchange, h.c.monitor, h.c.access, h.c.fwUpdate); },
     Upload() + Restart("Reset Failure") + kQueries,
     {1, 3, 4, 5, 6},
     40000,
     // A switch left in its loader is switched off and on; one whose firmware was erased comes
     // back into its loader and is restored from it, as the operator would.
     [](Harness& h) {
       if (h.model.CurrentMode(h.clock.Now()) != sim::SwitchModel::Mode::kLoader) return;
       h.model.PowerCycle(h.clock.Now());
       h.clock.Sleep(h.model.timing.restart);
       if (h.model.loader.firmwareIntact) return;
       ConnectSwitch(h.c.exchange, h.c.monitor, h.c.access);
       FwUpdateUpload(h.c.exchange, h.c.monitor, h.c.access, h.c.fwUpdate);
     }},
};

class FailMatrixTest : public ::testing::TestWithParam<FailSequence> {};

TEST_P(FailMatrixTest, EveryFailingOperationEndsSoundly) {
  const FailSequence& s = GetParam();
  const FailRun clean = RunWithFailure(s, 0);
  ASSERT_TRUE(Violations(s, clean).empty()) << "the clean run: " << Violations(s, clean)[0];
  for (const WrittenRecord& r : clean.records)
    ASSERT_TRUE(r.codeText.empty()) << "the clean run recorded " << r.codeText << r.message;
  for (int n = 1; n <= clean.operations; ++n) {
    const FailRun run = RunWithFailure(s, n);
    ASSERT_EQ(run.failed, n) << "operation " << n << " was not made";
    for (const std::string& v : Violations(s, run))
      ADD_FAILURE() << s.name << ", operation " << n << " of " << clean.operations
                    << " fails: " << v;
  }
}

INSTANTIATE_TEST_SUITE_P(Sequences, FailMatrixTest, ::testing::ValuesIn(kSequences),
                         [](const auto& info) { return CaseName(info.param.name); });

}  // namespace
}  // namespace taviron::test
