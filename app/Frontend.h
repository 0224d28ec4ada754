#pragma once

#include <string_view>

namespace taviron {

// What the core asks of the windows. The Qt application draws real windows; tests record the
// calls and answer from a script.
class Frontend {
 public:
  virtual ~Frontend() = default;

  // An OK-only message box without icon; returns when the operator has closed it.
  virtual void MessageBox(std::string_view text, std::string_view caption) = 0;
  // The main window's labels, status bar or commands changed; draw them.
  virtual void MainViewChanged() = 0;
  // Lets the windows paint what changed, before a long wait.
  virtual void ProcessMessages() = 0;
  // Shows the re-log-in window modally; returns when it has closed.
  virtual void ShowReLogin() = 0;
  // Shows the maintenance password window modally; returns when it has closed.
  virtual void ShowMaintenancePassword() = 0;
  // The firmware upgrade dialog's progress or texts changed; draw them.
  virtual void UploadWindowChanged() = 0;
  // Asks the main window to close; its shutdown then ends the program.
  virtual void CloseMainWindow() = 0;
};

}  // namespace taviron
