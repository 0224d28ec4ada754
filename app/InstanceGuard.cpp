#include "app/InstanceGuard.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace taviron {

std::filesystem::path InstanceGuard::LockDirectory() {
  for (const char* variable : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
    const char* dir = std::getenv(variable);
    if (dir != nullptr && *dir != '\0' && std::filesystem::is_directory(dir)) return dir;
  }
  return "/tmp";
}

InstanceGuard::InstanceGuard(std::string_view name) {
  std::filesystem::path path = LockDirectory() / (std::string(name) + ".lock");
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return;
  }
  fd_ = fd;
}

InstanceGuard::~InstanceGuard() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace taviron
