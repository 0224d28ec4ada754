#pragma once

#include <array>
#include <string>

#include "link/CommandTable.h"

namespace taviron {

// Commands whose look follows the connection state: the toolbar buttons with their menu items.
enum class Command {
  kConnect,
  kDisconnect,
  kComPortSetting,
  kPort,
  kDefaultSetting,
  kUserPassword,
  kRefresh,
  kReset
};
inline constexpr int kCommandCount = 8;

// A toolbar button's state: enabled, and the index of its picture in the image list (each
// button has an enabled look and a greyed look).
struct CommandLook {
  bool enabled = true;
  int image = -1;
};

// Everything the main window shows; the core fills it, the window draws it.
struct MainView {
  // "Ethernet Switch Information"
  std::string Lb_fw_ver;
  std::string Lb_th_count;
  std::string Lb_fw_state;
  std::string Lb_err_code;
  std::string Lb_err_mes1;
  bool Label6Visible = false;  // the ":" between error code and message
  std::string Lb_relay;
  // "Port Information": speed (or port error) and duplex of ports 1 to 8
  std::array<std::string, kPortCount> Lb_link;
  std::array<std::string, kPortCount> Lb_dup;

  std::string statusText;

  std::array<CommandLook, kCommandCount> commands{};
  bool menuConnect = true;
  bool menuDisconnect = true;
  bool menuComPortSetting = true;
  bool menuView = true;
  bool menuSetting = true;
  bool menuMaintenance = true;
  // Maintenance's items that talk to the running firmware (Clear Surge Counter, Relay ON and
  // OFF, MAC Address), as apart from the menu, which also serves a switch in its ROM loader.
  bool menuFirmwareItems = true;
  bool menuOpen = true;
  bool menuSave = true;
  bool menuEnableGetError = true;
  bool menuDisableGetError = true;
  bool menuAbout = true;  // Help > TAVIRON Version: no layout disables it

  CommandLook& Look(Command c) { return commands[static_cast<std::size_t>(c)]; }
  const CommandLook& Look(Command c) const { return commands[static_cast<std::size_t>(c)]; }
};

}  // namespace taviron
