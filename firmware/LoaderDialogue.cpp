#include "firmware/LoaderDialogue.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "base/FailureCatalogue.h"
#include "firmware/FileCheck.h"
#include "firmware/IntelHex.h"
#include "link/CommandTable.h"
#include "link/Greeting.h"

namespace taviron {
namespace {

// A command of the loader: what is sent, the pause before reading, how much is read and what
// the answer must contain, with the failure of each way it can go wrong.
struct LoaderStep {
  std::string_view text;
  TimeMs pause;
  std::uint32_t readUpTo;
  std::string_view answer;
  const Failure& notSent;
  const Failure& noReply;
  const Failure& wrongAnswer;
};

constexpr LoaderStep kSelectBank{.text = "B 0\r",
                                 .pause = 50,
                                 .readUpTo = 6,
                                 .answer = "B 0",
                                 .notSent = failure::kUpgradeBankNotSent,
                                 .noReply = failure::kUpgradeBankNoReply,
                                 .wrongAnswer = failure::kUpgradeBankNoEcho};
constexpr LoaderStep kErase{.text = "Z 0\r",
                            .pause = 10,
                            .readUpTo = 20,
                            .answer = "Z 0",
                            .notSent = failure::kUpgradeEraseNotSent,
                            .noReply = failure::kUpgradeEraseNoReply,
                            .wrongAnswer = failure::kUpgradeEraseNoEcho};
constexpr LoaderStep kPrompt{.text = "\r",
                             .pause = 0,
                             .readUpTo = 5,
                             .answer = kLoaderPrompt,
                             .notSent = failure::kUpgradePromptNotSent,
                             .noReply = failure::kUpgradePromptNoReply,
                             .wrongAnswer = failure::kUpgradeNoPrompt};
constexpr LoaderStep kLoad{.text = "L\r",
                           .pause = 10,
                           .readUpTo = 3,
                           .answer = "L",
                           .notSent = failure::kUpgradeLoadNotSent,
                           .noReply = failure::kUpgradeLoadNoReply,
                           .wrongAnswer = failure::kUpgradeLoadNoEcho};

// After "fupm" the firmware needs a moment before the loader listens; a line end then wakes
// the loader's banner.
constexpr std::string_view kWakeLoader = "\r\n";
constexpr TimeMs kBannerPause = 100;

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

const Failure* LoaderExchange(Exchange& exchange, Transfer& transfer, const LoaderStep& step) {
  if (!transfer.Send(step.text)) return &step.notSent;
  if (step.pause > 0) exchange.clock().Sleep(step.pause);
  if (!transfer.Receive(step.readUpTo)) return &step.noReply;
  return Contains(transfer.Reply(), step.answer) ? nullptr : &step.wrongAnswer;
}

void ShowProgress(Exchange& exchange, FirmwareWindow& fwUpdate, int records) {
  fwUpdate.ProgressBar1 = records;
  fwUpdate.Lb_per = std::to_string(records * 100 / std::max(fwUpdate.progressMaximum, 1));
  exchange.frontend().DialogChanged(Dialog::kFirmwareUpgrade);
}

// Sends the file's records as read, each checked again on its way.
const Failure* SendRecords(Exchange& exchange, FirmwareWindow& fwUpdate, Transfer& transfer,
                           HexFile& file, int& records) {
  HexRecord record;
  std::string text;
  for (std::string_view line; !(line = file.ReadLine()).empty();) {
    if (RecordCheck check = CheckRecord(line, record); check != RecordCheck::kGood) {
      return SendingFailure(check);
    }
    const RecordKind kind = ClassifyRecord(record);
    if (const Failure* refused = SendingFailure(kind)) return refused;
    text.assign(line);
    // The loader reads a record by its length byte: only data records need a line end.
    if (kind == RecordKind::kData) text += kRecordEnd;
    // A record that does not reach the loader spoils the load as surely as one it refuses.
    if (!transfer.Send(text)) return &failure::kUpgradeLoadFailed;
    if (kind == RecordKind::kEndOfFile) break;
    exchange.clock().Sleep(kRecordPause);
    exchange.frontend().ProcessMessages();
    ShowProgress(exchange, fwUpdate, ++records);
  }
  return nullptr;
}

}  // namespace

const Failure* EnterLoader(Exchange& exchange, Transfer& transfer) {
  if (!transfer.Send(command::kFirmwareUpdateMode.text)) return &failure::kUpgradeCommandNotSent;
  exchange.clock().Sleep(command::kFirmwareUpdateMode.pause);
  transfer.Send(kWakeLoader);
  exchange.clock().Sleep(kBannerPause);
  if (!transfer.Receive(command::kFirmwareUpdateMode.replyBytes)) {
    return &failure::kUpgradeBannerNoReply;
  }
  if (!Contains(transfer.Reply(), kLoaderBannerName)) return &failure::kUpgradeBannerNoTini;
  if (!Contains(transfer.Reply(), kLoaderBannerProcessor))
    return &failure::kUpgradeBannerNoProcessor;
  exchange.link.SwitchInLoader = true;
  return nullptr;
}

const Failure* ReachWaitingLoader(Exchange& exchange, std::uint32_t readInterval,
                                  std::uint32_t readTotalConstant) {
  if (!exchange.link.HasPort()) {
    if (!exchange.link.OpenConfiguredPort()) return &failure::kUpgradeNotConnected;
    exchange.link.SetupConnection();
    exchange.link.SetReadTimeouts(readInterval, readTotalConstant);
  }
  return AnswersAsLoader(exchange.link) ? nullptr : &failure::kUpgradeBannerNoReply;
}

const Failure* SelectBank(Exchange& exchange, Transfer& transfer) {
  return LoaderExchange(exchange, transfer, kSelectBank);
}

const Failure* LoadAttempt(Exchange& exchange, FirmwareWindow& fwUpdate, Transfer& transfer,
                           HexFile& file, int& records) {
  if (const Failure* failed = LoaderExchange(exchange, transfer, kErase)) return failed;
  exchange.clock().Sleep(kQuestionPause);
  if (!Contains(transfer.Reply(), kQuestion)) return &failure::kUpgradeEraseNoQuestion;
  if (!transfer.Send(kConfirm)) return &failure::kUpgradeConfirmNotSent;
  exchange.clock().Sleep(kErasePause);
  if (const Failure* failed = LoaderExchange(exchange, transfer, kPrompt)) return failed;
  file.Rewind();
  if (const Failure* failed = LoaderExchange(exchange, transfer, kLoad)) return failed;
  if (const Failure* failed = SendRecords(exchange, fwUpdate, transfer, file, records))
    return failed;
  // No answer at all is no error: only a reported failure counts.
  transfer.Receive(kResultBytes);
  return Contains(transfer.Reply(), kLoadError) ? &failure::kUpgradeLoadFailed : nullptr;
}

void LeaveLoader(Exchange& exchange, Transfer& transfer) {
  exchange.clock().Sleep(kLeavePause);
  for (int i = 0; i < kLeaveLines; ++i) {
    transfer.Send(kLeaveLine);
    exchange.clock().Sleep(kLeavePause);
  }
  transfer.Send(kExit);
}

}  // namespace taviron
