#include "app/ErrorLog.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace taviron {
namespace {

constexpr std::string_view kRule = "----------------------------------------------------------\r\n";
constexpr std::string_view kColumns = "DATE                 ErrorCode  ErrorMessage\r\n";

// Opens a file for appending and takes it exclusively; -1 when either fails.
int OpenExclusive(const std::filesystem::path& path) {
  int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

std::string CodeText(std::uint32_t code) {
  char text[16];
  std::snprintf(text, sizeof text, "%08u   ", code % 100000000u);
  return text;
}

std::string TimestampText(const LocalDateTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d:%02d:%02d %02d:%02d:%02d  ", t.year % 10000, t.month % 100,
                t.day % 100, t.hour % 100, t.minute % 100, t.second % 100);
  return text;
}

ErrorLog::ErrorLog(std::filesystem::path directory, const Clock& clock)
    : directory_(std::move(directory)), clock_(clock) {}

ErrorLog::~ErrorLog() {
  ReleaseStream();
}

void ErrorLog::Append(std::string_view bytes) {
  if (fd_ < 0) return;
  // Each piece goes to the file at once, appended; write errors are not reported.
  while (!bytes.empty()) {
    ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
}

void ErrorLog::WriteErrLog(std::string_view text, int flag) {
  if (listener) listener(text.substr(0, text.find('\0')), flag);
  if (LogEnabled != 1) return;
  if (flag == 1) Append(TimestampText(clock_.LocalNow()));
  Append(text.substr(0, text.find('\0')));
}

void ErrorLog::OpenErrLog() {
  ReleaseStream();
  fd_ = OpenExclusive(LogPath());
  if (fd_ < 0) return;
  struct stat st {};
  if (::fstat(fd_, &st) == 0 && st.st_size > 0) return;
  WriteErrLog(kRule, 0);
  WriteErrLog(kColumns, 0);
  WriteErrLog(kRule, 0);
}

void ErrorLog::CloseErrLog() {
  WriteErrLog("\r\n", 0);
  ReleaseStream();
}

void ErrorLog::ReleaseStream() {
  if (fd_ < 0) return;
  ::close(fd_);
  fd_ = -1;
}

int ErrorLog::CanWriteFile(int which) const {
  // The settings file is replaced whole at shutdown (SaveSettings), which reports for itself.
  if (which != kLogFile) return 0;
  if (fd_ >= 0) return 1;  // already ours
  int fd = OpenExclusive(LogPath());
  if (fd < 0) return 0;
  ::close(fd);
  return 1;
}

void ErrorLog::Record(std::uint32_t code, std::string_view message) {
  WriteErrLog(CodeText(code), 1);
  WriteErrLog(message, 0);
}

}  // namespace taviron
