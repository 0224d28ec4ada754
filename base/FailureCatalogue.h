#pragma once

#include "base/Failure.h"
#include "base/PasswordText.h"

namespace taviron::failure {

// Every failure point of the program, written once: the code, what the operator is shown, what
// the log keeps, and how it counts. A code names a kind of failure point, not one place: the
// same code can stand for several entries, each with its own texts.

// Start-up and shutdown.
inline constexpr Failure kLogNotWritable{
    0, "Failed to write the error log file.", "Writing Error", "", false, FailureKind::kFile};
inline constexpr Failure kStartupPortOpen{
    10230701, "Failed to Open COM port.", "TAVIRON starting failed", "Failed to Open COM port.\r\n",
    false,    FailureKind::kLink};
inline constexpr Failure kStartupProbeNotSent{
    10230803, "Failed to start TAVIRON.", "TAVIRON starting failed", "Failed to start TAVIRON.\r\n",
    false,    FailureKind::kLink};
inline constexpr Failure kStartupNoReply{
    10230804, "Failed to start TAVIRON.", "TAVIRON starting failed", "Failed to start TAVIRON.\r\n",
    false,    FailureKind::kLink};
inline constexpr Failure kStartupNoBracket{
    10230805, "Failed to start TAVIRON.", "TAVIRON starting failed", "Failed to start TAVIRON.\r\n",
    false,    FailureKind::kLink};
inline constexpr Failure kStartupBadMode{
    10230806, "", "", "Failed to start TAVIRON.\r\n", false, FailureKind::kLink};
inline constexpr Failure kSettingsNotWritable{
    0, "Failed to write INI file.", "Writing Error", "", false, FailureKind::kFile};

// Connect.
inline constexpr Failure kConnectProbeNotSent{10230911,
                                              "Failed to reconnect.",
                                              "Reconnect Error",
                                              "Failed to reconnect.\r\n",
                                              true,
                                              FailureKind::kLink,
                                              BoxOrder::kBetweenCodeAndMessage};
inline constexpr Failure kConnectNoReply{10230912,
                                         "Failed to reconnect.",
                                         "Reconnect Error",
                                         "Failed to reconnect.\r\n",
                                         true,
                                         FailureKind::kLink,
                                         BoxOrder::kBetweenCodeAndMessage};
inline constexpr Failure kConnectNoBracket{10230913,
                                           "Failed to reconnect.",
                                           "Reconnect Error",
                                           "Failed to reconnect.\r\n",
                                           true,
                                           FailureKind::kLink,
                                           BoxOrder::kBetweenCodeAndMessage};
inline constexpr Failure kConnectBadMode{10230914,
                                         "Failed to reconnect.",
                                         "Reconnect Error",
                                         "Failed to reconnect.\r\n",
                                         true,
                                         FailureKind::kLink,
                                         BoxOrder::kBetweenCodeAndMessage};
inline constexpr Failure kConnectPasswordNotSent{10230914,
                                                 "Failed to reconnect.",
                                                 "Reconnect Error",
                                                 "Failed to reconnect.\r\n",
                                                 true,
                                                 FailureKind::kLink,
                                                 BoxOrder::kBetweenCodeAndMessage};
inline constexpr Failure kConnectPasswordNoReply{10230915,
                                                 "Failed to reconnect.",
                                                 "Reconnect Error",
                                                 "Failed to reconnect.\r\n",
                                                 true,
                                                 FailureKind::kLink,
                                                 BoxOrder::kBetweenCodeAndMessage};
inline constexpr Failure kConnectPasswordRefused{10230916,
                                                 "Failed to reconnect.",
                                                 "Reconnect Error",
                                                 "Failed to reconnect.\r\n",
                                                 true,
                                                 FailureKind::kRefused,
                                                 BoxOrder::kBetweenCodeAndMessage};

// Reset, and the reconnect after it.
inline constexpr Failure kResetPortOpen{
    10230901, "Failed to reset.", "Reset failure", "Failed to reset.(COM Port Open Error)\r\n",
    false,    FailureKind::kLink};
inline constexpr Failure kResetProbeNotSent{10230911,
                                            "Failed to reset.",
                                            "Reset failure",
                                            "Failed to reset.(CLI Starting Error)",
                                            true,
                                            FailureKind::kLink,
                                            BoxOrder::kBetweenCodeAndMessage};
inline constexpr Failure kResetNoReply{10230912,
                                       "Failed to reset.",
                                       "Reset failure",
                                       "Failed to reset.(CLI Starting Error)",
                                       true,
                                       FailureKind::kLink,
                                       BoxOrder::kBetweenCodeAndMessage};
inline constexpr Failure kResetNoBracket{10230913,
                                         "Failed to reset.",
                                         "Reset failure",
                                         "Failed to reset.(CLI Starting Error)",
                                         true,
                                         FailureKind::kLink,
                                         BoxOrder::kBetweenCodeAndMessage};
inline constexpr Failure kResetBadMode{10230914,
                                       "Failed to reset.",
                                       "Reset failure",
                                       "Failed to reset.(CLI Starting Error)",
                                       true,
                                       FailureKind::kLink,
                                       BoxOrder::kBetweenCodeAndMessage};
inline constexpr Failure kResetPasswordNotSent{10230914,
                                               "Failed to reset.",
                                               "Reset failure",
                                               "Failed to reset.(CLI Starting Error)",
                                               true,
                                               FailureKind::kLink,
                                               BoxOrder::kBetweenCodeAndMessage};
inline constexpr Failure kResetPasswordNoReply{10230915,
                                               "Failed to reset.",
                                               "Reset failure",
                                               "Failed to reset.(CLI Starting Error)",
                                               true,
                                               FailureKind::kLink,
                                               BoxOrder::kBetweenCodeAndMessage};
inline constexpr Failure kResetPasswordRefused{10230916,
                                               "Failed to reset.",
                                               "Reset failure",
                                               "Failed to reset.(CLI Starting Error)",
                                               true,
                                               FailureKind::kRefused,
                                               BoxOrder::kBetweenCodeAndMessage};

// The reconnect after a firmware upgrade: its own caption and password codes.
inline constexpr Failure kUpgradeReconnectPortOpen{
    10230901, "Failed to reset.", "Reset Failure", "Failed to reset.(COM Port Open Error)\r\n",
    false,    FailureKind::kLink};
inline constexpr Failure kUpgradeReconnectProbeNotSent{10230911,
                                                       "Failed to reset.",
                                                       "Reset Failure",
                                                       "Failed to reset.(CLI Starting Error)",
                                                       true,
                                                       FailureKind::kLink,
                                                       BoxOrder::kBetweenCodeAndMessage};
inline constexpr Failure kUpgradeReconnectNoReply{10230912,
                                                  "Failed to reset.",
                                                  "Reset Failure",
                                                  "Failed to reset.(CLI Starting Error)",
                                                  true,
                                                  FailureKind::kLink,
                                                  BoxOrder::kBetweenCodeAndMessage};
inline constexpr Failure kUpgradeReconnectNoBracket{10230913,
                                                    "Failed to reset.",
                                                    "Reset Failure",
                                                    "Failed to reset.(CLI Starting Error)",
                                                    true,
                                                    FailureKind::kLink,
                                                    BoxOrder::kBetweenCodeAndMessage};
inline constexpr Failure kUpgradeReconnectBadMode{10230914,
                                                  "Failed to reset.",
                                                  "Reset Failure",
                                                  "Failed to reset.(CLI Starting Error)",
                                                  true,
                                                  FailureKind::kLink,
                                                  BoxOrder::kBetweenCodeAndMessage};
inline constexpr Failure kUpgradeReconnectPasswordNotSent{10230913,
                                                          "Failed to reset.",
                                                          "Reset Failure",
                                                          "Failed to reset.(CLI Starting Error)",
                                                          true,
                                                          FailureKind::kLink,
                                                          BoxOrder::kBetweenCodeAndMessage};
inline constexpr Failure kUpgradeReconnectPasswordNoReply{10230914,
                                                          "Failed to reset.",
                                                          "Reset Failure",
                                                          "Failed to reset.(CLI Starting Error)",
                                                          true,
                                                          FailureKind::kLink,
                                                          BoxOrder::kBetweenCodeAndMessage};
inline constexpr Failure kUpgradeReconnectPasswordRefused{10230915,
                                                          "Failed to reset.",
                                                          "Reset Failure",
                                                          "Failed to reset.(CLI Starting Error)",
                                                          true,
                                                          FailureKind::kRefused,
                                                          BoxOrder::kBetweenCodeAndMessage};

// Status queries: logged only.
inline constexpr Failure kFwVersionNotSent{
    10230101, "", "", "Failed to obtain the Firmware version.", true, FailureKind::kLink};
inline constexpr Failure kFwVersionNoReply{
    10230102, "", "", "Failed to obtain the Firmware version.", true, FailureKind::kLink};
inline constexpr Failure kFwVersionNoBracket{
    10230103, "", "", "Failed to obtain the Firmware version.", true, FailureKind::kLink};
inline constexpr Failure kFwVersionUnknown{
    10230104, "", "", "Failed to obtain the Firmware version.", true, FailureKind::kLink};
inline constexpr Failure kDischargeNotSent{
    10230511,          "", "", "Failed to obtain the discharge elemet information.", true,
    FailureKind::kLink};
inline constexpr Failure kDischargeNoReply{
    10230512,          "", "", "Failed to obtain the discharge elemet information.", true,
    FailureKind::kLink};
inline constexpr Failure kDischargeNoBracket{
    10000106, "",
    "",       "Failed to obtain the discharge elemet information.(Hardware Error)\r\n",
    false,    FailureKind::kRefused};
inline constexpr Failure kDischargeBroken{
    10000107, "",
    "",       "Failed to obtain the discharge elemet information.(Hardware Error)\r\n",
    false,    FailureKind::kRefused};
inline constexpr Failure kRelayGetNotSent{
    10230521, "", "", "Failed to obtain the relay status.", true, FailureKind::kLink};
inline constexpr Failure kRelayGetNoReply{
    10230522, "", "", "Failed to obtain the relay status.", true, FailureKind::kLink};
inline constexpr Failure kRelayGetNoBracket{
    10230523, "", "", "Failed to obtain the relay status.", true, FailureKind::kLink};
inline constexpr Failure kRelaySetNotSent{
    10230531, "", "", "Failed to set the relay status.", true, FailureKind::kLink};
inline constexpr Failure kRelaySetNoReply{
    10230532, "", "", "Failed to set the relay status.", true, FailureKind::kLink};
inline constexpr Failure kFwErrorNotSent{
    10230741, "", "", "Failed to obtain the Firmware error.", true, FailureKind::kLink};
inline constexpr Failure kFwErrorNoReply{
    10230742, "", "", "Failed to obtain the Firmware error.", true, FailureKind::kLink};
inline constexpr Failure kFwErrorNoBracket{
    10230743, "", "", "Failed to obtain the Firmware error.", true, FailureKind::kLink};
inline constexpr Failure kPortErrorsNotSent{
    10230731, "", "", "Failed to obtain the port error.", true, FailureKind::kLink};
inline constexpr Failure kPortErrorsNoReply{
    10230732, "", "", "Failed to obtain the port error.", true, FailureKind::kLink};
inline constexpr Failure kPortConfigNotSent{
    10230721, "", "", "Failed to obtain the port configuration.", true, FailureKind::kLink};
inline constexpr Failure kPortConfigNoReply{
    10230722, "", "", "Failed to obtain the port configuration.", true, FailureKind::kLink};

// The main window: the port setting never obtained.
inline constexpr Failure kPortSettingUnknownOnActivate{
    10000120,
    "Failed to obtain the port setting.",
    "Port Configuration acquisition Error",
    "Failed to obtain the port setting.(Hardware Error)\r\n",
    false,
    FailureKind::kRefused};
inline constexpr Failure kPortSettingUnknownOnRefresh{
    10000121,
    "Failed to obtain the port setting.",
    "Port Configuration acquisition Error",
    "Failed to obtain the port setting.(Hardware Error)\r\n",
    false,
    FailureKind::kRefused};

// Log-in and maintenance password.
inline constexpr Failure kLoginFailed{
    10230801, "", "", "Failed to Start TAVIRON\r\n", false, FailureKind::kLink};
inline constexpr Failure kMaintenanceWrong{
    10110904, "", "", "Failed to enter maintenance password.\r\n", false, FailureKind::kRefused};
inline constexpr Failure kMaintenanceNotSent{10110901,
                                             "Failed to send maintenance password.",
                                             "Maintenance Password Setting Error",
                                             "Failed to send maintenance password.",
                                             true,
                                             FailureKind::kLink};
inline constexpr Failure kMaintenanceNoReply{10110902,
                                             "Failed to receive maintenance password response.",
                                             "Maintenance Password Setting Error",
                                             "Failed to receive maintenance password response.",
                                             true,
                                             FailureKind::kLink};
inline constexpr Failure kMaintenanceNotConfirmed{10110903,
                                                  "Failed to set maintenance password.",
                                                  "Maintenance Password Setting Error",
                                                  "Failed to set maintenance password.",
                                                  true,
                                                  FailureKind::kRefused};
inline constexpr Failure kPasswordControlCharacters{
    0, kControlCharactersRefused, "User Password Changing Error", "", false, FailureKind::kInput};
inline constexpr Failure kPasswordChangeRefused{
    10230401,
    "User password is incorrect.\r\nPlease retype the user password.",
    "User Password Changing Error",
    "Failed to set the user password.",
    true,
    FailureKind::kRefused};

// Port setting and configuration files.
inline constexpr Failure kPortSetNotSent{
    10230201, "", "", "Failed to set the port setting", true, FailureKind::kLink};
inline constexpr Failure kPortSetNoReply{
    10230202, "", "", "Failed to set the port setting", true, FailureKind::kLink};
inline constexpr Failure kPortSetRefused{10230203,
                                         "Setting the port configuration was not successful.",
                                         "Setting Error",
                                         "Failed to set the port setting.",
                                         true,
                                         FailureKind::kRefused};
inline constexpr Failure kConfigOpenFailed{10110128,
                                           "Failed to open the file.",
                                           "File Open Error",
                                           "Failed to open the Configration file.\r\n",
                                           false,
                                           FailureKind::kFile};
inline constexpr Failure kConfigNoEquals{10110129,
                                         "Configuration file is incorrect.",
                                         "Configuration Error",
                                         "Configuration file is incorrect.\r\n",
                                         false,
                                         FailureKind::kFile};
inline constexpr Failure kConfigBadValue{10110130,
                                         "Configuration file is incorrect.",
                                         "Configuration Error",
                                         "Configuration file is incorrect.\r\n",
                                         false,
                                         FailureKind::kFile};
inline constexpr Failure kConfigLineCount{10110131,
                                          "Configuration file is incorrect.",
                                          "Configuration Error",
                                          "Configuration file is incorrect.\r\n",
                                          false,
                                          FailureKind::kFile};
inline constexpr Failure kConfigNotSet{10230132,
                                       "Failed to set the configuration.",
                                       "Configuration Error",
                                       "Setting Configuration Failure",
                                       true,
                                       FailureKind::kLink};
inline constexpr Failure kConfigSaveFailed{10110133,
                                           "Failed to save the file.",
                                           "File Saving Error",
                                           "Failed to save the configuration file.\r\n",
                                           false,
                                           FailureKind::kFile};

// Default setting.
inline constexpr Failure kDefaultNotSent{10230301,
                                         "Failed to set the default setting.",
                                         "Setting Error",
                                         "Failed to set the default setting.",
                                         true,
                                         FailureKind::kLink,
                                         BoxOrder::kBetweenCodeAndMessage};
inline constexpr Failure kDefaultNoReply{10230302,
                                         "Failed to set the default setting.",
                                         "Setting Error",
                                         "Failed to set the default setting.",
                                         true,
                                         FailureKind::kLink,
                                         BoxOrder::kBetweenCodeAndMessage};
inline constexpr Failure kDefaultRefused{10230303,
                                         "Failed to set the default setting.",
                                         "Setting Error",
                                         "Failed to set the default setting.",
                                         true,
                                         FailureKind::kRefused,
                                         BoxOrder::kBetweenCodeAndMessage};

// MAC address.
inline constexpr Failure kMacReadNotSent{10230301,          "", "", "MAC Address Error", true,
                                         FailureKind::kLink};
inline constexpr Failure kMacReadNoReply{10230302,          "", "", "MAC Address Error", true,
                                         FailureKind::kLink};
inline constexpr Failure kMacNotTwoCharacters{10110303,        "Uncorrectable MAC Address",
                                              "Setting Error", "Uncorrectable MAC Address\r\n",
                                              false,           FailureKind::kInput};
inline constexpr Failure kMacBadCharacter{10110304,        "Uncorrectable MAC Address",
                                          "Setting Error", "Uncorrectable MAC Address\r\n",
                                          false,           FailureKind::kInput};
inline constexpr Failure kMacSetNotSent{10230305,
                                        "MAC address setting failed",
                                        "Setting Error",
                                        "MAC address setting failed",
                                        true,
                                        FailureKind::kLink};
inline constexpr Failure kMacSetNoReply{10230306,
                                        "MAC address setting failed",
                                        "Setting Error",
                                        "MAC address setting failed",
                                        true,
                                        FailureKind::kLink};
inline constexpr Failure kMacRefused{
    10000307,        "MAC address setting failed",
    "Setting Error", "MAC address setting failed(Hardware error)\r\n",
    false,           FailureKind::kRefused};

// Surge counter clear.
inline constexpr Failure kSurgeClearNotSent{10230501,
                                            "Failed to send Clear command.",
                                            "Discharge Element: Clearing Failure",
                                            "Failed to send Clear command.",
                                            true,
                                            FailureKind::kLink};
inline constexpr Failure kSurgeClearNoReply{10230502,
                                            "Failed to receive the response of Clear Command.",
                                            "Discharge Element: Clearing Failure",
                                            "Failed to receive the response of Clear Command.",
                                            true,
                                            FailureKind::kLink};
inline constexpr Failure kSurgeClearRefused{10230503,
                                            "Failed to clear discharge element information.",
                                            "Discharge Element: Clearing Failure",
                                            "Failed to clear discharge element information.",
                                            true,
                                            FailureKind::kRefused};

// Firmware upgrade.
inline constexpr Failure kUpgradeCommandNotSent{10230601,
                                                "Failed to run the Firmware upgrade command.",
                                                "Starting Error",
                                                "Failed to run the Firmware upgrade command.\r\n",
                                                false,
                                                FailureKind::kLink};
inline constexpr Failure kUpgradeBannerNoReply{10230602,
                                               "Failed to start BOOTLOADER.[1]",
                                               "Starting Error",
                                               "Failed to start BOOTLOADER.[1]\r\n",
                                               false,
                                               FailureKind::kLink};
inline constexpr Failure kUpgradeBannerNoTini{10230603,
                                              "Failed to start BOOTLOADER.[2]",
                                              "Starting Error",
                                              "Failed to start BOOTLOADER.[2]\r\n",
                                              false,
                                              FailureKind::kLink};
inline constexpr Failure kUpgradeBannerNoProcessor{10230604,
                                                   "Failed to start BOOTLOADER.[3]",
                                                   "Starting Error",
                                                   "Failed to start BOOTLOADER.[3]\r\n",
                                                   false,
                                                   FailureKind::kLink};
inline constexpr Failure kUpgradeFileNotOpened{10230610,
                                               "Failed to open program file.",
                                               "Starting Error",
                                               "Failed to open program file.\r\n",
                                               false,
                                               FailureKind::kFile};
inline constexpr Failure kUpgradeLoadNotSent{
    10230611,        "Failed to send LOAD command.[1]\r\nRetry start.",
    "Writing Error", "Failed to send LOAD command.[1]\r\n",
    false,           FailureKind::kLink};
inline constexpr Failure kUpgradeLoadNoReply{
    10230612,        "Failed to send LOAD command.[2]\r\nRetry start.",
    "Writing Error", "Failed to send LOAD command.[2]\r\n",
    false,           FailureKind::kLink};
inline constexpr Failure kUpgradeSendNoRecordMark{
    10230613,        "File's record mark couldn't be found.\r\nRetry start.",
    "Writing Error", "File's record mark couldn't be found.\r\n",
    false,           FailureKind::kLink};
inline constexpr Failure kUpgradeSendBadHexDigit{
    10230614,        "Records of the file is not normal.\r\nRetry start.",
    "Writing Error", "Records of the file is not normal.\r\n",
    false,           FailureKind::kLink};
inline constexpr Failure kUpgradeSendBadSize{
    10230615,        "Record size of the file is not normal.\r\nRetry start.",
    "Writing Error", "Record size of the file is not normal.\r\n",
    false,           FailureKind::kLink};
inline constexpr Failure kUpgradeSendBadChecksum{10230616,        "Check sum Error\r\nRetry start.",
                                                 "Writing Error", "Check sum Error\r\n",
                                                 false,           FailureKind::kLink};
inline constexpr Failure kUpgradeSendBadType{10230617,        "Record type Error\r\nRetry start.",
                                             "Writing Error", "Record type Error\r\n",
                                             false,           FailureKind::kLink};
inline constexpr Failure kUpgradeSendBadAddress{
    10230618,        "Record address Error\r\nRetry start.",
    "Writing Error", "Record address Error\r\n",
    false,           FailureKind::kLink};
inline constexpr Failure kUpgradeLoadNoEcho{
    10230620,        "Response of load command is not normal.[1]\r\nRetry start.",
    "Writing Error", "Response of load command is not normal.[1]\r\n",
    false,           FailureKind::kLink};
inline constexpr Failure kUpgradeLoadFailed{
    10230626,        "Response of load command is not normal.[3]\r\nRetry start.",
    "Writing Error", "Response of load command is not normal.[3]\r\n",
    false,           FailureKind::kLink};
inline constexpr Failure kUpgradeBankNotSent{
    10230650,        "Response of bank command is not normal.[1]",
    "Writing Error", "Response of bank command is not normal.[1]\r\n",
    false,           FailureKind::kLink};
inline constexpr Failure kUpgradeBankNoReply{
    10230651,        "Response of bank command is not normal.[2]",
    "Writing Error", "Response of bank command is not normal.[2]\r\n",
    false,           FailureKind::kLink};
inline constexpr Failure kUpgradeBankNoEcho{
    10230652,        "Response of bank command is not normal.[3]",
    "Writing Error", "Response of bank command is not normal.[3]\r\n",
    false,           FailureKind::kLink};
inline constexpr Failure kUpgradeEraseNotSent{
    10230660,        "Response of erase command is not normal.[1]",
    "Writing Error", "Response of erase command is not normal.[1]\r\n",
    false,           FailureKind::kLink};
inline constexpr Failure kUpgradeEraseNoReply{
    10230661,        "Response of erase command is not normal.[2]",
    "Writing Error", "Response of erase command is not normal.[2]\r\n",
    false,           FailureKind::kLink};
inline constexpr Failure kUpgradeEraseNoEcho{
    10230662,        "Response of erase command is not normal.[3]",
    "Writing Error", "Response of erase command is not normal.[3]\r\n",
    false,           FailureKind::kLink};
inline constexpr Failure kUpgradeEraseNoQuestion{
    10230663,        "Response of erase command is not normal.[4]",
    "Writing Error", "Response of erase command is not normal.[4]\r\n",
    false,           FailureKind::kLink};
inline constexpr Failure kUpgradeConfirmNotSent{
    10230664,        "Response of erase command is not normal.[5]",
    "Writing Error", "Response of erase command is not normal.[5]\r\n",
    false,           FailureKind::kLink};
inline constexpr Failure kUpgradePromptNotSent{
    10230665,        "Response of erase command is not normal.[6]",
    "Writing Error", "Response of erase command is not normal.[6]\r\n",
    false,           FailureKind::kLink};
inline constexpr Failure kUpgradePromptNoReply{
    10230666,        "Response of erase command is not normal.[7]",
    "Writing Error", "Response of erase command is not normal.[7]\r\n",
    false,           FailureKind::kLink};
inline constexpr Failure kUpgradeNoPrompt{
    10230667,        "Response of erase command is not normal.[8]",
    "Writing Error", "Response of erase command is not normal.[8]\r\n",
    false,           FailureKind::kLink};
inline constexpr Failure kUpgradeFileNoRecordMark{
    10230680, "File format error.", "File check error", "File format error\r\n",
    false,    FailureKind::kFile};
inline constexpr Failure kUpgradeFileBadHexDigit{
    10230681, "File format error.", "File check error", "File format error\r\n",
    false,    FailureKind::kFile};
inline constexpr Failure kUpgradeFileBadSize{
    10230682, "File format error.", "File check error", "File format error\r\n",
    false,    FailureKind::kFile};
inline constexpr Failure kUpgradeFileBadChecksum{
    10230683, "File format error.", "File check error", "File format error\r\n",
    false,    FailureKind::kFile};
inline constexpr Failure kUpgradeNotConnected{
    10230684, "COM connection error.", "Connection check error", "COM connection error\r\n",
    false,    FailureKind::kLink};
inline constexpr Failure kUpgradeRetriesFailed{10230690,      "Failed to retry to write.",
                                               "Retry Error", "Failed to retry to write.\r\n",
                                               false,         FailureKind::kLink};

// All of them, for those that look a failure up by its code or check the table as a whole.
inline constexpr const Failure* kAll[] = {
    &kLogNotWritable,
    &kStartupPortOpen,
    &kStartupProbeNotSent,
    &kStartupNoReply,
    &kStartupNoBracket,
    &kStartupBadMode,
    &kSettingsNotWritable,
    &kConnectProbeNotSent,
    &kConnectNoReply,
    &kConnectNoBracket,
    &kConnectBadMode,
    &kConnectPasswordNotSent,
    &kConnectPasswordNoReply,
    &kConnectPasswordRefused,
    &kResetPortOpen,
    &kResetProbeNotSent,
    &kResetNoReply,
    &kResetNoBracket,
    &kResetBadMode,
    &kResetPasswordNotSent,
    &kResetPasswordNoReply,
    &kResetPasswordRefused,
    &kUpgradeReconnectPortOpen,
    &kUpgradeReconnectProbeNotSent,
    &kUpgradeReconnectNoReply,
    &kUpgradeReconnectNoBracket,
    &kUpgradeReconnectBadMode,
    &kUpgradeReconnectPasswordNotSent,
    &kUpgradeReconnectPasswordNoReply,
    &kUpgradeReconnectPasswordRefused,
    &kFwVersionNotSent,
    &kFwVersionNoReply,
    &kFwVersionNoBracket,
    &kFwVersionUnknown,
    &kDischargeNotSent,
    &kDischargeNoReply,
    &kDischargeNoBracket,
    &kDischargeBroken,
    &kRelayGetNotSent,
    &kRelayGetNoReply,
    &kRelayGetNoBracket,
    &kRelaySetNotSent,
    &kRelaySetNoReply,
    &kFwErrorNotSent,
    &kFwErrorNoReply,
    &kFwErrorNoBracket,
    &kPortErrorsNotSent,
    &kPortErrorsNoReply,
    &kPortConfigNotSent,
    &kPortConfigNoReply,
    &kPortSettingUnknownOnActivate,
    &kPortSettingUnknownOnRefresh,
    &kLoginFailed,
    &kMaintenanceWrong,
    &kMaintenanceNotSent,
    &kMaintenanceNoReply,
    &kMaintenanceNotConfirmed,
    &kPasswordControlCharacters,
    &kPasswordChangeRefused,
    &kPortSetNotSent,
    &kPortSetNoReply,
    &kPortSetRefused,
    &kConfigOpenFailed,
    &kConfigNoEquals,
    &kConfigBadValue,
    &kConfigLineCount,
    &kConfigNotSet,
    &kConfigSaveFailed,
    &kDefaultNotSent,
    &kDefaultNoReply,
    &kDefaultRefused,
    &kMacReadNotSent,
    &kMacReadNoReply,
    &kMacNotTwoCharacters,
    &kMacBadCharacter,
    &kMacSetNotSent,
    &kMacSetNoReply,
    &kMacRefused,
    &kSurgeClearNotSent,
    &kSurgeClearNoReply,
    &kSurgeClearRefused,
    &kUpgradeCommandNotSent,
    &kUpgradeBannerNoReply,
    &kUpgradeBannerNoTini,
    &kUpgradeBannerNoProcessor,
    &kUpgradeFileNotOpened,
    &kUpgradeLoadNotSent,
    &kUpgradeLoadNoReply,
    &kUpgradeSendNoRecordMark,
    &kUpgradeSendBadHexDigit,
    &kUpgradeSendBadSize,
    &kUpgradeSendBadChecksum,
    &kUpgradeSendBadType,
    &kUpgradeSendBadAddress,
    &kUpgradeLoadNoEcho,
    &kUpgradeLoadFailed,
    &kUpgradeBankNotSent,
    &kUpgradeBankNoReply,
    &kUpgradeBankNoEcho,
    &kUpgradeEraseNotSent,
    &kUpgradeEraseNoReply,
    &kUpgradeEraseNoEcho,
    &kUpgradeEraseNoQuestion,
    &kUpgradeConfirmNotSent,
    &kUpgradePromptNotSent,
    &kUpgradePromptNoReply,
    &kUpgradeNoPrompt,
    &kUpgradeFileNoRecordMark,
    &kUpgradeFileBadHexDigit,
    &kUpgradeFileBadSize,
    &kUpgradeFileBadChecksum,
    &kUpgradeNotConnected,
    &kUpgradeRetriesFailed,
};

}  // namespace taviron::failure
