#include "firmware/FirmwareUpload.h"

#include <algorithm>
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
    .probePause = 100,
    .portOpen = failure::kUpgradeReconnectPortOpen,
    .greeting = {.probeNotSent = failure::kUpgradeReconnectProbeNotSent,
                 .noReply = failure::kUpgradeReconnectNoReply,
                 .noBracket = failure::kUpgradeReconnectNoBracket,
                 .badMode = failure::kUpgradeReconnectBadMode},
    .passwordNotSent = failure::kUpgradeReconnectPasswordNotSent,
    .passwordNoReply = failure::kUpgradeReconnectPasswordNoReply,
    .passwordRefused = failure::kUpgradeReconnectPasswordRefused};

// One upload from its click to its end: the dialog is locked meanwhile and given back on every
// way out.
class UploadRun {
 public:
  UploadRun(Exchange& exchange, FirmwareWindow& fwUpdate)
      : exchange_(exchange), fwUpdate_(fwUpdate) {
    fwUpdate_.uploading = true;
    fwUpdate_.buttonsEnabled = false;
  }
  ~UploadRun() {
    fwUpdate_.buttonsEnabled = true;
    fwUpdate_.uploading = false;
    exchange_.frontend().DialogChanged(Dialog::kFirmwareUpgrade);
  }
  UploadRun(const UploadRun&) = delete;
  UploadRun& operator=(const UploadRun&) = delete;

 private:
  Exchange& exchange_;
  FirmwareWindow& fwUpdate_;
};

void ShowUpdateText(Exchange& exchange, FirmwareWindow& fwUpdate, std::string_view text) {
  fwUpdate.Lb_update = text;
  exchange.frontend().DialogChanged(Dialog::kFirmwareUpgrade);
}

// Erase and load until an attempt succeeds; false when the fourth failed.
bool RunAttempts(Exchange& exchange, FirmwareWindow& fwUpdate, Transfer& transfer, HexFile& file) {
  for (int attempt = 1;; ++attempt) {
    // Each attempt loads the whole file again: its progress starts over.
    int records = 0;
    if (attempt > kAttempts) {
      ReportUploadError(exchange, failure::kUpgradeRetriesFailed);
      ShowUpdateText(exchange, fwUpdate, kUnableToRestore);
      return false;
    }
    ShowUpdateText(exchange, fwUpdate, attempt == 1 ? kUpgrading : kRetrying);
    const Failure* failed = LoadAttempt(exchange, fwUpdate, transfer, file, records);
    if (failed == nullptr) return true;
    ReportUploadError(exchange, *failed);
  }
}

void ShowCompleted(Exchange& exchange, FirmwareWindow& fwUpdate) {
  fwUpdate.ProgressBar1 = fwUpdate.progressMaximum;
  fwUpdate.Lb_per = "100";
  exchange.frontend().DialogChanged(Dialog::kFirmwareUpgrade);
  exchange.frontend().ProcessMessages();
  ShowUpdateText(exchange, fwUpdate, kCompleted);
  exchange.log.WriteErrLog(kCompletedLog, 0);
}

}  // namespace

void FwUpdateShow(Exchange& exchange, FirmwareWindow& fwUpdate) {
  fwUpdate.ProgressBar1 = 0;
  fwUpdate.Lb_per = "0";
  fwUpdate.Lb_update.clear();
  exchange.frontend().DialogChanged(Dialog::kFirmwareUpgrade);
}

void FwUpdateOpenFile(Exchange& exchange, FirmwareWindow& fwUpdate,
                      const std::optional<std::string>& chosen) {
  if (!chosen || fwUpdate.uploading) return;
  fwUpdate.Ed_file = *chosen;
  fwUpdate.fileName = *chosen;
  exchange.frontend().DialogChanged(Dialog::kFirmwareUpgrade);
}

void FwUpdateUpload(Exchange& exchange, Monitoring& monitor, Access& access,
                    FirmwareWindow& fwUpdate) {
  if (fwUpdate.uploading) return;
  UploadRun run(exchange, fwUpdate);
  fwUpdate.ProgressBar1 = 0;
  fwUpdate.progressMaximum = kProgressRecords;
  fwUpdate.Lb_per = "00";
  // The previous upload's outcome does not stand for this one.
  fwUpdate.Lb_update.clear();
  exchange.frontend().DialogChanged(Dialog::kFirmwareUpgrade);
  exchange.link.SetReadTimeouts(kUploadReadInterval, kUploadReadTotalConstant);

  HexFile file;
  int records = 0;
  if (const Failure* refused = CheckWholeFile(file, fwUpdate.fileName, &records)) {
    return ReportUploadError(exchange, *refused);
  }
  fwUpdate.progressMaximum = std::max(records, 1);
  Transfer transfer(exchange.link, kLoaderBufferSize);
  if (exchange.link.SwitchInLoader) {
    // The switch waits in its loader already: the upload goes on from the bank selection.
    if (const Failure* failed =
            ReachWaitingLoader(exchange, kUploadReadInterval, kUploadReadTotalConstant)) {
      return ReportUploadError(exchange, *failed);
    }
  } else {
    if (exchange.link.LinkState == kLinkDisconnect) {
      return ReportUploadError(exchange, failure::kUpgradeNotConnected);
    }
    if (const Failure* failed = EnterLoader(exchange, transfer)) {
      return ReportUploadError(exchange, *failed);
    }
  }
  if (const Failure* failed = SelectBank(exchange, transfer)) {
    return ReportUploadError(exchange, *failed);
  }
  if (!RunAttempts(exchange, fwUpdate, transfer, file)) return;

  file.Close();
  LeaveLoader(exchange, transfer);
  ShowCompleted(exchange, fwUpdate);
  fwUpdate.buttonsEnabled = true;
  exchange.frontend().DialogChanged(Dialog::kFirmwareUpgrade);

  exchange.link.CloseConnection();
  exchange.clock().Sleep(kRestartPause);
  ReconnectAfterRestart(exchange, monitor, access, kAfterUpload);
}

}  // namespace taviron
