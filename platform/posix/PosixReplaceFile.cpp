#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "base/ReplaceFile.h"

namespace taviron {
namespace {

// The mode a new file gets from this process: what open() would give 0666 under the umask.
mode_t DefaultMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The directory's own entry reaches the disk, so a rename survives a crash that follows it.
void FlushDirectory(const std::filesystem::path& directory) {
  int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool ReplaceFile(const std::filesystem::path& file, std::string_view bytes) {
  OsError cause;
  return ReplaceFile(file, bytes, cause);
}

bool ReplaceFile(const std::filesystem::path& file, std::string_view bytes, OsError& cause) {
  struct stat old {};
  const bool exists = ::lstat(file.c_str(), &old) == 0;
  // A file that its owner made read-only stays as it is; rename alone would not ask.
  if (exists && S_ISREG(old.st_mode) && ::access(file.c_str(), W_OK) != 0) {
    cause = SystemError(EACCES);
    return false;
  }

  // The new file has a name of its own in the same directory, made by mkostemp: created
  // exclusively, so it is never someone else's file nor a link planted there, and two savers
  // never write into each other's. A leftover of a program killed meanwhile is only ever that.
  const std::filesystem::path directory = file.parent_path();
  std::string name = (directory / ("." + file.filename().string() + ".XXXXXX")).string();
  int fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) {
    cause = SystemError(errno);
    return false;
  }
  errno = 0;
  // The replacement keeps the mode (and, where allowed, the owner) of the file it replaces.
  const mode_t mode = exists && S_ISREG(old.st_mode) ? (old.st_mode & 07777) : DefaultMode();
  bool ok = ::fchmod(fd, mode) == 0;
  if (ok && exists && S_ISREG(old.st_mode)) {
    [[maybe_unused]] int kept = ::fchown(fd, old.st_uid, old.st_gid);
  }
  ok = ok && WriteAll(fd, bytes);
  ok = ok && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  // One rename puts it in the old one's place (a link there is replaced, never followed).
  if (ok && ::rename(name.c_str(), file.c_str()) == 0) {
    FlushDirectory(directory);
    return true;
  }
  cause = SystemError(errno != 0 ? errno : EIO);
  ::unlink(name.c_str());
  return false;
}

}  // namespace taviron
