#include "base/Clock.h"

#include <chrono>
#include <thread>

namespace taviron {

TimeMs SteadyClock::Now() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void SteadyClock::Sleep(TimeMs ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

LocalDateTime SteadyClock::LocalNow() const {
  return SystemLocalNow();
}

}  // namespace taviron
