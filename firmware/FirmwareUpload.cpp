#include "firmware/FirmwareUpload.h"

#include <cstdint>

#include "base/FailureCatalogue.h"
#include "firmware/FileCheck.h"
#include "firmware/HexFile.h"
#include "firmware/LoaderDialogue.h"
#include "firmware/UploadErrors.h"
#include "link/Transfer.h"
#include "session/SwitchReset.h"

namespace taviron {
namespace {

// The loader waits up to seconds between bytes while it erases or programs; the port must not
// give up on a reply meanwhile.
constexpr std::uint32_t kUploadReadInterval = 13000;
constexpr std::uint32_t kUploadReadTotalConstant = 14000;

constexpr int kAttempts = 4;

constexpr std::string_view kUpgrading = "Firmware Upgrading......";
constexpr std::string_view kRetrying = "Firmware Upgrade:Retrying.";
constexpr std::string_view kUnableToRestore = "Firmware Upgrade Failure. Unable to restore.";
constexpr std::string_view kCompleted = "Firmware Upgrade:Restoration was completed.";
constexpr std::string_view kCompletedLog = "Firmware Upgrade:Restoration was completed.\r\n";

// The switch restarts its firmware after the loader; the port stays closed meanwhile.
constexpr TimeMs kRestartPause = 2000;
constexpr RestartReconnect kAfterUpload{
    100,
    failure::kUpgradeReconnectPortOpen,
    {failure::kUpgradeReconnectProbeNotSent, failure::kUpgradeReconnectNoReply,
     failure::kUpgradeReconnectNoBracket, failure::kUpgradeReconnectBadMode},
    failure::kUpgradeReconnectPasswordNotSent,
    failure::kUpgradeReconnectPasswordNoReply,
    failure::kUpgradeReconnectPasswordRefused};

// One upload from its click to its end: the dialog is locked meanwhile and given back on every
// way out.
class UploadRun {
 public:
  explicit UploadRun(const UpgradeState& c) : c_(c) {
    c_.fwUpdate.uploading = true;
    c_.fwUpdate.buttonsEnabled = false;
  }
  ~UploadRun() {
    c_.fwUpdate.buttonsEnabled = true;
    c_.fwUpdate.uploading = false;
    c_.frontend.DialogChanged(Dialog::kFirmwareUpgrade);
  }
  UploadRun(const UploadRun&) = delete;
  UploadRun& operator=(const UploadRun&) = delete;

 private:
  const UpgradeState& c_;
};

void ShowUpdateText(const UpgradeState& c, std::string_view text) {
  c.fwUpdate.Lb_update = text;
  c.frontend.DialogChanged(Dialog::kFirmwareUpgrade);
}

// Erase and load until an attempt succeeds; false when the fourth failed.
bool RunAttempts(const UpgradeState& c, Transfer& transfer, HexFile& file) {
  int records = 0;
  for (int attempt = 1;; ++attempt) {
    if (attempt > kAttempts) {
      ReportUploadError(c, failure::kUpgradeRetriesFailed);
      ShowUpdateText(c, kUnableToRestore);
      return false;
    }
    ShowUpdateText(c, attempt == 1 ? kUpgrading : kRetrying);
    const Failure* failed = LoadAttempt(c, transfer, file, records);
    if (failed == nullptr) return true;
    ReportUploadError(c, *failed);
  }
}

void ShowCompleted(const UpgradeState& c) {
  c.fwUpdate.ProgressBar1 = kProgressRecords;
  c.fwUpdate.Lb_per = "100";
  c.frontend.DialogChanged(Dialog::kFirmwareUpgrade);
  c.frontend.ProcessMessages();
  ShowUpdateText(c, kCompleted);
  c.log.WriteErrLog(kCompletedLog, 0);
}

}  // namespace

void FwUpdateShow(const UpgradeState& c) {
  c.fwUpdate.ProgressBar1 = 0;
  c.fwUpdate.Lb_per = "0";
  c.fwUpdate.Lb_update.clear();
  c.frontend.DialogChanged(Dialog::kFirmwareUpgrade);
}

void FwUpdateOpenFile(const UpgradeState& c, const std::optional<std::string>& chosen) {
  if (!chosen || c.fwUpdate.uploading) return;
  c.fwUpdate.Ed_file = *chosen;
  c.fwUpdate.fileName = *chosen;
  c.frontend.DialogChanged(Dialog::kFirmwareUpgrade);
}

void FwUpdateUpload(const UpgradeState& c) {
  if (c.fwUpdate.uploading) return;
  UploadRun run(c);
  c.fwUpdate.ProgressBar1 = 0;
  c.fwUpdate.Lb_per = "00";
  c.frontend.DialogChanged(Dialog::kFirmwareUpgrade);
  c.link.SetReadTimeouts(kUploadReadInterval, kUploadReadTotalConstant);

  HexFile file;
  if (const Failure* refused = CheckWholeFile(file, c.fwUpdate.fileName)) {
    return ReportUploadError(c, *refused);
  }
  if (c.link.LinkState == kLinkDisconnect) {
    return ReportUploadError(c, failure::kUpgradeNotConnected);
  }

  Transfer transfer(c.link, kLoaderBufferSize);
  if (const Failure* failed = EnterLoader(c, transfer)) return ReportUploadError(c, *failed);
  if (const Failure* failed = SelectBank(c, transfer)) return ReportUploadError(c, *failed);
  if (!RunAttempts(c, transfer, file)) return;

  file.Close();
  LeaveLoader(c, transfer);
  ShowCompleted(c);
  c.fwUpdate.buttonsEnabled = true;
  c.frontend.DialogChanged(Dialog::kFirmwareUpgrade);

  c.link.CloseConnection();
  c.clock.Sleep(kRestartPause);
  ReconnectAfterRestart(c, kAfterUpload);
}

}  // namespace taviron
