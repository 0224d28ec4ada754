#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/SerialPort.h"

namespace taviron {

// A COM port through the Windows serial communications calls: "COM1" to "COM256" open as
// \\.\COMn, without sharing and without overlapped I/O, so the driver's own time-outs pace every
// read and write. The last system error is kept with its text, so that a caller can tell the
// operator why a port did not open (absent, held by another program, not a serial device). The
// line state and time-outs found at the opening are put back at the closing, so the next program
// on the port finds them as they were.
class Win32SerialPort : public SerialPort {
 public:
  Win32SerialPort();
  ~Win32SerialPort() override;
  Win32SerialPort(const Win32SerialPort&) = delete;
  Win32SerialPort& operator=(const Win32SerialPort&) = delete;

  bool Open(std::string_view deviceName) override;
  bool IsOpen() const override { return handle_ != nullptr; }
  bool SetLine() override;
  bool SetTimeouts(const CommTimeouts& timeouts) override;
  bool Read(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) override;
  bool Write(const std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) override;
  CommStatus ClearCommError() override;
  bool Purge(unsigned what) override;
  bool LowerDtr() override;
  bool ReleaseFlowControl() override;
  void Close() override;
  OsError LastError() const override;

  // The system error code (GetLastError) of the last failed call; 0 while none failed.
  std::uint32_t LastErrorCode() const { return lastError_; }
  // The system's text for that code.
  std::string LastErrorText() const;
  // The device the port was opened as, \\.\COMn.
  const std::string& DevicePath() const { return device_; }

 private:
  bool Fail();
  bool Fail(std::uint32_t code);

  struct FoundLine;  // the line state and time-outs of the port when it was opened

  void* handle_ = nullptr;  // the port's HANDLE while open
  // Line errors a purge's look at the output queue cleared, kept for the next ClearCommError.
  unsigned long keptErrors_ = 0;
  std::unique_ptr<FoundLine> found_;
  std::uint32_t lastError_ = 0;
  std::string device_;
};

}  // namespace taviron
