#include "firmware/UploadErrors.h"

#include <algorithm>
#include <iterator>

#include "link/LinkState.h"

namespace taviron {
namespace {

// Read time-outs of an opened port, which the upload lengthens for its own waits.
constexpr std::uint32_t kReadInterval = 500;
constexpr std::uint32_t kReadTotalConstant = 1000;

constexpr const Failure* kUpgradeFailures[] = {
    &failure::kUpgradeCommandNotSent,   &failure::kUpgradeBannerNoReply,
    &failure::kUpgradeBannerNoTini,     &failure::kUpgradeBannerNoProcessor,
    &failure::kUpgradeFileNotOpened,    &failure::kUpgradeLoadNotSent,
    &failure::kUpgradeLoadNoReply,      &failure::kUpgradeSendNoRecordMark,
    &failure::kUpgradeSendBadHexDigit,  &failure::kUpgradeSendBadSize,
    &failure::kUpgradeSendBadChecksum,  &failure::kUpgradeSendBadType,
    &failure::kUpgradeSendBadAddress,   &failure::kUpgradeLoadNoEcho,
    &failure::kUpgradeLoadFailed,       &failure::kUpgradeBankNotSent,
    &failure::kUpgradeBankNoReply,      &failure::kUpgradeBankNoEcho,
    &failure::kUpgradeEraseNotSent,     &failure::kUpgradeEraseNoReply,
    &failure::kUpgradeEraseNoEcho,      &failure::kUpgradeEraseNoQuestion,
    &failure::kUpgradeConfirmNotSent,   &failure::kUpgradePromptNotSent,
    &failure::kUpgradePromptNoReply,    &failure::kUpgradeNoPrompt,
    &failure::kUpgradeFileNoRecordMark, &failure::kUpgradeFileBadHexDigit,
    &failure::kUpgradeFileBadSize,      &failure::kUpgradeFileBadChecksum,
    &failure::kUpgradeNotConnected,     &failure::kUpgradeRetriesFailed,
};

}  // namespace

const Failure* FindUploadError(std::uint32_t code) {
  auto it = std::find_if(std::begin(kUpgradeFailures), std::end(kUpgradeFailures),
                         [code](const Failure* f) { return f->code == code; });
  return it == std::end(kUpgradeFailures) ? nullptr : *it;
}

void ReportUploadError(const Exchange& c, std::uint32_t code) {
  if (const Failure* failure = FindUploadError(code)) c.Report(*failure);
  c.link.SetReadTimeouts(kReadInterval, kReadTotalConstant);
  c.link.LinkState = kLinkFirmwareUpdateFailure;
}

}  // namespace taviron
