#include "base/InstanceGuard.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace taviron {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// A directory (not a link to one) that belongs to this user and that nobody else may write:
// what the user's runtime directory is, and what the guard's own directory must be.
bool OwnDirectory(const struct stat& st) {
  return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 022) == 0;
}

std::string Why(const std::filesystem::path& path, const std::string& what) {
  return "The single-instance lock cannot be taken: " + path.string() + " " + what + ".";
}

// Where the lock lies: the user's runtime directory, or without one (after su, in some remote
// sessions) a directory of the user's own under the temporary directory, made when missing.
// Empty, with the reason, when that directory is not the user's own: another user could
// otherwise hold or replace the lock.
std::filesystem::path LockDirectory(std::string& refusal) {
  const std::string runtime = Environment("XDG_RUNTIME_DIR");
  struct stat st {};
  if (!runtime.empty() && runtime.front() == '/' && ::stat(runtime.c_str(), &st) == 0 &&
      OwnDirectory(st)) {
    return runtime;
  }
  std::string temporary = Environment("TMPDIR");
  if (temporary.empty() || temporary.front() != '/') temporary = "/tmp";
  std::filesystem::path own =
      std::filesystem::path(temporary) / ("taviron-" + std::to_string(::geteuid()));
  if (::mkdir(own.c_str(), 0700) != 0 && errno != EEXIST) {
    refusal = Why(own, std::string("cannot be made (") + std::strerror(errno) + ")");
    return {};
  }
  if (::lstat(own.c_str(), &st) != 0 || !OwnDirectory(st)) {
    refusal = Why(own, "is not a directory of this user's own");
    return {};
  }
  return own;
}

}  // namespace

InstanceGuard::InstanceGuard(std::string_view name) {
  const std::filesystem::path directory = LockDirectory(refusal_);
  if (directory.empty()) return;
  const std::filesystem::path path = directory / (std::string(name) + ".lock");
  int fd =
      ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
  if (fd < 0) {
    refusal_ = Why(path, std::string("cannot be opened (") + std::strerror(errno) + ")");
    return;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
    ::close(fd);
    refusal_ = Why(path, "is not a file of this user's own");
    return;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    // Held: another copy runs, and this one ends without a word.
    if (errno != EWOULDBLOCK)
      refusal_ = Why(path, std::string("cannot be locked (") + std::strerror(errno) + ")");
    ::close(fd);
    return;
  }
  held_ = fd;
}

InstanceGuard::~InstanceGuard() {
  if (held_ != kNotHeld) ::close(static_cast<int>(held_));
}

}  // namespace taviron
