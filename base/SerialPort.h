#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/OsError.h"

namespace taviron {

// Line-error word, with the bit values the switch tools have always used (Windows CE_ flags).
namespace line_error {
constexpr std::uint32_t kRxOver = 0x0001;
constexpr std::uint32_t kOverrun = 0x0002;
constexpr std::uint32_t kRxParity = 0x0004;
constexpr std::uint32_t kFrame = 0x0008;
constexpr std::uint32_t kBreak = 0x0010;
constexpr std::uint32_t kTxFull = 0x0100;
constexpr std::uint32_t kIoError = 0x0400;
constexpr std::uint32_t kMode = 0x8000;
}  // namespace line_error

// What Purge discards; may be combined.
namespace purge {
constexpr unsigned kTxAbort = 0x0001;
constexpr unsigned kRxAbort = 0x0002;
constexpr unsigned kTxClear = 0x0004;
constexpr unsigned kRxClear = 0x0008;
}  // namespace purge

// Read and write time-outs in milliseconds. A read of N bytes returns when N bytes arrived,
// when readInterval passes without a further byte, or when readTotalConstant +
// N * readTotalMultiplier passes in all. A write may take N * writeTotalMultiplier +
// writeTotalConstant.
struct CommTimeouts {
  std::uint32_t readInterval = 500;
  std::uint32_t readTotalMultiplier = 0;
  std::uint32_t readTotalConstant = 1000;
  std::uint32_t writeTotalMultiplier = 2;
  std::uint32_t writeTotalConstant = 0;
};

// Outcome of reading and clearing the line errors.
struct CommStatus {
  bool ok = false;                // false when the port could not be asked (none open)
  std::uint32_t errors = 0;       // line-error word, cleared by the call
  std::uint32_t bytesQueued = 0;  // received and not yet read
};

// One RS-232 port, opened by name. Every call is synchronous. Implementations: the POSIX
// termios port and the in-process port that serves the simulated switch.
class SerialPort {
 public:
  virtual ~SerialPort() = default;

  // Exclusive read-write access to an existing device; false when it is missing or held.
  virtual bool Open(std::string_view deviceName) = 0;
  virtual bool IsOpen() const = 0;
  // 38400 baud, 8 data bits, no parity, 1 stop bit, raw binary transfer; flow control as the
  // driver had it.
  virtual bool SetLine() = 0;
  virtual bool SetTimeouts(const CommTimeouts& timeouts) = 0;
  virtual bool Read(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) = 0;
  virtual bool Write(const std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) = 0;
  virtual CommStatus ClearCommError() = 0;
  virtual bool Purge(unsigned what) = 0;
  virtual bool LowerDtr() = 0;
  // Leaves the line without hardware flow control before it is released.
  virtual bool ReleaseFlowControl() = 0;
  virtual void Close() = 0;
  // Why the last failed call failed, as the system said it.
  virtual OsError LastError() const = 0;
  // The device Open would try for this name, as the operator would look for it; empty when the
  // name leads nowhere.
  virtual std::string DeviceFor(std::string_view deviceName) const {
    return std::string(deviceName);
  }
  // The last failed call failed for a passing shortage of the system (no memory or buffer
  // space), which is worth another attempt.
  bool LastErrorWasShortage() const { return LastError().kind == OsErrorKind::kShortage; }
};

}  // namespace taviron
