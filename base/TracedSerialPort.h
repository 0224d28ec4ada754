#pragma once

#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

#include "base/SerialPort.h"

namespace taviron {

// A port that writes every byte that crosses it to a trace, one line per transfer: the
// milliseconds since the trace began, ">" for bytes written and "<" for bytes read, and the bytes
// escaped (printable ASCII as it is, a backslash doubled, every other byte as \xHH). Opening and
// closing are traced too. The port is put in front of the real one only when a trace is asked
// for, so no trace costs nothing.
class TracedSerialPort : public SerialPort {
 public:
  TracedSerialPort(SerialPort& inner, std::ostream& trace);

  bool Open(std::string_view deviceName) override;
  bool IsOpen() const override { return inner_.IsOpen(); }
  bool SetLine() override { return inner_.SetLine(); }
  bool SetTimeouts(const CommTimeouts& timeouts) override { return inner_.SetTimeouts(timeouts); }
  bool Read(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) override;
  bool Write(const std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) override;
  CommStatus ClearCommError() override { return inner_.ClearCommError(); }
  bool Purge(unsigned what) override { return inner_.Purge(what); }
  bool LowerDtr() override { return inner_.LowerDtr(); }
  bool ReleaseFlowControl() override { return inner_.ReleaseFlowControl(); }
  void Close() override;
  OsError LastError() const override { return inner_.LastError(); }
  std::string DeviceFor(std::string_view deviceName) const override {
    return inner_.DeviceFor(deviceName);
  }

 private:
  void Line(char direction, std::string_view text);

  SerialPort& inner_;
  std::ostream& trace_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// Bytes as a trace shows them.
std::string TraceText(const std::uint8_t* bytes, std::uint32_t count);

}  // namespace taviron
