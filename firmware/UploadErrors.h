#pragma once

#include <cstdint>

#include "base/Failure.h"
#include "base/FailureCatalogue.h"
#include "link/Exchange.h"

namespace taviron {

// The failure points of the firmware upgrade, by the codes its steps return.
namespace upload_code {
inline constexpr std::uint32_t kUpgradeCommandNotSent = failure::kUpgradeCommandNotSent.code;
inline constexpr std::uint32_t kBannerNoReply = failure::kUpgradeBannerNoReply.code;
inline constexpr std::uint32_t kBannerNoTini = failure::kUpgradeBannerNoTini.code;
inline constexpr std::uint32_t kBannerNoProcessor = failure::kUpgradeBannerNoProcessor.code;
inline constexpr std::uint32_t kFileNotOpened = failure::kUpgradeFileNotOpened.code;
inline constexpr std::uint32_t kLoadNotSent = failure::kUpgradeLoadNotSent.code;
inline constexpr std::uint32_t kLoadNoReply = failure::kUpgradeLoadNoReply.code;
inline constexpr std::uint32_t kSendNoRecordMark = failure::kUpgradeSendNoRecordMark.code;
inline constexpr std::uint32_t kSendBadHexDigit = failure::kUpgradeSendBadHexDigit.code;
inline constexpr std::uint32_t kSendBadSize = failure::kUpgradeSendBadSize.code;
inline constexpr std::uint32_t kSendBadChecksum = failure::kUpgradeSendBadChecksum.code;
inline constexpr std::uint32_t kSendBadType = failure::kUpgradeSendBadType.code;
inline constexpr std::uint32_t kSendBadAddress = failure::kUpgradeSendBadAddress.code;
inline constexpr std::uint32_t kLoadNoEcho = failure::kUpgradeLoadNoEcho.code;
inline constexpr std::uint32_t kLoadFailed = failure::kUpgradeLoadFailed.code;
inline constexpr std::uint32_t kBankNotSent = failure::kUpgradeBankNotSent.code;
inline constexpr std::uint32_t kBankNoReply = failure::kUpgradeBankNoReply.code;
inline constexpr std::uint32_t kBankNoEcho = failure::kUpgradeBankNoEcho.code;
inline constexpr std::uint32_t kEraseNotSent = failure::kUpgradeEraseNotSent.code;
inline constexpr std::uint32_t kEraseNoReply = failure::kUpgradeEraseNoReply.code;
inline constexpr std::uint32_t kEraseNoEcho = failure::kUpgradeEraseNoEcho.code;
inline constexpr std::uint32_t kEraseNoQuestion = failure::kUpgradeEraseNoQuestion.code;
inline constexpr std::uint32_t kConfirmNotSent = failure::kUpgradeConfirmNotSent.code;
inline constexpr std::uint32_t kPromptNotSent = failure::kUpgradePromptNotSent.code;
inline constexpr std::uint32_t kPromptNoReply = failure::kUpgradePromptNoReply.code;
inline constexpr std::uint32_t kNoPrompt = failure::kUpgradeNoPrompt.code;
inline constexpr std::uint32_t kFileNoRecordMark = failure::kUpgradeFileNoRecordMark.code;
inline constexpr std::uint32_t kFileBadHexDigit = failure::kUpgradeFileBadHexDigit.code;
inline constexpr std::uint32_t kFileBadSize = failure::kUpgradeFileBadSize.code;
inline constexpr std::uint32_t kFileBadChecksum = failure::kUpgradeFileBadChecksum.code;
inline constexpr std::uint32_t kNotConnected = failure::kUpgradeNotConnected.code;
inline constexpr std::uint32_t kRetriesFailed = failure::kUpgradeRetriesFailed.code;
}  // namespace upload_code

// The upgrade's failure of a code; nullptr for a code the upgrade does not report.
const Failure* FindUploadError(std::uint32_t code);

// The error report: message box, log record, the port's read time-outs back to those of an
// opened port, LinkState 6. The dialog stays open and the port as it is; the upload decides
// whether another attempt follows, and enables the dialog's buttons when it ends.
void ReportUploadError(const Exchange& c, std::uint32_t code);

}  // namespace taviron
