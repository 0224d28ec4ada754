#pragma once

#include <cstdint>
#include <string_view>

namespace taviron {

// Keeps a second copy of the program from running. The guard is a lock on a file in the user's
// runtime directory (POSIX) or a named mutex (Windows); the system drops it when the process
// ends, however it ends, so a copy that crashed never locks the program out.
class InstanceGuard {
 public:
  explicit InstanceGuard(std::string_view name);
  ~InstanceGuard();
  InstanceGuard(const InstanceGuard&) = delete;
  InstanceGuard& operator=(const InstanceGuard&) = delete;

  // False when another copy holds the guard (or it cannot be made).
  bool Acquired() const { return held_ != kNotHeld; }

 private:
  static constexpr std::intptr_t kNotHeld = -1;
  // What holds the guard, as the platform makes it: a descriptor or a handle.
  std::intptr_t held_ = kNotHeld;
};

}  // namespace taviron
