#include "tests/support/ReplaceBlocker.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <stdexcept>

namespace taviron::test {
namespace {

// Sets or clears the file's immutable flag, which holds against root too: an immutable file
// cannot be renamed over.
void SetImmutable(const std::filesystem::path& file, bool on) {
  int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw std::runtime_error("ReplaceBlocker: cannot open " + file.string());
  int flags = 0;
  bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
  ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  ::close(fd);
  if (!ok) throw std::runtime_error("ReplaceBlocker: the file system keeps no immutable flag");
}

}  // namespace

ReplaceBlocker::ReplaceBlocker(const std::filesystem::path& file) : file_(file) {
  SetImmutable(file_, true);
}

ReplaceBlocker::~ReplaceBlocker() {
  try {
    SetImmutable(file_, false);
  } catch (const std::exception&) {
  }
}

}  // namespace taviron::test
