#include "program/MenuCommands.h"

#include "program/MenuActions.h"

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
      return RefreshCommand(c);
    case MenuCommand::kPortSetting:
      return PortSettingCommand(c);
    case MenuCommand::kDefaultSetting:
      return DefaultSettingCommand(c);
    case MenuCommand::kUserPassword:
      return UserPasswordCommand(c);
    case MenuCommand::kReset:
      return ResetCommand(c);
    case MenuCommand::kConnect:
      return ConnectCommand(c);
    case MenuCommand::kDisconnect:
      return DisconnectCommand(c);
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
