#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "base/SerialPort.h"
#include "sim/SwitchModel.h"
#include "sim/VirtualClock.h"

namespace taviron::sim {

// What happened on the port, in order, with its virtual time.
struct PortEvent {
  enum Kind { kOpen, kClose, kSetLine, kWrite, kRead, kPurge, kLowerDtr, kTimeouts };
  Kind kind;
  TimeMs at;
  std::string bytes;   // written or read
  unsigned flags = 0;  // purge flags
};

// A serial port wired to the simulated switch inside the process, on virtual time. It records
// every operation and can be made to fail.
class ModelPort : public SerialPort {
 public:
  ModelPort(SwitchModel& model, VirtualClock& clock) : model_(model), clock_(clock) {}

  bool Open(std::string_view deviceName) override;
  bool IsOpen() const override { return open_; }
  bool SetLine() override;
  bool SetTimeouts(const CommTimeouts& timeouts) override;
  bool Read(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) override;
  bool Write(const std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) override;
  CommStatus ClearCommError() override;
  bool Purge(unsigned what) override;
  bool LowerDtr() override;
  bool ReleaseFlowControl() override { return !Fails() && open_; }
  void Close() override;
  OsError LastError() const override {
    if (shortage) return {OsErrorKind::kShortage, 0, {}};
    return {openRefusal_, 0, {}};
  }

  // Knobs.
  std::set<std::string, std::less<>> names{"COM1"};  // names that lead to the switch
  bool heldElsewhere = false;                        // another program has the port
  int failWrites = 0;                                // the next this many writes fail
  int writesUntilFailure = -1;   // after this many more writes, every write fails
  int failReads = 0;             // the next this many reads fail
  std::uint32_t lineErrors = 0;  // reported (and cleared) by the next ClearCommError
  bool shortage = false;         // failures look like a passing system shortage
  // Sees every write before it is tried, so a test can change the switch or the port at a
  // chosen point of a sequence.
  std::function<void(const std::string& bytes)> onWrite;
  // Fails the nth port operation from now on (1 the next one), whatever its kind: open, line
  // set-up, time-outs, write, read, error word, purge, DTR, flow control. 0 fails none.
  // Operations() counts them from here, so a clean run tells how many a sequence makes.
  void FailOperation(int n) {
    failOperation_ = n;
    operations_ = 0;
  }
  int Operations() const { return operations_; }

  // Records.
  const std::vector<PortEvent>& Events() const { return events_; }
  void ClearEvents() { events_.clear(); }
  // Every write, in order, with its time.
  std::vector<PortEvent> Writes() const;
  // All bytes written, joined.
  std::string Sent() const;
  const CommTimeouts& Timeouts() const { return timeouts_; }
  bool DtrLow() const { return dtrLow_; }
  int Opens() const { return opens_; }

 private:
  void Pull();
  // Counts one operation; true when it is the one to fail.
  bool Fails();

  SwitchModel& model_;
  VirtualClock& clock_;
  bool open_ = false;
  bool dtrLow_ = false;
  // Why the last opening was refused, as a real port would say.
  OsErrorKind openRefusal_ = OsErrorKind::kOther;
  int opens_ = 0;
  int failOperation_ = 0;
  int operations_ = 0;
  CommTimeouts timeouts_;
  std::string received_;
  std::vector<PortEvent> events_;
};

}  // namespace taviron::sim
