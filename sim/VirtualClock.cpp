#include "sim/VirtualClock.h"

#include <chrono>

namespace taviron::sim {

void VirtualClock::Sleep(TimeMs ms) {
  sleeps_.push_back(ms);
  if (ms > 0) now_ += ms;
}

LocalDateTime VirtualClock::LocalNow() const {
  // Calendar arithmetic without the system's time zone, so every system counts alike.
  using namespace std::chrono;
  const sys_seconds start = sys_days{year{2024} / March / 5} + hours{14} + minutes{7} + seconds{9};
  const sys_seconds t = start + seconds{now_ / 1000};
  const sys_days day = floor<days>(t);
  const year_month_day date{day};
  const hh_mm_ss time{t - day};
  return LocalDateTime{static_cast<int>(date.year()),
                       static_cast<int>(static_cast<unsigned>(date.month())),
                       static_cast<int>(static_cast<unsigned>(date.day())),
                       static_cast<int>(time.hours().count()),
                       static_cast<int>(time.minutes().count()),
                       static_cast<int>(time.seconds().count())};
}

}  // namespace taviron::sim
