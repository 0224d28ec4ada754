#include "firmware/LoaderDialogue.h"

#include <string>
#include <string_view>

#include "firmware/FileCheck.h"
#include "firmware/IntelHex.h"
#include "firmware/UploadErrors.h"
#include "link/CommandTable.h"

namespace taviron {
namespace {

using namespace upload_code;

// A command of the loader: what is sent, the pause before reading, how much is read and what
// the answer must contain, with the codes of each failure.
struct LoaderStep {
  std::string_view text;
  TimeMs pause;
  std::uint32_t readUpTo;
  std::string_view answer;
  std::uint32_t notSent;
  std::uint32_t noReply;
  std::uint32_t wrongAnswer;
};

constexpr LoaderStep kSelectBank{"B 0\r", 50, 6, "B 0", kBankNotSent, kBankNoReply, kBankNoEcho};
constexpr LoaderStep kErase{"Z 0\r", 10, 20, "Z 0", kEraseNotSent, kEraseNoReply, kEraseNoEcho};
constexpr LoaderStep kPrompt{"\r", 0, 5, ">", kPromptNotSent, kPromptNoReply, kNoPrompt};
constexpr LoaderStep kLoad{"L\r", 10, 3, "L", kLoadNotSent, kLoadNoReply, kLoadNoEcho};

// After "fupm" the firmware needs a moment before the loader listens; a line end then wakes
// the loader's banner.
constexpr std::string_view kWakeLoader = "\r\n";
constexpr TimeMs kBannerPause = 100;
constexpr std::string_view kBannerName = "TINI";
constexpr std::string_view kBannerProcessor = "DS80C400";

// The erase asks for confirmation, and the program waits out the erase after confirming.
constexpr TimeMs kQuestionPause = 10;
constexpr std::string_view kQuestion = "sure?";
constexpr std::string_view kConfirm = "y\r";
constexpr TimeMs kErasePause = 2000;

constexpr std::string_view kRecordEnd = "\r\n";
constexpr TimeMs kRecordPause = 30;
constexpr std::uint32_t kResultBytes = 80;
constexpr std::string_view kLoadError = "Err";

constexpr TimeMs kLeavePause = 50;
constexpr std::string_view kLeaveLine = "\r";
constexpr int kLeaveLines = 4;
constexpr std::string_view kExit = "E\r";

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

std::uint32_t LoaderExchange(const UpgradeState& c, Transfer& transfer, const LoaderStep& step) {
  if (!transfer.Send(step.text)) return step.notSent;
  if (step.pause > 0) c.clock.Sleep(step.pause);
  if (!transfer.Receive(step.readUpTo)) return step.noReply;
  return Contains(transfer.Reply(), step.answer) ? 0 : step.wrongAnswer;
}

void ShowProgress(const UpgradeState& c, int records) {
  c.fwUpdate.ProgressBar1 = records;
  c.fwUpdate.Lb_per = std::to_string(records * 100 / kProgressRecords);
  c.frontend.DialogChanged(Dialog::kFirmwareUpgrade);
}

// Sends the file's records as read, each checked again on its way.
std::uint32_t SendRecords(const UpgradeState& c, Transfer& transfer, HexFile& file, int& records) {
  HexRecord record;
  std::string text;
  for (std::string_view line; !(line = file.ReadLine()).empty();) {
    if (RecordCheck check = CheckRecord(line, record); check != RecordCheck::kGood) {
      return SendingCode(check);
    }
    const RecordKind kind = ClassifyRecord(record);
    if (std::uint32_t code = SendingCode(kind)) return code;
    text.assign(line);
    // The loader reads a record by its length byte: only data records need a line end.
    if (kind == RecordKind::kData) text += kRecordEnd;
    // A record that does not reach the loader spoils the load as surely as one it refuses.
    if (!transfer.Send(text)) return kLoadFailed;
    if (kind == RecordKind::kEndOfFile) break;
    c.clock.Sleep(kRecordPause);
    c.frontend.ProcessMessages();
    ShowProgress(c, ++records);
  }
  return 0;
}

}  // namespace

std::uint32_t EnterLoader(const UpgradeState& c, Transfer& transfer) {
  if (!transfer.Send(command::kFirmwareUpdateMode.text)) return kUpgradeCommandNotSent;
  c.clock.Sleep(command::kFirmwareUpdateMode.pause);
  transfer.Send(kWakeLoader);
  c.clock.Sleep(kBannerPause);
  if (!transfer.Receive(command::kFirmwareUpdateMode.replyBytes)) return kBannerNoReply;
  if (!Contains(transfer.Reply(), kBannerName)) return kBannerNoTini;
  if (!Contains(transfer.Reply(), kBannerProcessor)) return kBannerNoProcessor;
  return 0;
}

std::uint32_t SelectBank(const UpgradeState& c, Transfer& transfer) {
  return LoaderExchange(c, transfer, kSelectBank);
}

std::uint32_t LoadAttempt(const UpgradeState& c, Transfer& transfer, HexFile& file, int& records) {
  if (std::uint32_t code = LoaderExchange(c, transfer, kErase)) return code;
  c.clock.Sleep(kQuestionPause);
  if (!Contains(transfer.Reply(), kQuestion)) return kEraseNoQuestion;
  if (!transfer.Send(kConfirm)) return kConfirmNotSent;
  c.clock.Sleep(kErasePause);
  if (std::uint32_t code = LoaderExchange(c, transfer, kPrompt)) return code;
  file.Rewind();
  if (std::uint32_t code = LoaderExchange(c, transfer, kLoad)) return code;
  if (std::uint32_t code = SendRecords(c, transfer, file, records)) return code;
  // No answer at all is no error: only a reported failure counts.
  transfer.Receive(kResultBytes);
  return Contains(transfer.Reply(), kLoadError) ? kLoadFailed : 0;
}

void LeaveLoader(const UpgradeState& c, Transfer& transfer) {
  c.clock.Sleep(kLeavePause);
  for (int i = 0; i < kLeaveLines; ++i) {
    transfer.Send(kLeaveLine);
    c.clock.Sleep(kLeavePause);
  }
  transfer.Send(kExit);
}

}  // namespace taviron
