#pragma once

#include <string>
#include <string_view>

namespace taviron {

// The modal dialogs the main window's commands open.
enum class Dialog {
  kPortSetting,        // Tport_set
  kDefaultSetting,     // Tfact_set
  kUserPassword,       // Tpass_set
  kComPortSetting,     // Tserial_set
  kAbout,              // TAboutBox
  kSurgeCounterClear,  // Tth_clear
  kMacAddress,         // Tmac_set
  kFirmwareUpgrade,    // Tfw_update
};

// What the core asks of the windows. The Qt application draws real windows; tests record the
// calls and answer from a script.
class Frontend {
 public:
  virtual ~Frontend() = default;

  // An OK-only message box without icon; returns when the operator has closed it.
  virtual void MessageBox(std::string_view text, std::string_view caption) = 0;
  // A question with Yes and No buttons, without icon; true when the operator answered Yes.
  virtual bool AskYesNo(std::string_view text, std::string_view caption) = 0;
  // The main window's labels, status bar or commands changed; draw them.
  virtual void MainViewChanged() = 0;
  // Lets the windows paint what changed, before a long wait.
  virtual void ProcessMessages() = 0;
  // Shows the re-log-in window modally; returns when it has closed.
  virtual void ShowReLogin() = 0;
  // Shows the maintenance password window modally; returns when it has closed.
  virtual void ShowMaintenancePassword() = 0;
  // Shows one of the command dialogs modally; returns when it has closed.
  virtual void ShowDialog(Dialog dialog) = 0;
  // The standard file dialogs, with a filter in the form "name|pattern|name|pattern". The path
  // the operator confirmed, or empty when the dialog was cancelled.
  virtual std::string AskFileToOpen(std::string_view filter) = 0;
  virtual std::string AskFileToSave(std::string_view filter) = 0;
  // What one of the command dialogs shows changed (the firmware upgrade's progress, the
  // default setting's status line); draw it now.
  virtual void DialogChanged(Dialog dialog) = 0;
  // Asks the main window to close; its shutdown then ends the program.
  virtual void CloseMainWindow() = 0;
};

}  // namespace taviron
