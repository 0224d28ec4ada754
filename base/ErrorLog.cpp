#include "base/ErrorLog.h"

#include <cstdio>

namespace taviron {
namespace {

constexpr std::string_view kRule = "----------------------------------------------------------\r\n";
constexpr std::string_view kColumns = "DATE                 ErrorCode  ErrorMessage\r\n";

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
  // Each piece goes to the file at once, appended; write errors are not reported.
  file_.Append(bytes);
}

void ErrorLog::WriteErrLog(std::string_view text, int flag) {
  if (onWrite) onWrite(text.substr(0, text.find('\0')), flag);
  if (LogEnabled != 1) return;
  if (flag == 1) Append(TimestampText(clock_.LocalNow()));
  Append(text.substr(0, text.find('\0')));
}

void ErrorLog::OpenErrLog() {
  ReleaseStream();
  if (!file_.Open(LogPath()) || file_.Size() > 0) return;
  WriteErrLog(kRule, 0);
  WriteErrLog(kColumns, 0);
  WriteErrLog(kRule, 0);
}

void ErrorLog::CloseErrLog() {
  WriteErrLog("\r\n", 0);
  ReleaseStream();
}

void ErrorLog::ReleaseStream() {
  file_.Close();
}

int ErrorLog::CanWriteFile(int which) const {
  // The settings file is replaced whole at shutdown (SaveSettings), which reports for itself.
  if (which != kLogFile) return 0;
  if (file_.IsOpen()) return 1;  // already ours
  HeldLogFile probe;
  return probe.Open(LogPath()) ? 1 : 0;
}

void ErrorLog::Record(std::uint32_t code, std::string_view message) {
  WriteErrLog(CodeText(code), 1);
  WriteErrLog(message, 0);
}

}  // namespace taviron
