#include "sim/VirtualClock.h"

#include <ctime>

namespace taviron::sim {

void VirtualClock::Sleep(TimeMs ms) {
  sleeps_.push_back(ms);
  if (ms > 0) now_ += ms;
}

LocalDateTime VirtualClock::LocalNow() const {
  std::tm base{};
  base.tm_year = 2024 - 1900;
  base.tm_mon = 2;
  base.tm_mday = 5;
  base.tm_hour = 14;
  base.tm_min = 7;
  base.tm_sec = 9;
  std::time_t t = ::timegm(&base) + static_cast<std::time_t>(now_ / 1000);
  std::tm tm{};
  ::gmtime_r(&t, &tm);
  return LocalDateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                       tm.tm_hour,        tm.tm_min,     tm.tm_sec};
}

}  // namespace taviron::sim
