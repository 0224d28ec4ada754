#pragma once

#include <cstdint>
#include <string_view>

#include "base/Clock.h"
#include "link/SwitchLink.h"

namespace taviron {

// How the greeting ended.
enum class Greeting { kAnswered, kProbeNotSent, kNoReply, kNoBracket, kBadMode };

// The codes one sequence logs for the failures of its greeting.
struct GreetingCodes {
  std::uint32_t probeNotSent;
  std::uint32_t noReply;
  std::uint32_t noBracket;
  std::uint32_t badMode;
  std::uint32_t Of(Greeting outcome) const;
};

// The greeting exchange: optionally the four wake-up lines, then the probe byte, a pause, and
// the reply whose '[' (in one of its first three bytes) is followed by the mode character,
// '0' without and '1' with a user password. switchMode receives that character.
Greeting Greet(SwitchLink& link, bool wakeUpLines, TimeMs replyPause, char& switchMode);

// How the switch judged a password line.
enum class PasswordVerdict { kAccepted, kRejected, kNotSent, kNoReply, kFailed };

// Sends the password and CR LF, pauses, and reads the verdict in the reply's fourth byte.
PasswordVerdict SendPasswordLine(SwitchLink& link, std::string_view password);

}  // namespace taviron
