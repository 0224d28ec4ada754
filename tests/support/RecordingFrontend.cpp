#include "tests/support/RecordingFrontend.h"

#include "tests/support/HeldLog.h"
#include "tests/support/TempDir.h"

namespace taviron::test {

void RecordingFrontend::MessageBox(std::string_view text, std::string_view caption) {
  Box box{std::string(text), std::string(caption), {}};
  if (log != nullptr) box.logSoFar = ReadHeldLog(*log);
  boxes.push_back(box);
  if (onBox) onBox(box);
}

void RecordingFrontend::ProcessMessages() {
  ++processMessages;
  if (onProcessMessages) onProcessMessages();
}

void RecordingFrontend::DialogChanged(Dialog dialog) {
  changedDialogs.push_back(dialog);
  if (onDialogChanged) onDialogChanged(dialog);
  if (dialog != Dialog::kFirmwareUpgrade) return;
  ++uploadWindowChanges;
  if (onUploadWindowChanged) onUploadWindowChanged();
}

void RecordingFrontend::ShowReLogin() {
  ++reLogins;
  if (onReLogin) onReLogin();
}

void RecordingFrontend::ShowMaintenancePassword() {
  ++maintenancePrompts;
  if (onMaintenancePassword) onMaintenancePassword();
}

void RecordingFrontend::ShowDialog(Dialog dialog) {
  dialogs.push_back(dialog);
  if (onDialog) onDialog(dialog);
}

std::string RecordingFrontend::AskFileToOpen(std::string_view filter) {
  fileFilters.emplace_back(filter);
  return fileToOpen;
}

std::string RecordingFrontend::AskFileToSave(std::string_view filter) {
  fileFilters.emplace_back(filter);
  return fileToSave;
}

}  // namespace taviron::test
