#include "link/Greeting.h"

#include <string>

#include "base/PasswordText.h"
#include "link/CommandTable.h"
#include "link/Transfer.h"

namespace taviron {
namespace {

// The loader answers a carriage return with its prompt, or with its banner the first time.
constexpr std::string_view kLoaderWake = "\r";
constexpr TimeMs kLoaderWakePause = 100;
constexpr std::uint32_t kLoaderAnswerBytes = 48;

}  // namespace

const Failure& GreetingFailures::Of(Greeting outcome) const {
  switch (outcome) {
    case Greeting::kProbeNotSent:
      return probeNotSent;
    case Greeting::kNoReply:
      return noReply;
    case Greeting::kNoBracket:
      return noBracket;
    case Greeting::kBadMode:
    case Greeting::kAnswered:
      break;
  }
  return badMode;
}

Greeting Greet(SwitchLink& link, bool wakeUpLines, TimeMs replyPause) {
  Transfer transfer(link);
  if (wakeUpLines) {
    for (int i = 0; i < 4; ++i) {
      transfer.SendIni(command::kWakeUp.text);
      link.clock().Sleep(command::kWakeUp.pause);
    }
  }
  if (!transfer.Send(command::kProbe.text)) return Greeting::kProbeNotSent;
  link.clock().Sleep(replyPause);
  if (!transfer.Receive(command::kProbe.replyBytes)) return Greeting::kNoReply;
  // The bracket is looked for among the bytes received, a NUL before it included.
  std::size_t bracket = 0;
  while (bracket < 3 && transfer.ByteAt(bracket) != '[')
    ++bracket;
  if (bracket == 3) return Greeting::kNoBracket;
  link.SwitchMode = transfer.ByteAt(bracket + 1);
  if (link.SwitchMode != '0' && link.SwitchMode != '1') return Greeting::kBadMode;
  return Greeting::kAnswered;
}

bool AnswersAsLoader(SwitchLink& link) {
  Transfer transfer(link, kLoaderAnswerBytes + 1);
  if (!transfer.Send(kLoaderWake)) return false;
  link.clock().Sleep(kLoaderWakePause);
  if (!transfer.Receive(kLoaderAnswerBytes)) return false;
  const std::string_view answer = transfer.Reply();
  for (std::string_view sign : {kLoaderPrompt, kLoaderBannerName, kLoaderBannerProcessor}) {
    if (answer.find(sign) != std::string_view::npos) return true;
  }
  return false;
}

bool RecogniseLoader(SwitchLink& link, Greeting outcome) {
  link.SwitchInLoader =
      (outcome == Greeting::kNoReply || outcome == Greeting::kNoBracket) && AnswersAsLoader(link);
  return link.SwitchInLoader;
}

PasswordVerdict SendPasswordLine(SwitchLink& link, std::string_view password) {
  // The windows refuse such a password; this is the last guard before the line.
  if (HoldsUnsendableCharacters(password)) return PasswordVerdict::kNotSent;
  Transfer transfer(link);
  if (!transfer.Send(std::string(password) + std::string(kLineEnd))) {
    return PasswordVerdict::kNotSent;
  }
  link.clock().Sleep(command::kPassword.pause);
  if (!transfer.Receive(command::kPassword.replyBytes)) return PasswordVerdict::kNoReply;
  switch (transfer.ByteAt(command::kPassword.verdictIndex)) {
    case '0':
      return PasswordVerdict::kAccepted;
    case '1':
      return PasswordVerdict::kRejected;
    default:
      return PasswordVerdict::kFailed;
  }
}

}  // namespace taviron
