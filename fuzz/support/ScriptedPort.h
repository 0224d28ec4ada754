#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/SerialPort.h"

namespace taviron::fuzz {

// A port whose far end is a script: every write is answered at once with what the responder
// gives for it, and reads take what was answered. Every write and every read is kept.
class ScriptedPort : public SerialPort {
 public:
  bool Open(std::string_view) override { return open_ = true; }
  bool IsOpen() const override { return open_; }
  bool SetLine() override { return open_; }
  bool SetTimeouts(const CommTimeouts&) override { return open_; }
  bool Read(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) override;
  bool Write(const std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) override;
  CommStatus ClearCommError() override;
  bool Purge(unsigned what) override;
  bool LowerDtr() override { return open_; }
  bool ReleaseFlowControl() override { return open_; }
  void Close() override { open_ = false; }
  OsError LastError() const override { return {}; }

  std::function<std::string(std::string_view written)> responder;
  std::vector<std::string> writes;
  std::vector<std::string> reads;

 private:
  bool open_ = false;
  std::string received_;
};

}  // namespace taviron::fuzz
