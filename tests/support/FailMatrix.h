#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "tests/support/Descriptors.h"
#include "tests/support/Harness.h"

namespace taviron::test {

// What a sequence may leave behind when one of its port operations fails: the codes and
// messages of its log records, the texts it logs without a code, and its message boxes.
struct Allowed {
  std::set<std::uint32_t> codes;
  std::set<std::string> messages;  // a record's message, with its line end
  std::set<std::string> texts;     // written without a code
  std::set<std::string> boxes;     // "text|caption"
};
Allowed operator+(Allowed a, const Allowed& b);

// One sequence of the fail matrix: how the harness is prepared, what runs, and what the
// system may end in.
struct FailSequence {
  const char* name;
  std::function<void(Harness&)> arrange;
  std::function<void(Harness&)> run;
  Allowed allowed;
  std::set<int> linkStates;
  TimeMs timeBound;
  // Brings the switch back where the failure left it beyond the program's reach (a switch left
  // in its ROM loader is switched off and on); empty when the program can do it alone.
  std::function<void(Harness&)> recover = nullptr;
};

// The sequence's name in the test's messages.
inline void PrintTo(const FailSequence& sequence, std::ostream* out) {
  *out << sequence.name;
}

// One log record as the core wrote it: the code text and its message, or a text on its own.
struct WrittenRecord {
  std::string codeText;  // "10230101   ", empty for a text written without a code
  std::string message;
};

// What one run of a sequence with its nth port operation failing left behind.
struct FailRun {
  int failed = 0;      // the operation that failed, 0 when the sequence made fewer than n
  int operations = 0;  // port operations the sequence made
  std::vector<WrittenRecord> records;
  std::vector<std::string> boxes;  // "text|caption"
  int linkState = 0;
  bool portOpen = false;
  int descriptorsBefore = 0;
  int descriptorsAfter = 0;
  TimeMs took = 0;
  // After the knob is cleared: a connect and a refresh, and the status bar they leave.
  std::string statusAfterRecovery;
  int linkStateAfterRecovery = 0;
};

// Runs the sequence on a fresh harness with its nth port operation failing, then tries the
// next command.
FailRun RunWithFailure(const FailSequence& sequence, int n);

// Everything in the run that the sequence does not allow, one line each; empty when sound.
std::vector<std::string> Violations(const FailSequence& sequence, const FailRun& run);

}  // namespace taviron::test
