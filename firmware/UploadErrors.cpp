#include "firmware/UploadErrors.h"

#include <algorithm>
#include <iterator>

#include "link/LinkState.h"

namespace taviron {
namespace {

constexpr std::string_view kStarting = "Starting Error";
constexpr std::string_view kWriting = "Writing Error";
constexpr std::string_view kFileCheck = "File check error";

// Read time-outs of an opened port, which the upload lengthens for its own waits.
constexpr std::uint32_t kReadInterval = 500;
constexpr std::uint32_t kReadTotalConstant = 1000;

using namespace upload_code;

constexpr UploadError kErrors[] = {
    {kUpgradeCommandNotSent, "Failed to run the Firmware upgrade command.", kStarting,
     "Failed to run the Firmware upgrade command.\r\n"},
    {kBannerNoReply, "Failed to start BOOTLOADER.[1]", kStarting,
     "Failed to start BOOTLOADER.[1]\r\n"},
    {kBannerNoTini, "Failed to start BOOTLOADER.[2]", kStarting,
     "Failed to start BOOTLOADER.[2]\r\n"},
    {kBannerNoProcessor, "Failed to start BOOTLOADER.[3]", kStarting,
     "Failed to start BOOTLOADER.[3]\r\n"},
    {kFileNotOpened, "Failed to open program file.", kStarting, "Failed to open program file.\r\n"},
    {kLoadNotSent, "Failed to send LOAD command.[1]\r\nRetry start.", kWriting,
     "Failed to send LOAD command.[1]\r\n"},
    {kLoadNoReply, "Failed to send LOAD command.[2]\r\nRetry start.", kWriting,
     "Failed to send LOAD command.[2]\r\n"},
    {kSendNoRecordMark, "File's record mark couldn't be found.\r\nRetry start.", kWriting,
     "File's record mark couldn't be found.\r\n"},
    {kSendBadHexDigit, "Records of the file is not normal.\r\nRetry start.", kWriting,
     "Records of the file is not normal.\r\n"},
    {kSendBadSize, "Record size of the file is not normal.\r\nRetry start.", kWriting,
     "Record size of the file is not normal.\r\n"},
    {kSendBadChecksum, "Check sum Error\r\nRetry start.", kWriting, "Check sum Error\r\n"},
    {kSendBadType, "Record type Error\r\nRetry start.", kWriting, "Record type Error\r\n"},
    {kSendBadAddress, "Record address Error\r\nRetry start.", kWriting, "Record address Error\r\n"},
    {kLoadNoEcho, "Response of load command is not normal.[1]\r\nRetry start.", kWriting,
     "Response of load command is not normal.[1]\r\n"},
    {kLoadFailed, "Response of load command is not normal.[3]\r\nRetry start.", kWriting,
     "Response of load command is not normal.[3]\r\n"},
    {kBankNotSent, "Response of bank command is not normal.[1]", kWriting,
     "Response of bank command is not normal.[1]\r\n"},
    {kBankNoReply, "Response of bank command is not normal.[2]", kWriting,
     "Response of bank command is not normal.[2]\r\n"},
    {kBankNoEcho, "Response of bank command is not normal.[3]", kWriting,
     "Response of bank command is not normal.[3]\r\n"},
    {kEraseNotSent, "Response of erase command is not normal.[1]", kWriting,
     "Response of erase command is not normal.[1]\r\n"},
    {kEraseNoReply, "Response of erase command is not normal.[2]", kWriting,
     "Response of erase command is not normal.[2]\r\n"},
    {kEraseNoEcho, "Response of erase command is not normal.[3]", kWriting,
     "Response of erase command is not normal.[3]\r\n"},
    {kEraseNoQuestion, "Response of erase command is not normal.[4]", kWriting,
     "Response of erase command is not normal.[4]\r\n"},
    {kConfirmNotSent, "Response of erase command is not normal.[5]", kWriting,
     "Response of erase command is not normal.[5]\r\n"},
    {kPromptNotSent, "Response of erase command is not normal.[6]", kWriting,
     "Response of erase command is not normal.[6]\r\n"},
    {kPromptNoReply, "Response of erase command is not normal.[7]", kWriting,
     "Response of erase command is not normal.[7]\r\n"},
    {kNoPrompt, "Response of erase command is not normal.[8]", kWriting,
     "Response of erase command is not normal.[8]\r\n"},
    {kFileNoRecordMark, "File format error.", kFileCheck, "File format error\r\n"},
    {kFileBadHexDigit, "File format error.", kFileCheck, "File format error\r\n"},
    {kFileBadSize, "File format error.", kFileCheck, "File format error\r\n"},
    {kFileBadChecksum, "File format error.", kFileCheck, "File format error\r\n"},
    {kNotConnected, "COM connection error.", "Connection check error", "COM connection error\r\n"},
    {kRetriesFailed, "Failed to retry to write.", "Retry Error", "Failed to retry to write.\r\n"},
};

}  // namespace

const UploadError* FindUploadError(std::uint32_t code) {
  auto it = std::find_if(std::begin(kErrors), std::end(kErrors),
                         [code](const UploadError& e) { return e.code == code; });
  return it == std::end(kErrors) ? nullptr : it;
}

void ReportUploadError(const Exchange& c, std::uint32_t code) {
  const UploadError* error = FindUploadError(code);
  if (error != nullptr) {
    c.frontend.MessageBox(error->text, error->caption);
    c.Record(code, error->logText);
  }
  c.link.SetReadTimeouts(kReadInterval, kReadTotalConstant);
  c.link.LinkState = kLinkFirmwareUpdateFailure;
}

}  // namespace taviron
