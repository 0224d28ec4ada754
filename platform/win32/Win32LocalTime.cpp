#include <windows.h>

#include "base/Clock.h"

namespace taviron {

LocalDateTime SystemLocalNow() {
  // The system's own local time, with its time zone and daylight saving as the desktop shows.
  SYSTEMTIME t{};
  ::GetLocalTime(&t);
  return LocalDateTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

}  // namespace taviron
