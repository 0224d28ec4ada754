#pragma once

#include "base/Clock.h"

namespace taviron {

// The window program's clock: a wait handles the thread's messages, so the windows keep
// painting while the switch works; the input gate keeps the operator's input away meanwhile.
class Win32Clock : public Clock {
 public:
  TimeMs Now() const override;
  void Sleep(TimeMs ms) override;
  LocalDateTime LocalNow() const override { return SystemLocalNow(); }
};

}  // namespace taviron
