#pragma once

#include <cstdint>
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

// Collects the failure records the core writes, whether or not the log is on. Records of what
// the switch itself reports about its ports and self-test (codes below 10000000) are states,
// not failures of the command, and are left out.
class Failures {
 public:
  void Listen(ErrorLog& log);
  const std::vector<Failure>& All() const { return failures_; }
  bool Any() const { return !failures_.empty(); }
  // A failure found by the tool itself, without a code, and the exit status it calls for.
  void Add(std::string message, int exitStatus = 1) {
    failures_.push_back({0, std::move(message), exitStatus});
  }

  // One line per failure: "10230101 Failed to obtain the Firmware version.".
  std::string Lines() const;
  // 3 when a file could not be read, written or was refused, 2 for an address the operator
  // typed that cannot be used, 1 for any other failure, 0 without failures.
  int ExitStatus() const;

 private:
  void OnWrite(std::string_view text, int flag);

  std::vector<Failure> failures_;
  bool open_ = false;  // the last record takes the message pieces that follow
};

}  // namespace taviron::cli
