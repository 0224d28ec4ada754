#pragma once

#include <vector>

#include "base/Clock.h"

namespace taviron::sim {

// Virtual time: a wait costs nothing and is recorded exactly. Its calendar starts at
// 2024-03-05 14:07:09 and moves with the virtual milliseconds.
class VirtualClock : public Clock {
 public:
  TimeMs Now() const override { return now_; }
  void Sleep(TimeMs ms) override;
  LocalDateTime LocalNow() const override;

  void AdvanceTo(TimeMs t) {
    if (t > now_) now_ = t;
  }
  // Every Sleep, in order.
  const std::vector<TimeMs>& Sleeps() const { return sleeps_; }
  void ClearSleeps() { sleeps_.clear(); }

 private:
  TimeMs now_ = 0;
  std::vector<TimeMs> sleeps_;
};

}  // namespace taviron::sim
