#include "link/Greeting.h"

#include <string>

#include "link/CommandTable.h"
#include "link/Transfer.h"

namespace taviron {

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

Greeting Greet(SwitchLink& link, bool wakeUpLines, TimeMs replyPause, char& switchMode) {
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
  std::string_view reply = transfer.Reply();
  std::size_t bracket = reply.substr(0, 3).find('[');
  if (bracket == std::string_view::npos) return Greeting::kNoBracket;
  switchMode = transfer.ReplyAt(bracket + 1);
  if (switchMode != '0' && switchMode != '1') return Greeting::kBadMode;
  return Greeting::kAnswered;
}

PasswordVerdict SendPasswordLine(SwitchLink& link, std::string_view password) {
  Transfer transfer(link);
  if (!transfer.Send(std::string(password) + std::string(kLineEnd))) {
    return PasswordVerdict::kNotSent;
  }
  link.clock().Sleep(command::kPassword.pause);
  if (!transfer.Receive(command::kPassword.replyBytes)) return PasswordVerdict::kNoReply;
  switch (transfer.ReplyAt(command::kPassword.verdictIndex)) {
    case '0':
      return PasswordVerdict::kAccepted;
    case '1':
      return PasswordVerdict::kRejected;
    default:
      return PasswordVerdict::kFailed;
  }
}

}  // namespace taviron
