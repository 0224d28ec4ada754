#pragma once

#include <filesystem>
#include <string_view>

namespace taviron {

// Keeps a second copy of the program from running. The guard is a lock on a file in the user's
// runtime directory; the system drops it when the process ends, however it ends, so a copy that
// crashed never locks the program out.
class InstanceGuard {
 public:
  explicit InstanceGuard(std::string_view name);
  ~InstanceGuard();
  InstanceGuard(const InstanceGuard&) = delete;
  InstanceGuard& operator=(const InstanceGuard&) = delete;

  // False when another copy holds the guard (or it cannot be made).
  bool Acquired() const { return fd_ >= 0; }

  // $XDG_RUNTIME_DIR, else $TMPDIR, else /tmp.
  static std::filesystem::path LockDirectory();

 private:
  int fd_ = -1;
};

}  // namespace taviron
