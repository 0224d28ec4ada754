#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace taviron {

// How a failure counts for whoever ran the command: the command-line tool's exit status.
enum class FailureKind {
  kLink,     // the exchange with the switch failed, or its reply was not the expected one
  kRefused,  // the switch refused, or reported a hardware error of its own
  kInput,    // what the operator typed cannot be used
  kFile,     // a file could not be opened, read or written, or its content was refused
};

// 1 for the switch and the link, 2 for the operator's input, 3 for a file.
int ExitStatusOf(FailureKind kind);

// Where a failure's message box comes among its two log writes.
enum class BoxOrder {
  kBeforeRecord,           // the box, then the code, then the message
  kBetweenCodeAndMessage,  // the code, then the box, then the message
};

// One failure point: what the operator is shown, what the log keeps, and how it counts. The
// table (base/FailureTable.h) names the fields each entry sets; the others keep these defaults,
// except the kind, which every entry names (the build stops on an entry without it).
struct Failure {
  std::uint32_t code = 0;     // the eight digits in the log; 0: nothing is logged
  std::string_view box = {};  // the message box's text; empty: no box
  std::string_view caption = {};
  // The log message after the code; it carries its own line end unless the line-error text of
  // the last exchange (which brings one) follows it.
  std::string_view log = {};
  bool withCommError = false;
  FailureKind kind;
  BoxOrder order = BoxOrder::kBeforeRecord;
};

// A failure as it happened, for whoever follows the command: its code and its message as the
// log has it (line-error text included), and how it counts.
struct FailureEvent {
  std::uint32_t code;
  std::string message;
  FailureKind kind;
};

}  // namespace taviron
