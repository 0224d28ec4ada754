#include "sim/ModelPort.h"

#include <algorithm>
#include <cstring>

namespace taviron::sim {

void ModelPort::Pull() {
  received_ += model_.TakeDue(clock_.Now());
}

bool ModelPort::Fails() {
  ++operations_;
  return failOperation_ > 0 && operations_ == failOperation_;
}

bool ModelPort::Open(std::string_view deviceName) {
  if (Fails()) return false;
  if (open_ || heldElsewhere) {
    openRefusal_ = OsErrorKind::kInUse;
    return false;
  }
  if (names.find(deviceName) == names.end()) {
    openRefusal_ = OsErrorKind::kNotFound;
    return false;
  }
  model_.TakeDue(clock_.Now());  // what the switch said while nobody listened is gone
  received_.clear();
  open_ = true;
  dtrLow_ = false;
  ++opens_;
  events_.push_back({PortEvent::kOpen, clock_.Now(), std::string(deviceName)});
  return true;
}

bool ModelPort::SetLine() {
  if (Fails() || !open_) return false;
  events_.push_back({PortEvent::kSetLine, clock_.Now(), {}});
  return true;
}

bool ModelPort::SetTimeouts(const CommTimeouts& timeouts) {
  if (Fails() || !open_) return false;
  timeouts_ = timeouts;
  events_.push_back({PortEvent::kTimeouts, clock_.Now(), {}});
  return true;
}

bool ModelPort::Read(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) {
  done = 0;
  if (Fails() || !open_) return false;
  if (failReads > 0) {
    --failReads;
    return false;
  }
  Pull();
  // Like a real port, a read waits for missing bytes until its time-outs pass.
  const TimeMs start = clock_.Now();
  const TimeMs total = start + timeouts_.readTotalConstant +
                       static_cast<TimeMs>(timeouts_.readTotalMultiplier) * count;
  TimeMs lastByte = start;
  while (received_.size() < count && count > 0) {
    TimeMs limit =
        received_.empty() ? total : std::min<TimeMs>(total, lastByte + timeouts_.readInterval);
    std::optional<TimeMs> next = model_.NextDue();
    if (!next || *next > limit) {
      clock_.AdvanceTo(limit);
      break;
    }
    clock_.AdvanceTo(*next);
    lastByte = *next;
    Pull();
  }
  done = static_cast<std::uint32_t>(std::min<std::size_t>(count, received_.size()));
  std::memcpy(buffer, received_.data(), done);
  events_.push_back({PortEvent::kRead, clock_.Now(), received_.substr(0, done)});
  received_.erase(0, done);
  return true;
}

bool ModelPort::Write(const std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) {
  done = 0;
  if (Fails() || !open_) return false;
  std::string bytes(reinterpret_cast<const char*>(buffer), count);
  if (onWrite) onWrite(bytes);
  if (failWrites > 0) {
    --failWrites;
    return false;
  }
  if (writesUntilFailure == 0) return false;
  if (writesUntilFailure > 0) --writesUntilFailure;
  events_.push_back({PortEvent::kWrite, clock_.Now(), bytes});
  model_.Receive(bytes, clock_.Now());
  done = count;
  return true;
}

CommStatus ModelPort::ClearCommError() {
  if (Fails() || !open_) return {};
  Pull();
  CommStatus status{true, lineErrors, static_cast<std::uint32_t>(received_.size())};
  lineErrors = 0;
  return status;
}

bool ModelPort::Purge(unsigned what) {
  if (Fails() || !open_) return false;
  Pull();
  if (what & (purge::kRxClear | purge::kRxAbort)) received_.clear();
  events_.push_back({PortEvent::kPurge, clock_.Now(), {}, what});
  return true;
}

bool ModelPort::LowerDtr() {
  if (Fails() || !open_) return false;
  dtrLow_ = true;
  events_.push_back({PortEvent::kLowerDtr, clock_.Now(), {}});
  return true;
}

void ModelPort::Close() {
  if (!open_) return;
  open_ = false;
  received_.clear();
  events_.push_back({PortEvent::kClose, clock_.Now(), {}});
}

std::vector<PortEvent> ModelPort::Writes() const {
  std::vector<PortEvent> writes;
  std::copy_if(events_.begin(), events_.end(), std::back_inserter(writes),
               [](const PortEvent& e) { return e.kind == PortEvent::kWrite; });
  return writes;
}

std::string ModelPort::Sent() const {
  std::string all;
  for (const PortEvent& e : events_) {
    if (e.kind == PortEvent::kWrite) all += e.bytes;
  }
  return all;
}

}  // namespace taviron::sim
