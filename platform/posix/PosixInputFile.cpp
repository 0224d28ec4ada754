#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "base/InputFile.h"

namespace taviron {
namespace {

bool RegularWithin(const struct stat& st, std::uint64_t bound) {
  return S_ISREG(st.st_mode) && st.st_size >= 0 && static_cast<std::uint64_t>(st.st_size) <= bound;
}

}  // namespace

bool InputFile::Open(const std::filesystem::path& path, std::uint64_t sizeBound) {
  Close();
  // A device is not even opened: opening some has effects of its own (a serial port raises
  // its lines).
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return false;
  // O_NONBLOCK: a FIFO that took the name meanwhile opens at once rather than waiting for a
  // writer; what the descriptor then is decides.
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  if (::fstat(fd, &st) != 0 || !RegularWithin(st, sizeBound)) {
    ::close(fd);
    return false;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  held_ = fd;
  bound_ = sizeBound;
  return true;
}

std::size_t InputFile::ReadHeld(char* buffer, std::size_t size) {
  for (;;) {
    ssize_t n = ::read(static_cast<int>(held_), buffer, size);
    if (n >= 0) return static_cast<std::size_t>(n);
    if (errno == EINTR) continue;
    failed_ = true;
    return 0;
  }
}

bool InputFile::SeekHeldToStart() {
  return ::lseek(static_cast<int>(held_), 0, SEEK_SET) == 0;
}

void InputFile::CloseHeld() {
  ::close(static_cast<int>(held_));
}

}  // namespace taviron
