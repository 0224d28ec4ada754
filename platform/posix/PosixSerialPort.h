#pragma once

#include <termios.h>

#include <cstdint>
#include <string>

#include "base/SerialPort.h"

namespace taviron {

struct ComPortAssignments;

// A serial device through termios: COM names resolve to devices (ComPortDevice), access is
// exclusive (flock, which also holds against root, and TIOCEXCL), time-outs are kept with
// poll, and line errors come from the driver's error counters where the device has them. The
// line settings found at the opening are put back at the closing, so the next program on the
// device (a serial terminal) finds them as they were.
class PosixSerialPort : public SerialPort {
 public:
  PosixSerialPort() = default;
  ~PosixSerialPort() override;
  PosixSerialPort(const PosixSerialPort&) = delete;
  PosixSerialPort& operator=(const PosixSerialPort&) = delete;

  bool Open(std::string_view deviceName) override;
  bool IsOpen() const override { return fd_ >= 0; }
  bool SetLine() override;
  bool SetTimeouts(const CommTimeouts& timeouts) override;
  bool Read(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) override;
  bool Write(const std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) override;
  CommStatus ClearCommError() override;
  bool Purge(unsigned what) override;
  bool LowerDtr() override;
  bool ReleaseFlowControl() override;
  void Close() override;
  OsError LastError() const override { return lastError_; }
  std::string DeviceFor(std::string_view deviceName) const override;

  // COM names lead where these assignments point them (nullptr: nowhere but their defaults);
  // the table must outlive the port, and is read at every opening.
  void UseAssignments(const ComPortAssignments* assignments) { assignments_ = assignments; }

  const std::string& DevicePath() const { return device_; }

 private:
  struct ErrorCounters {
    std::int64_t overrun = 0, parity = 0, frame = 0, brk = 0, bufferOverrun = 0;
  };
  bool ReadCounters(ErrorCounters& counters) const;
  std::uint32_t OutputQueued() const;
  // Keeps the error for LastError: the given number, or errno of the call that just failed.
  bool Fail();
  bool Fail(int code);

  int fd_ = -1;
  const ComPortAssignments* assignments_ = nullptr;
  OsError lastError_;
  std::string device_;
  CommTimeouts timeouts_;
  bool haveCounters_ = false;
  ErrorCounters counters_;
  bool haveFoundLine_ = false;
  termios foundLine_{};
};

}  // namespace taviron
