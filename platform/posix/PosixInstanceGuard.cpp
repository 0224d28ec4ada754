#include "base/InstanceGuard.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace taviron {
namespace {

// $XDG_RUNTIME_DIR, else $TMPDIR, else /tmp.
std::filesystem::path LockDirectory() {
  for (const char* variable : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
    const char* dir = std::getenv(variable);
    if (dir != nullptr && *dir != '\0' && std::filesystem::is_directory(dir)) return dir;
  }
  return "/tmp";
}

}  // namespace

InstanceGuard::InstanceGuard(std::string_view name) {
  std::filesystem::path path = LockDirectory() / (std::string(name) + ".lock");
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return;
  }
  held_ = fd;
}

InstanceGuard::~InstanceGuard() {
  if (held_ != kNotHeld) ::close(static_cast<int>(held_));
}

}  // namespace taviron
