#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/Frontend.h"

namespace taviron::fuzz {

// A front end without windows: it keeps the message boxes and answers the maintenance
// password window through a callback.
class QuietFrontend : public Frontend {
 public:
  void MessageBox(std::string_view text, std::string_view caption) override {
    boxes.push_back(std::string(text) + "|" + std::string(caption));
  }
  bool AskYesNo(std::string_view, std::string_view) override { return true; }
  void MainViewChanged() override {}
  void ProcessMessages() override {}
  void ShowReLogin() override {}
  void ShowMaintenancePassword() override {
    if (onMaintenancePassword) onMaintenancePassword();
  }
  void ShowDialog(Dialog) override {}
  std::string AskFileToOpen(std::string_view) override { return {}; }
  std::string AskFileToSave(std::string_view) override { return {}; }
  void DialogChanged(Dialog) override {}
  void CloseMainWindow() override {}

  std::vector<std::string> boxes;  // "text|caption"
  std::function<void()> onMaintenancePassword;
};

}  // namespace taviron::fuzz
