#include "program/MenuCommands.h"

#include "config/ConfigFile.h"
#include "config/DefaultSetting.h"
#include "config/MacAddress.h"
#include "config/PortSetting.h"
#include "config/SurgeCounterClear.h"
#include "monitor/MainDisplay.h"
#include "program/MenuActions.h"
#include "session/ConnectionLifecycle.h"

namespace taviron {

void RunMenuCommand(Configurator& c, MenuCommand command) {
  switch (command) {
    case MenuCommand::kNone:
    case MenuCommand::kClose:
      return;
    case MenuCommand::kFileOpen:
      return FileOpenCommand(c);
    case MenuCommand::kFileSave:
      return FileSaveCommand(c);
    case MenuCommand::kRefresh:
      return RefreshAndCheck(c);
    case MenuCommand::kPortSetting:
      return PortSettingCommand(c);
    case MenuCommand::kDefaultSetting:
      return DefaultSettingCommand(c);
    case MenuCommand::kUserPassword:
      return UserPasswordCommand(c);
    case MenuCommand::kReset:
      return ResetCommand(c);
    case MenuCommand::kConnect:
      return ConnectSwitch(c);
    case MenuCommand::kDisconnect:
      return DisconnectSwitch(c);
    case MenuCommand::kComPortSetting:
      return ComPortSettingCommand(c);
    case MenuCommand::kEnableGetError:
      return EnableGetError(c);
    case MenuCommand::kDisableGetError:
      return DisableGetError(c);
    case MenuCommand::kFirmwareUpgrade:
      return FirmwareUpgradeCommand(c);
    case MenuCommand::kClearSurgeCounter:
      return SurgeCounterClearCommand(c);
    case MenuCommand::kRelayOn:
      return RelayOn(c);
    case MenuCommand::kRelayOff:
      return RelayOff(c);
    case MenuCommand::kMacAddress:
      return MacAddressCommand(c);
    case MenuCommand::kAbout:
      return AboutCommand(c);
  }
}

}  // namespace taviron
