#pragma once

#include <string>

namespace taviron {

// What a failed call of the operating system tells about its cause, in the terms the program
// acts on and tells the operator.
enum class OsErrorKind {
  kNone,             // nothing failed
  kNotFound,         // no such device or file
  kNoPermission,     // the user may not open it
  kInUse,            // another program holds it
  kNotSerialDevice,  // it exists but is no serial port
  kShortage,         // a passing shortage of memory or buffers, worth another attempt
  kNotOpen,          // the call needs an open port and there is none
  kOther,
};

struct OsError {
  OsErrorKind kind = OsErrorKind::kNone;
  long code = 0;     // the system's own number (errno, or GetLastError on Windows)
  std::string text;  // the system's own words for it
};

// The kind and text of an error number of the system the program was built for; each platform
// maps its numbers here, in one place.
OsError SystemError(long code);

}  // namespace taviron
