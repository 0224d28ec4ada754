#pragma once

#include <span>
#include <string>
#include <string_view>

#include "link/CommandTable.h"
#include "views/MainView.h"

namespace taviron {

// The main window as designed, for each front end to draw the same: its caption and size, the
// menus, the toolbar, and the labels of its two group boxes. Places and sizes are pixels at 96
// dots per inch: a box's from the top left of the area below the toolbar, a label's from the
// top left of its box.

inline constexpr std::string_view kMainWindowName = "Form_MainWindow";
inline constexpr std::string_view kMainCaption = "TAVIRON";
inline constexpr int kMainDesignedWidth = 391;
inline constexpr int kMainDesignedHeight = 561;
inline constexpr int kLabelHeight = 17;

// What the operator asks for from the main window's menu and toolbar.
enum class MenuCommand {
  kNone,  // a separator
  kFileOpen,
  kFileSave,
  kClose,
  kRefresh,
  kPortSetting,
  kDefaultSetting,
  kUserPassword,
  kReset,
  kConnect,
  kDisconnect,
  kComPortSetting,
  kEnableGetError,
  kDisableGetError,
  kFirmwareUpgrade,
  kClearSurgeCounter,
  kRelayOn,
  kRelayOff,
  kMacAddress,
  kAbout,
};

// The keys a menu item also answers, as each system spells them (Ctrl+O, Ctrl+S, F5).
enum class Shortcut { kNone, kOpen, kSave, kRefresh };

struct MenuItemDesign {
  std::string_view name;     // N20
  std::string_view caption;  // "&Open": '&' marks the mnemonic; "-" is a separator
  MenuCommand command;
  Shortcut shortcut = Shortcut::kNone;
  // The view's flag that enables the item, or none for an item that is always enabled.
  bool MainView::*enabled = nullptr;
};

struct MenuDesign {
  std::string_view name;
  std::string_view caption;
  std::span<const MenuItemDesign> items;
  bool MainView::*enabled = nullptr;  // the whole menu, or none
};

inline constexpr MenuItemDesign kFileMenu[] = {
    {"N20", "&Open", MenuCommand::kFileOpen, Shortcut::kOpen, &MainView::menuOpen},
    {"N21", "&Save", MenuCommand::kFileSave, Shortcut::kSave, &MainView::menuSave},
    {"N22", "-", MenuCommand::kNone},
    {"N2", "&Close", MenuCommand::kClose},
};
inline constexpr MenuItemDesign kViewMenu[] = {
    {"N4", "&Refresh", MenuCommand::kRefresh, Shortcut::kRefresh},
};
inline constexpr MenuItemDesign kSettingMenu[] = {
    {"N6", "&Port", MenuCommand::kPortSetting},
    {"N7", "&Default Setting", MenuCommand::kDefaultSetting},
    {"N25", "-", MenuCommand::kNone},
    {"N9", "&User Password", MenuCommand::kUserPassword},
    {"N10", "R&eset", MenuCommand::kReset},
};
inline constexpr MenuItemDesign kComPortMenu[] = {
    {"N12", "&Connect", MenuCommand::kConnect, Shortcut::kNone, &MainView::menuConnect},
    {"N13", "&Disconnect", MenuCommand::kDisconnect, Shortcut::kNone, &MainView::menuDisconnect},
    {"N14", "-", MenuCommand::kNone},
    {"N15", "&Setting", MenuCommand::kComPortSetting, Shortcut::kNone,
     &MainView::menuComPortSetting},
};
// The maintenance actions the window as laid out leaves without an item follow the separator.
inline constexpr MenuItemDesign kMaintenanceMenu[] = {
    {"N23", "&Enable Get Error", MenuCommand::kEnableGetError, Shortcut::kNone,
     &MainView::menuEnableGetError},
    {"N24", "&Disable Get Error", MenuCommand::kDisableGetError, Shortcut::kNone,
     &MainView::menuDisableGetError},
    {"", "-", MenuCommand::kNone},
    {"FW1", "&Firmware Upgrade...", MenuCommand::kFirmwareUpgrade},
    {"N17", "&Clear Surge Counter...", MenuCommand::kClearSurgeCounter, Shortcut::kNone,
     &MainView::menuFirmwareItems},
    {"N27", "Relay O&N", MenuCommand::kRelayOn, Shortcut::kNone, &MainView::menuFirmwareItems},
    {"N26", "Relay &OFF", MenuCommand::kRelayOff, Shortcut::kNone, &MainView::menuFirmwareItems},
    {"MAC1", "&MAC Address...", MenuCommand::kMacAddress, Shortcut::kNone,
     &MainView::menuFirmwareItems},
};
inline constexpr MenuItemDesign kHelpMenu[] = {
    {"N19", "&TAVIRON Version", MenuCommand::kAbout},
};

inline constexpr MenuDesign kMainMenu[] = {
    {"N1", "&File", kFileMenu},
    {"N3", "&View", kViewMenu, &MainView::menuView},
    {"N5", "&Setting", kSettingMenu, &MainView::menuSetting},
    {"N11", "&COM Port", kComPortMenu},
    {"N16", "&Maintenance", kMaintenanceMenu, &MainView::menuMaintenance},
    {"N18", "&Help", kHelpMenu},
};

// Whether the menu item of the command can be chosen now: the item and its menu are enabled.
// A shortcut runs its command only then.
bool MenuCommandEnabled(const MainView& view, MenuCommand command);

// The toolbar, left to right: each button with its hint (the tooltip), the image of its enabled
// look, and the command it runs. Its look then follows the view (MainView::commands).
struct ToolButtonDesign {
  Command look;
  int number;  // ToolButton6
  std::string_view hint;
  int image;
  MenuCommand command;
};

inline constexpr ToolButtonDesign kToolbar[] = {
    {Command::kPort, 6, "Port", 50, MenuCommand::kPortSetting},
    {Command::kDefaultSetting, 7, "Default Setting", 48, MenuCommand::kDefaultSetting},
    {Command::kUserPassword, 8, "User Password", 49, MenuCommand::kUserPassword},
    {Command::kConnect, 1, "COM Port Connect", 45, MenuCommand::kConnect},
    {Command::kDisconnect, 2, "COM Port Disconnect", 47, MenuCommand::kDisconnect},
    {Command::kComPortSetting, 3, "COM Port Setting", 60, MenuCommand::kComPortSetting},
    {Command::kRefresh, 4, "Refresh", 46, MenuCommand::kRefresh},
    {Command::kReset, 5, "Reset", 58, MenuCommand::kReset},
};
inline constexpr int kToolButtonWidth = 28;
inline constexpr int kToolImageSize = 24;

// The image list: each button's enabled look and greyed look, by image number.
inline constexpr int kToolImages[] = {45, 46, 47, 48, 49, 50, 51, 52,
                                      53, 54, 55, 56, 57, 58, 59, 60};

struct GroupBoxDesign {
  std::string_view name;
  std::string_view caption;
  int left, top, width, height;
};

enum class TextAlign { kLeft, kCentre };

// A label of a group box: a caption with its fixed text, or a value label whose text is a field
// of the view; a value label says what it shows (`describes`), for a screen reader to name it.
struct LabelDesign {
  std::string_view name = {};
  std::string_view text = {};
  std::string MainView::*value = nullptr;
  std::string_view describes = {};
  int left = 0;
  int top = 0;
  int width = 0;  // 0: as wide as its text
  int height = kLabelHeight;
  TextAlign align = TextAlign::kLeft;
  bool multiLine = false;  // its text may hold a line break; top-aligned
  bool hidden = false;     // hidden until the view shows it
};

inline constexpr GroupBoxDesign kInformationBox{
    "GroupBox1", "Ethernet Switch Information", 40, 16, 305, 151};
inline constexpr GroupBoxDesign kPortBox{"GroupBox2", "Port Information", 40, 184, 305, 241};

// "Ethernet Switch Information", each caption before the value it names. Label6, the ":"
// between error code and message, shows exactly when the view says so (Label6Visible).
inline constexpr LabelDesign kInformationLabels[] = {
    {.name = "Label1", .text = "Switch Version", .left = 24, .top = 24},
    {.name = "Lb_fw_ver",
     .value = &MainView::Lb_fw_ver,
     .describes = "Switch Version",
     .left = 144,
     .top = 24,
     .width = 150},
    {.name = "Label2", .text = "Discharge Element", .left = 24, .top = 52},
    {.name = "Lb_th_count",
     .value = &MainView::Lb_th_count,
     .describes = "Discharge Element",
     .left = 144,
     .top = 52,
     .width = 150},
    {.name = "Label3", .text = "Switch Status", .left = 24, .top = 80},
    {.name = "Lb_fw_state",
     .value = &MainView::Lb_fw_state,
     .describes = "Switch Status",
     .left = 144,
     .top = 80,
     .width = 150},
    {.name = "Lb_err_code",
     .value = &MainView::Lb_err_code,
     .describes = "Error code",
     .left = 88,
     .top = 96,
     .width = 54},
    {.name = "Label6", .text = ":", .left = 144, .top = 96, .width = 12, .hidden = true},
    {.name = "Lb_err_mes1",
     .value = &MainView::Lb_err_mes1,
     .describes = "Error message",
     .left = 160,
     .top = 96,
     .width = 140,
     .height = 30,
     .multiLine = true},
    {.name = "Label4", .text = "Relay Status", .left = 24, .top = 126},
    {.name = "Lb_relay",
     .value = &MainView::Lb_relay,
     .describes = "Relay Status",
     .left = 144,
     .top = 126,
     .width = 150},
};

// "Port Information": the column headings, then per port its row label, speed and duplex.
inline constexpr LabelDesign kPortHeadings[] = {
    {.name = "Label7", .text = "Port", .left = 32, .top = 24},
    {.name = "Label8", .text = "Speed", .left = 112, .top = 24},
    {.name = "Label9", .text = "Duplex", .left = 200, .top = 24},
};
inline constexpr int kPortRowTops[kPortCount] = {49, 71, 93, 115, 138, 160, 184, 208};
inline constexpr int kPortRowLeft = 32;
inline constexpr int kPortSpeedLeft = 56;
inline constexpr int kPortSpeedWidth = 145;
inline constexpr int kPortDuplexLeft = 204;
inline constexpr int kPortDuplexWidth = 63;

// The labels of port n (1 to 8): its row caption "#n", speed and duplex, and what each shows.
inline std::string PortRowText(int n) {
  return "#" + std::to_string(n);
}
inline std::string PortRowName(int n) {
  return "LabelPort" + std::to_string(n);
}
inline std::string PortSpeedName(int n) {
  return "Lb_link" + std::to_string(n);
}
inline std::string PortDuplexName(int n) {
  return "Lb_dup" + std::to_string(n);
}
inline std::string PortSpeedDescribes(int n) {
  return "Port #" + std::to_string(n) + " speed";
}
inline std::string PortDuplexDescribes(int n) {
  return "Port #" + std::to_string(n) + " duplex";
}

}  // namespace taviron
