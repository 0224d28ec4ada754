#pragma once

#include <string_view>

#include "views/AccessibleNames.h"
#include "views/FormDesign.h"
#include "views/PasswordWindows.h"

namespace taviron {

// The program's dialogs as designed. The texts that change while a dialog is open (prompts,
// status lines, progress) are the core's, in the dialog's view; these are the fixed ones.

// --- The user password windows Tpass_in and Tpass_in2, and the maintenance password window.

inline constexpr ControlDesign kPassInPrompt[] = {{.name = "Label1", .width = 240}};
inline constexpr ControlDesign kPassInStatus[] = {{.name = "Label6"}};
inline constexpr ControlDesign kPassInEntry[] = {{.kind = ControlKind::kPassword,
                                                  .name = "Ed_pass",
                                                  .accessibleName = "Password",
                                                  .maxLength = kPasswordMaxLength}};
inline constexpr ControlDesign kPassInButtons[] = {
    {.kind = ControlKind::kButton, .name = "Button_ok", .text = "OK", .isDefault = true},
    {.kind = ControlKind::kButton, .name = "Button_cansel", .text = "Cancel"},
    {.kind = ControlKind::kButton, .name = "Button_ngok", .text = "OK", .hidden = true},
};
inline constexpr FormRow kPassInRows[] = {
    {kPassInPrompt}, {kPassInStatus}, {kPassInEntry}, {kPassInButtons, RowKind::kButtons}};
inline constexpr FormDesign kPassInForm{"pass_in", "Tpass_in", "Enter Password", kPassInRows};

inline constexpr ControlDesign kPassIn2Status[] = {{.name = "Label2"}};
inline constexpr ControlDesign kPassIn2Entry[] = {{.kind = ControlKind::kPassword,
                                                   .name = "Ed_pass2",
                                                   .accessibleName = "Password",
                                                   .maxLength = kPasswordMaxLength}};
inline constexpr ControlDesign kPassIn2Buttons[] = {
    {.kind = ControlKind::kButton, .name = "Button_ok", .text = "OK", .isDefault = true},
    {.kind = ControlKind::kButton, .name = "Button_cansel", .text = "Cancel"},
    {.kind = ControlKind::kButton, .name = "Button_ngok2", .text = "OK", .hidden = true},
};
inline constexpr FormRow kPassIn2Rows[] = {
    {kPassInPrompt}, {kPassIn2Status}, {kPassIn2Entry}, {kPassIn2Buttons, RowKind::kButtons}};
inline constexpr FormDesign kPassIn2Form{"pass_in2", "Tpass_in2", "Enter Password", kPassIn2Rows};

inline constexpr ControlDesign kSuperPassInPrompt[] = {{.name = "Label1", .width = 260}};
inline constexpr ControlDesign kSuperPassInStatus[] = {{.name = "Label6"}};
inline constexpr ControlDesign kSuperPassInEntry[] = {{.kind = ControlKind::kPassword,
                                                       .name = "Ed_pass",
                                                       .accessibleName = "Maintenance password",
                                                       .maxLength = kPasswordMaxLength}};
inline constexpr ControlDesign kOkCancel[] = {
    {.kind = ControlKind::kButton, .name = "Button_ok", .text = "OK", .isDefault = true},
    {.kind = ControlKind::kButton, .name = "Button_cansel", .text = "Cancel"},
};
inline constexpr FormRow kSuperPassInRows[] = {{kSuperPassInPrompt},
                                               {kSuperPassInStatus},
                                               {kSuperPassInEntry},
                                               {kOkCancel, RowKind::kButtons}};
inline constexpr FormDesign kSuperPassInForm{"super_pass_in", "Tsuper_pass_in",
                                             "Enter Maintenance Password", kSuperPassInRows};

// --- Change User Password (Tpass_set).

inline constexpr ControlDesign kPassSetLabel3[] = {
    {.name = "Label3", .text = "Enter new password."}};
inline constexpr ControlDesign kPassSetLabel4[] = {{.name = "Label4", .text = "(0-8 Characters)"}};
inline constexpr ControlDesign kPassSetFirst[] = {{.kind = ControlKind::kPassword,
                                                   .name = "Ed_pass1",
                                                   .accessibleName = "New password",
                                                   .maxLength = kUserPasswordMaxLength}};
inline constexpr ControlDesign kPassSetLabel6[] = {
    {.name = "Label6", .text = "Please retype the password."}};
inline constexpr ControlDesign kPassSetSecond[] = {{.kind = ControlKind::kPassword,
                                                    .name = "Ed_pass2",
                                                    .accessibleName = "New password again",
                                                    .maxLength = kUserPasswordMaxLength}};
inline constexpr ControlDesign kPassSetButtons[] = {
    {.kind = ControlKind::kButton, .name = "Button_ok", .text = "&Change", .isDefault = true},
    {.kind = ControlKind::kButton, .name = "Button_cansel", .text = "Cancel"},
};
inline constexpr FormRow kPassSetRows[] = {{kPassSetLabel3}, {kPassSetLabel4},
                                           {kPassSetFirst},  {kPassSetLabel6},
                                           {kPassSetSecond}, {kPassSetButtons, RowKind::kButtons}};
inline constexpr FormDesign kPassSetForm{"pass_set", "Tpass_set", "Change User Password",
                                         kPassSetRows};

// --- Port Setting (Tport_set): a list per port, its items in the order of the display codes.

inline constexpr std::string_view kPortModeItems[] = {"10Mbps/half",  "10Mbps/full", "100Mbps/half",
                                                      "100Mbps/full", "Auto",        "Disable"};

inline constexpr ControlDesign kPortSetHeadings[] = {{.name = "Label1", .text = "Port No"},
                                                     {.name = "Label2", .text = "Speed/Duplex"}};
#define TAVIRON_PORT_ROW(n)                                                                     \
  {.name = "LabelPort" #n, .text = "#" #n}, {                                                   \
    .kind = ControlKind::kList, .name = "Cmb_port" #n, .accessibleName = kPortListNames[n - 1], \
    .width = 140, .items = kPortModeItems                                                       \
  }
inline constexpr ControlDesign kPortSetRow1[] = {TAVIRON_PORT_ROW(1)};
inline constexpr ControlDesign kPortSetRow2[] = {TAVIRON_PORT_ROW(2)};
inline constexpr ControlDesign kPortSetRow3[] = {TAVIRON_PORT_ROW(3)};
inline constexpr ControlDesign kPortSetRow4[] = {TAVIRON_PORT_ROW(4)};
inline constexpr ControlDesign kPortSetRow5[] = {TAVIRON_PORT_ROW(5)};
inline constexpr ControlDesign kPortSetRow6[] = {TAVIRON_PORT_ROW(6)};
inline constexpr ControlDesign kPortSetRow7[] = {TAVIRON_PORT_ROW(7)};
inline constexpr ControlDesign kPortSetRow8[] = {TAVIRON_PORT_ROW(8)};
#undef TAVIRON_PORT_ROW
inline constexpr ControlDesign kPortSetButtons[] = {
    {.kind = ControlKind::kButton, .name = "Button_ok", .text = "&Setting", .isDefault = true},
    {.kind = ControlKind::kButton, .name = "Button_cancel", .text = "Cancel"},
};
inline constexpr FormRow kPortSetRows[] = {
    {kPortSetHeadings}, {kPortSetRow1},
    {kPortSetRow2},     {kPortSetRow3},
    {kPortSetRow4},     {kPortSetRow5},
    {kPortSetRow6},     {kPortSetRow7},
    {kPortSetRow8},     {kPortSetButtons, RowKind::kButtons}};
inline constexpr FormDesign kPortSetForm{.name = "port_set",
                                         .windowClass = "Tport_set",
                                         .caption = "Port Setting",
                                         .rows = kPortSetRows,
                                         .grid = true};

// --- Default Setting (Tfact_set): its question and status line are the core's.

inline constexpr ControlDesign kFactSetQuestion[] = {{.name = "Label1", .width = 260}};
inline constexpr ControlDesign kFactSetStatus[] = {{.name = "Label4", .height = 20}};
inline constexpr ControlDesign kYesNo[] = {
    {.kind = ControlKind::kButton, .name = "Button_ok", .text = "&Yes", .isDefault = true},
    {.kind = ControlKind::kButton, .name = "Button_cancel", .text = "&No"},
};
inline constexpr FormRow kFactSetRows[] = {
    {kFactSetQuestion}, {kFactSetStatus}, {kYesNo, RowKind::kCentredButtons}};
inline constexpr FormDesign kFactSetForm{"fact_set", "Tfact_set", "Default Setting", kFactSetRows};

// --- COM Port Setting (Tserial_set): the COM names, then the device the chosen one leads to.

inline constexpr ControlDesign kSerialSetPort[] = {{.name = "Label1", .text = "COM &Port"},
                                                   {.kind = ControlKind::kList,
                                                    .name = "ComboBox1",
                                                    .accessibleName = kComPortListName,
                                                    .stretch = true}};
inline constexpr ControlDesign kSerialSetDevice[] = {{.name = "Label2", .text = "&Device"},
                                                     {.kind = ControlKind::kList,
                                                      .name = "Cmb_device",
                                                      .accessibleName = kComDeviceListName,
                                                      .stretch = true}};
inline constexpr ControlDesign kSerialSetButtons[] = {
    {.kind = ControlKind::kButton, .name = "Button_ok", .text = "C&hange", .isDefault = true},
    {.kind = ControlKind::kButton, .name = "Button_cansel", .text = "Cancel"},
};
inline constexpr FormRow kSerialSetRows[] = {
    {kSerialSetPort}, {kSerialSetDevice}, {kSerialSetButtons, RowKind::kButtons}};
inline constexpr FormDesign kSerialSetForm{.name = "serial_set",
                                           .windowClass = "Tserial_set",
                                           .caption = "COM Port Setting",
                                           .rows = kSerialSetRows,
                                           .grid = true};

// --- Clear Surge Counter (Tth_clear).

inline constexpr ControlDesign kThClearLine1[] = {
    {.name = "Label1", .text = "The Surge counter will reset back to 0."}};
inline constexpr ControlDesign kThClearLine2[] = {{.name = "Label2", .text = "Is that OK?"}};
inline constexpr FormRow kThClearRows[] = {
    {kThClearLine1}, {kThClearLine2}, {kYesNo, RowKind::kCentredButtons}};
inline constexpr FormDesign kThClearForm{"th_clear", "Tth_clear", "Clear Surge Counter",
                                         kThClearRows};

// --- The About box (TAboutBox).

inline constexpr ControlDesign kAboutProductName[] = {{.name = "ProductName"}};
inline constexpr ControlDesign kAboutLine1[] = {
    {.name = "Label1", .text = "8-Port Ethernet Switch (with surge protector)"}};
inline constexpr ControlDesign kAboutLine2[] = {{.name = "Label2", .text = "PC Configurator"}};
inline constexpr ControlDesign kAboutVersion[] = {{.name = "Version", .text = "TAVIRON Ver. 1.09"}};
inline constexpr ControlDesign kAboutCopyright[] = {{.name = "Copyright"}};
inline constexpr ControlDesign kAboutComments[] = {{.name = "Comments"}};
inline constexpr ControlDesign kAboutButtons[] = {
    {.kind = ControlKind::kButton, .name = "OKButton", .text = "OK", .isDefault = true}};
inline constexpr FormRow kAboutRows[] = {{kAboutProductName},
                                         {kAboutLine1},
                                         {kAboutLine2},
                                         {kAboutVersion},
                                         {kAboutCopyright},
                                         {kAboutComments},
                                         {kAboutButtons, RowKind::kCentredButtons}};
inline constexpr FormDesign kAboutForm{.name = "AboutBox",
                                       .windowClass = "TAboutBox",
                                       .caption = "About TAVIRON",
                                       .rows = kAboutRows,
                                       .programIcon = true};

// --- MAC Address Setting (Tmac_set): six boxes of two characters; only the first turns what
// is typed into capitals.

inline constexpr ControlDesign kMacSetLabel[] = {{.name = "Label1", .text = "Input MAC Address"}};
#define TAVIRON_MAC_BOX(n)                                                         \
  {                                                                                \
    .kind = ControlKind::kEdit, .name = "Ed_mac" #n,                               \
    .accessibleName = "MAC address, pair " #n " of 6", .maxLength = 2, .width = 32 \
  }
inline constexpr ControlDesign kMacSetBoxes[] = {
    {.kind = ControlKind::kEdit,
     .name = "Ed_mac1",
     .accessibleName = "MAC address, pair 1 of 6",
     .maxLength = 2,
     .width = 32,
     .upperCase = true},
    {.name = "Label_dash1", .text = "-"},
    TAVIRON_MAC_BOX(2),
    {.name = "Label_dash2", .text = "-"},
    TAVIRON_MAC_BOX(3),
    {.name = "Label_dash3", .text = "-"},
    TAVIRON_MAC_BOX(4),
    {.name = "Label_dash4", .text = "-"},
    TAVIRON_MAC_BOX(5),
    {.name = "Label_dash5", .text = "-"},
    TAVIRON_MAC_BOX(6),
};
#undef TAVIRON_MAC_BOX
inline constexpr ControlDesign kMacSetButtons[] = {
    {.kind = ControlKind::kButton, .name = "Button_ok", .text = "&Set", .isDefault = true},
    {.kind = ControlKind::kButton, .name = "Button_cancel", .text = "Cancel"},
};
inline constexpr FormRow kMacSetRows[] = {
    {kMacSetLabel}, {kMacSetBoxes}, {kMacSetButtons, RowKind::kButtons}};
inline constexpr FormDesign kMacSetForm{"mac_set", "Tmac_set", "MAC Address Setting", kMacSetRows};

// --- Firmware Upgrade (Tfw_update): no close box; it closes through its buttons only.

inline constexpr int kFirmwareProgressMaximum = 4096;

inline constexpr ControlDesign kFwUpdateFile[] = {
    {.name = "Label1", .text = "File Name"},
    {.kind = ControlKind::kEdit,
     .name = "Ed_file",
     .accessibleName = "Firmware file",
     .width = 300,
     .stretch = true},
    {.kind = ControlKind::kButton, .name = "hexfile_open", .text = "Open(&O)..."},
};
inline constexpr ControlDesign kFwUpdateProgress[] = {
    {.kind = ControlKind::kProgress,
     .name = "ProgressBar1",
     .accessibleName = kUploadProgressName,
     .stretch = true},
    {.name = "Lb_per", .width = 30, .align = Alignment::kRight},
    {.name = "Label4", .text = "%"},
};
inline constexpr ControlDesign kFwUpdateStatus[] = {{.name = "Lb_update", .height = 20}};
inline constexpr ControlDesign kFwUpdateButtons[] = {
    {.kind = ControlKind::kButton, .name = "Button_ok", .text = "&Upload"},
    {.kind = ControlKind::kButton, .name = "Button_cancel", .text = "Cancel"},
    {.kind = ControlKind::kButton, .name = "Button2", .text = "&Close"},
};
inline constexpr FormRow kFwUpdateRows[] = {
    {kFwUpdateFile}, {kFwUpdateProgress}, {kFwUpdateStatus}, {kFwUpdateButtons, RowKind::kButtons}};
inline constexpr FormDesign kFwUpdateForm{.name = "fw_update",
                                          .windowClass = "Tfw_update",
                                          .caption = "Firmware Upgrade",
                                          .rows = kFwUpdateRows,
                                          .closeBox = false};

}  // namespace taviron
