#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/ErrorLog.h"

namespace taviron::cli {

// One failure the core reported: its code and its message, as the log would hold them.
struct Failure {
  std::uint32_t code = 0;
  std::string message;
  int exitStatus = 1;
};

// Collects the failures the core reports, whether or not the log is on, as the core reports
// them: by code, message and kind. What the switch itself reports about its ports and
// self-test is a state, not a failure of the command, and is no failure here either.
// The line a failure is shown as: its code (when it has one) and message, and a line end.
std::string FailureLine(const Failure& failure);

class Failures {
 public:
  void Listen(ErrorLog& log);
  const std::vector<Failure>& All() const { return failures_; }
  bool Any() const { return !failures_.empty() || toldStatus_ > 0; }
  // A failure found by the tool itself, without a code, and the exit status it calls for.
  void Add(std::string message, int exitStatus = 1) { Keep({0, std::move(message), exitStatus}); }
  // The failures kept so far no longer count: what they told is the state a command starts from.
  void Forget() { failures_.clear(); }

  // Each failure goes to the listener as it happens and is not kept; the exit status still
  // counts it.
  void Tell(std::function<void(const Failure&)> listener) { tell_ = std::move(listener); }

  // After a failure to open the port, why it did not open: the device and the cause, on the
  // lines after the failure's own.
  void ExplainPortOpenings(std::function<std::string()> explain) {
    explainPortOpening_ = std::move(explain);
  }

  // One line per failure kept: "10230101 Failed to obtain the Firmware version.".
  std::string Lines() const;
  // The highest of the failures' statuses by their kind (3 a file, 2 the operator's input, 1
  // the switch or the link), 0 without failures.
  int ExitStatus() const;

 private:
  void OnFailure(const FailureEvent& failure);
  void Keep(Failure failure);

  std::vector<Failure> failures_;
  std::function<void(const Failure&)> tell_;
  int toldStatus_ = 0;  // the highest status of the failures told and not kept
  std::function<std::string()> explainPortOpening_;
};

}  // namespace taviron::cli
