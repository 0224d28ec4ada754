#pragma once

#include "base/Clock.h"

namespace taviron {

// The program's clock: a wait runs the event loop, so the windows keep painting while the
// switch works; the program keeps operator input away meanwhile.
class QtClock : public Clock {
 public:
  TimeMs Now() const override;
  void Sleep(TimeMs ms) override;
  LocalDateTime LocalNow() const override { return SystemLocalNow(); }
};

}  // namespace taviron
