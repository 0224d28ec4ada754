#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "base/HeldLogFile.h"

namespace taviron {

HeldLogFile::~HeldLogFile() {
  Close();
}

bool HeldLogFile::Open(const std::filesystem::path& path) {
  Close();
  // Never through a link, whose target could be anyone's file; never waiting for a FIFO's
  // reader. Only a regular file is a log.
  int fd =
      ::open(path.c_str(),
             O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  struct stat st {};
  // flock holds against every other opener that asks for it, root included.
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  held_ = fd;
  return true;
}

bool HeldLogFile::Append(std::string_view bytes) {
  if (held_ == kNotHeld) return false;
  const int fd = static_cast<int>(held_);
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::uint64_t HeldLogFile::Size() const {
  struct stat st {};
  if (held_ == kNotHeld || ::fstat(static_cast<int>(held_), &st) != 0 || st.st_size < 0) return 0;
  return static_cast<std::uint64_t>(st.st_size);
}

void HeldLogFile::Close() {
  if (held_ == kNotHeld) return;
  ::close(static_cast<int>(held_));
  held_ = kNotHeld;
}

}  // namespace taviron
