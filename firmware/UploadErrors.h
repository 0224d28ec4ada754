#pragma once

#include <cstdint>
#include <string_view>

#include "link/Exchange.h"

namespace taviron {

// The failure points of the firmware upgrade.
namespace upload_code {
inline constexpr std::uint32_t kUpgradeCommandNotSent = 10230601;
inline constexpr std::uint32_t kBannerNoReply = 10230602;
inline constexpr std::uint32_t kBannerNoTini = 10230603;
inline constexpr std::uint32_t kBannerNoProcessor = 10230604;
inline constexpr std::uint32_t kFileNotOpened = 10230610;
inline constexpr std::uint32_t kLoadNotSent = 10230611;
inline constexpr std::uint32_t kLoadNoReply = 10230612;
inline constexpr std::uint32_t kSendNoRecordMark = 10230613;
inline constexpr std::uint32_t kSendBadHexDigit = 10230614;
inline constexpr std::uint32_t kSendBadSize = 10230615;
inline constexpr std::uint32_t kSendBadChecksum = 10230616;
inline constexpr std::uint32_t kSendBadType = 10230617;
inline constexpr std::uint32_t kSendBadAddress = 10230618;
inline constexpr std::uint32_t kLoadNoEcho = 10230620;
inline constexpr std::uint32_t kLoadFailed = 10230626;
inline constexpr std::uint32_t kBankNotSent = 10230650;
inline constexpr std::uint32_t kBankNoReply = 10230651;
inline constexpr std::uint32_t kBankNoEcho = 10230652;
inline constexpr std::uint32_t kEraseNotSent = 10230660;
inline constexpr std::uint32_t kEraseNoReply = 10230661;
inline constexpr std::uint32_t kEraseNoEcho = 10230662;
inline constexpr std::uint32_t kEraseNoQuestion = 10230663;
inline constexpr std::uint32_t kConfirmNotSent = 10230664;
inline constexpr std::uint32_t kPromptNotSent = 10230665;
inline constexpr std::uint32_t kPromptNoReply = 10230666;
inline constexpr std::uint32_t kNoPrompt = 10230667;
inline constexpr std::uint32_t kFileNoRecordMark = 10230680;
inline constexpr std::uint32_t kFileBadHexDigit = 10230681;
inline constexpr std::uint32_t kFileBadSize = 10230682;
inline constexpr std::uint32_t kFileBadChecksum = 10230683;
inline constexpr std::uint32_t kNotConnected = 10230684;
inline constexpr std::uint32_t kRetriesFailed = 10230690;
}  // namespace upload_code

// What the operator is shown and what the log keeps for one failure point.
struct UploadError {
  std::uint32_t code;
  std::string_view text;     // message box
  std::string_view caption;  // message box
  std::string_view logText;  // after the code in LOG.TXT, with its own line end
};

// The entry of a code; nullptr for a code the upgrade does not report.
const UploadError* FindUploadError(std::uint32_t code);

// The error report: message box, log record, the port's read time-outs back to those of an
// opened port, LinkState 6. The dialog stays open and the port as it is; the upload decides
// whether another attempt follows, and enables the dialog's buttons when it ends.
void ReportUploadError(const Exchange& c, std::uint32_t code);

}  // namespace taviron
