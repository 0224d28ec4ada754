// The greeting and the password verdict, each answered with the same arbitrary reply by the
// simulated switch. The outcome follows the reply's bracket and the byte after it, or the
// reply's fourth byte, and nothing else.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzRig.h"
#include "link/CommandTable.h"
#include "link/Greeting.h"

namespace {

using namespace taviron;

// The bytes one read of count takes: the greeting and the verdict look at bytes, a NUL among
// them.
std::string Seen(std::string_view reply, std::uint32_t count) {
  return std::string(reply.substr(0, count));
}

void GreetWith(std::string_view reply, bool wakeUpLines) {
  fuzz::FuzzRig rig;
  rig.model.faults.replies["probe"] = std::string(reply);
  rig.Connect();
  SwitchLink& link = rig.c.exchange.link;
  link.SwitchMode = 'x';
  const taviron::Greeting outcome = Greet(link, wakeUpLines, command::kProbe.pause);
  FUZZ_CHECK(rig.clock.Now() < 1000);
  const std::string seen = Seen(reply, command::kProbe.replyBytes);
  const std::size_t bracket = seen.substr(0, 3).find('[');
  if (reply.empty()) {
    FUZZ_CHECK(outcome == taviron::Greeting::kNoReply &&
               rig.c.exchange.link.LinkState == kLinkCommunicationFailure);
    return;
  }
  FUZZ_CHECK(rig.c.exchange.link.LinkState == kLinkConnected);
  if (bracket == std::string::npos) {
    FUZZ_CHECK(outcome == taviron::Greeting::kNoBracket);
    return;
  }
  const char after = bracket + 1 < seen.size() ? seen[bracket + 1] : '\0';
  FUZZ_CHECK(link.SwitchMode == after);
  FUZZ_CHECK(outcome == (after == '0' || after == '1' ? taviron::Greeting::kAnswered
                                                      : taviron::Greeting::kBadMode));
}

void Verdict(std::string_view reply) {
  fuzz::FuzzRig rig;
  rig.model.state.userPassword = "pw";
  rig.model.faults.replies["password"] = std::string(reply);
  rig.Connect();
  const PasswordVerdict verdict = SendPasswordLine(rig.c.exchange.link, "pw");
  FUZZ_CHECK(rig.clock.Now() < 1000);
  const std::string seen = Seen(reply, command::kPassword.replyBytes);
  const char fourth = seen.size() > 3 ? seen[3] : '\0';
  if (reply.empty()) {
    FUZZ_CHECK(verdict == PasswordVerdict::kNoReply);
  } else if (fourth == '0') {
    FUZZ_CHECK(verdict == PasswordVerdict::kAccepted);
  } else if (fourth == '1') {
    FUZZ_CHECK(verdict == PasswordVerdict::kRejected);
  } else {
    FUZZ_CHECK(verdict == PasswordVerdict::kFailed);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 32) return -1;  // five bytes are read
  const std::string_view reply = fuzz::AsText(data, size);
  GreetWith(reply, true);
  GreetWith(reply, false);
  Verdict(reply);
  return 0;
}
