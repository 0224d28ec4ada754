#include "cli/CliFrontend.h"

namespace taviron::cli {

void CliFrontend::MessageBox(std::string_view text, std::string_view) {
  boxes.emplace_back(text);
}

bool CliFrontend::AskYesNo(std::string_view text, std::string_view) {
  if (!answerYes) declined.emplace_back(text);
  return answerYes;
}

void CliFrontend::ProcessMessages() {
  if (onProgress) onProgress();
}

void CliFrontend::ShowMaintenancePassword() {
  if (onMaintenancePassword) onMaintenancePassword();
}

void CliFrontend::ShowDialog(Dialog dialog) {
  if (onDialog) onDialog(dialog);
}

void CliFrontend::DialogChanged(Dialog dialog) {
  if (dialog == Dialog::kFirmwareUpgrade && onProgress) onProgress();
}

}  // namespace taviron::cli
