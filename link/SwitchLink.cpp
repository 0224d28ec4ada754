#include "link/SwitchLink.h"

#include <algorithm>

#include "base/ComPortNames.h"

namespace taviron {
namespace {

constexpr int kAttempts = 3;
// A passing shortage of the system restarts the attempt count, but never more than this often.
constexpr int kShortageRestarts = 3;
constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::string_view LineErrorText(std::uint32_t errorWord) {
  switch (errorWord) {
    case line_error::kRxOver:
      return "(Receive Buffer Overflow)\r\n";
    case line_error::kOverrun:
      return "(Overrun Error)\r\n";
    case line_error::kRxParity:
      return "(Parity Error)\r\n";
    case line_error::kFrame:
      return "(Framing Error)\r\n";
    case line_error::kBreak:
      return "(Break Error)\r\n";
    case line_error::kTxFull:
      return "(Send Buffer Overflow)\r\n";
    case line_error::kIoError:
      return "(I/O Error)\r\n";
    case line_error::kMode:
      return "(HANDLE Disable)\r\n";
    default:
      return kLineEnd;
  }
}

std::string SwitchLink::ConfiguredPortName() const {
  if (!portName_.empty()) return portName_;
  return ComPortName(ComPortIndex);
}

bool SwitchLink::OpenConnection(std::string_view portName) {
  if (portName.empty() || !port_.Open(portName)) return false;
  port_.Purge(purge::kTxAbort | purge::kRxAbort | purge::kTxClear | purge::kRxClear);
  timeouts_ = CommTimeouts{};
  port_.SetTimeouts(timeouts_);
  return true;
}

bool SwitchLink::SetupConnection() {
  return port_.SetLine();
}

std::uint32_t SwitchLink::getInque() {
  CommStatus status = port_.ClearCommError();
  return status.ok ? status.bytesQueued : 0;
}

void SwitchLink::BuffClear() {
  port_.Purge(purge::kTxClear);
  port_.Purge(purge::kRxClear);
}

bool SwitchLink::CloseConnection() {
  if (!port_.IsOpen()) return true;
  port_.LowerDtr();
  port_.Purge(purge::kTxAbort);
  port_.Purge(purge::kRxAbort);
  port_.Purge(purge::kTxClear);
  port_.Purge(purge::kRxClear);
  port_.ReleaseFlowControl();
  port_.Close();
  return true;
}

void SwitchLink::SetReadTimeouts(std::uint32_t interval, std::uint32_t totalConstant) {
  timeouts_.readInterval = interval;
  timeouts_.readTotalConstant = totalConstant;
  if (port_.IsOpen()) port_.SetTimeouts(timeouts_);
}

bool SwitchLink::Attempt(int direction, std::span<std::uint8_t> buffer, std::uint32_t& done,
                         std::uint32_t& count) {
  // A read must leave room for the terminator that a failed read stores after its bytes.
  const std::size_t room = direction == kRead ? buffer.size() - 1 : buffer.size();
  count = static_cast<std::uint32_t>(std::min<std::size_t>(count, room));
  int attempts = 0;
  int restarts = 0;
  while (attempts < kAttempts) {
    bool ok;
    done = 0;
    if (direction == kRead) {
      clock_.Sleep(static_cast<TimeMs>(count) * 10);
      std::uint32_t queued = getInque();
      if (queued < count) count = queued;
      ok = port_.Read(buffer.data(), count, done);
    } else {
      BuffClear();
      ok = port_.Write(buffer.data(), count, done);
    }
    if (ok && done != 0) return true;
    clock_.Sleep(count);
    if (port_.LastErrorWasShortage() && restarts < kShortageRestarts) {
      ++restarts;
      attempts = 0;
    }
    ++attempts;
  }
  return false;
}

void SwitchLink::AfterFailedRead(int direction, std::span<std::uint8_t> buffer,
                                 std::uint32_t done) {
  if (direction != kRead) return;
  port_.Purge(purge::kRxClear);
  buffer[std::min<std::size_t>(done, buffer.size() - 1)] = 0;
}

bool SwitchLink::RWPort(int direction, std::span<std::uint8_t> buffer, std::uint32_t& done,
                        std::uint32_t count) {
  commErrorText_ = kLineEnd;
  done = 0;
  if (buffer.empty()) {
    LinkState = kLinkCommunicationFailure;
    return false;
  }
  if (Attempt(direction, buffer, done, count)) return true;
  CommStatus status = port_.ClearCommError();
  AfterFailedRead(direction, buffer, done);
  if (status.ok) commErrorText_ = LineErrorText(status.errors);
  LinkState = kLinkCommunicationFailure;
  return false;
}

bool SwitchLink::RWPort_ini(int direction, std::span<std::uint8_t> buffer, std::uint32_t& done,
                            std::uint32_t count) {
  commErrorText_ = kLineEnd;
  done = 0;
  if (buffer.empty()) return true;
  if (!Attempt(direction, buffer, done, count)) AfterFailedRead(direction, buffer, done);
  return true;
}

}  // namespace taviron
