#pragma once

#include <cstdint>
#include <string_view>

#include "base/Clock.h"
#include "base/Failure.h"
#include "link/SwitchLink.h"

namespace taviron {

// How the greeting ended.
enum class Greeting { kAnswered, kProbeNotSent, kNoReply, kNoBracket, kBadMode };

// The failures one sequence reports for those of its greeting.
struct GreetingFailures {
  const Failure& probeNotSent;
  const Failure& noReply;
  const Failure& noBracket;
  const Failure& badMode;
  // The failure of an outcome other than kAnswered.
  const Failure& Of(Greeting outcome) const;
};

// The greeting exchange: optionally the four wake-up lines, then the probe byte, a pause, and
// the reply whose '[' (in one of its first three bytes) is followed by the mode character,
// '0' without and '1' with a user password. link.SwitchMode receives that character.
Greeting Greet(SwitchLink& link, bool wakeUpLines, TimeMs replyPause);

// After a greeting that found no bracketed mode: a carriage return, and whether the answer is
// the ROM loader's (its prompt or its banner). Sets link.SwitchInLoader accordingly; after any
// other outcome nothing is sent and the flag is cleared, so a switch running its firmware is
// never taken for its loader.
bool RecogniseLoader(SwitchLink& link, Greeting outcome);
// The carriage return and the look at its answer, on their own.
bool AnswersAsLoader(SwitchLink& link);

// How the switch judged a password line.
enum class PasswordVerdict { kAccepted, kRejected, kNotSent, kNoReply, kFailed };

// Sends the password and CR LF, pauses, and reads the verdict in the reply's fourth byte.
PasswordVerdict SendPasswordLine(SwitchLink& link, std::string_view password);

}  // namespace taviron
