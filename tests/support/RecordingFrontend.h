#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "base/ErrorLog.h"
#include "base/Frontend.h"

namespace taviron::test {

// A front end that records what the core asked of the windows and answers from a script.
class RecordingFrontend : public Frontend {
 public:
  struct Box {
    std::string text;
    std::string caption;
    std::string logSoFar;  // LOG.TXT as it stood when the box was shown
    bool operator==(const Box& o) const { return text == o.text && caption == o.caption; }
  };

  void MessageBox(std::string_view text, std::string_view caption) override;
  bool AskYesNo(std::string_view text, std::string_view caption) override {
    questions.push_back({std::string(text), std::string(caption), {}});
    return answerYes;
  }
  void MainViewChanged() override { ++viewChanges; }
  void ProcessMessages() override;
  void ShowReLogin() override;
  void ShowMaintenancePassword() override;
  void ShowDialog(Dialog dialog) override;
  std::string AskFileToOpen(std::string_view filter) override;
  std::string AskFileToSave(std::string_view filter) override;
  void DialogChanged(Dialog dialog) override;
  void CloseMainWindow() override { ++closeRequests; }

  std::vector<Box> boxes;
  // The Yes/No questions asked, and the operator's answer to each.
  std::vector<Box> questions;
  bool answerYes = true;
  int viewChanges = 0;
  int processMessages = 0;
  int closeRequests = 0;
  int uploadWindowChanges = 0;
  std::vector<Dialog> changedDialogs;
  std::function<void(Dialog)> onDialogChanged;
  int reLogins = 0;
  int maintenancePrompts = 0;
  ErrorLog* log = nullptr;  // to snapshot with each box
  // What the operator does in the modal windows.
  std::function<void()> onReLogin;
  std::function<void()> onMaintenancePassword;
  std::function<void(const Box&)> onBox;
  std::function<void(Dialog)> onDialog;
  std::vector<Dialog> dialogs;
  // The paths the operator picks in the file dialogs (empty: cancelled), and the filters seen.
  std::string fileToOpen;
  std::string fileToSave;
  std::vector<std::string> fileFilters;
  // What happens while the core lets the windows run, or has changed the upload window.
  std::function<void()> onProcessMessages;
  std::function<void()> onUploadWindowChanged;
};

}  // namespace taviron::test
