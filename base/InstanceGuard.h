#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace taviron {

// Keeps a second copy of the program from running. The guard is a lock on a file of the user's
// own (POSIX) or a named mutex (Windows); the system drops it when the process ends, however it
// ends, so a copy that crashed never locks the program out.
class InstanceGuard {
 public:
  explicit InstanceGuard(std::string_view name);
  ~InstanceGuard();
  InstanceGuard(const InstanceGuard&) = delete;
  InstanceGuard& operator=(const InstanceGuard&) = delete;

  // False when another copy holds the guard, or it could not be made.
  bool Acquired() const { return held_ != kNotHeld; }
  // Why the guard could not be made, for the operator (what and why, on one line); empty while
  // it is held and when another copy of the same user holds it.
  const std::string& Refusal() const { return refusal_; }

 private:
  static constexpr std::intptr_t kNotHeld = -1;
  // What holds the guard, as the platform makes it: a descriptor or a handle.
  std::intptr_t held_ = kNotHeld;
  std::string refusal_;
};

}  // namespace taviron
