#pragma once

#include <cstdint>
#include <ctime>

namespace taviron {

// Milliseconds since an arbitrary start; only differences mean anything.
using TimeMs = std::int64_t;

// Local calendar time, as the error log stamps it.
struct LocalDateTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// Every wait of the protocol goes through a Clock, so tests run on virtual time and the
// windows can keep painting while the switch works.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual TimeMs Now() const = 0;
  virtual void Sleep(TimeMs ms) = 0;
  virtual LocalDateTime LocalNow() const = 0;
};

// Plain steady clock: sleeps the calling thread. For the simulator and the command-line tool.
class SteadyClock : public Clock {
 public:
  TimeMs Now() const override;
  void Sleep(TimeMs ms) override;
  LocalDateTime LocalNow() const override;
};

// Reads the system's local date and time (each platform defines it).
LocalDateTime SystemLocalNow();

}  // namespace taviron
