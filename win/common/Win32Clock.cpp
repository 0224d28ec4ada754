#include "win/common/Win32Clock.h"

#include <chrono>

#include "win/common/MessagePump.h"

namespace taviron {

TimeMs Win32Clock::Now() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void Win32Clock::Sleep(TimeMs ms) {
  if (ms <= 0) {
    HandleWaitingMessages();
    return;
  }
  HandleMessagesUntil(*this, Now() + ms);
}

}  // namespace taviron
