#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/Frontend.h"

namespace taviron::cli {

// The core's front end on a terminal: no windows. Message boxes are kept (the failures reach
// standard error through the log records), dialogs are run by the command itself, and the
// maintenance password comes from the command line or a prompt.
class CliFrontend : public Frontend {
 public:
  void MessageBox(std::string_view text, std::string_view caption) override;
  // No one to ask: the answer given beforehand (config save --force says Yes); a question
  // answered No is kept.
  bool AskYesNo(std::string_view text, std::string_view caption) override;
  void MainViewChanged() override {}
  void ProcessMessages() override;
  void ShowReLogin() override {}
  void ShowMaintenancePassword() override;
  void ShowDialog(Dialog dialog) override;
  std::string AskFileToOpen(std::string_view) override { return {}; }
  std::string AskFileToSave(std::string_view) override { return {}; }
  void DialogChanged(Dialog dialog) override;
  void CloseMainWindow() override {}

  std::vector<std::string> boxes;
  bool answerYes = false;
  std::vector<std::string> declined;
  // Answers the maintenance password window: returns whether the switch admitted.
  std::function<void()> onMaintenancePassword;
  // Runs the dialog the core asked for.
  std::function<void(Dialog)> onDialog;
  // Draws the firmware upload's progress.
  std::function<void()> onProgress;
};

}  // namespace taviron::cli
