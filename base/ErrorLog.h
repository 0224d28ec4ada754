#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "base/Clock.h"
#include "base/Failure.h"
#include "base/HeldLogFile.h"

namespace taviron {

// Which file CanWriteFile tries.
constexpr int kSettingsFile = 0;
constexpr int kLogFile = 1;

inline constexpr std::string_view kLogFileName = "LOG.TXT";
inline constexpr std::string_view kSettingsFileName = "SWITCH.INI";

// The error log LOG.TXT: a header once, then one entry per reported failure, each a timestamp,
// an eight-digit code and a message, appended while logging is on.
class ErrorLog {
 public:
  ErrorLog(std::filesystem::path directory, const Clock& clock);
  ~ErrorLog();
  ErrorLog(const ErrorLog&) = delete;
  ErrorLog& operator=(const ErrorLog&) = delete;

  // Appends the text (up to a NUL byte), after the timestamp when flag is 1; only while
  // LogEnabled is 1.
  void WriteErrLog(std::string_view text, int flag);
  // Opens or creates LOG.TXT, held exclusively, and writes the header when it is empty.
  void OpenErrLog();
  // Writes the closing empty line (while logging is on) and releases the file.
  void CloseErrLog();
  // Releases the file without writing anything.
  void ReleaseStream();
  // 1 when LOG.TXT (kLogFile) can be opened for appending and taken, 0 otherwise.
  int CanWriteFile(int which) const;

  // A failure record: the code with the timestamp, then the message, which carries its own
  // line end.
  void Record(std::uint32_t code, std::string_view message);

  bool StreamOpen() const { return file_.IsOpen(); }
  const std::filesystem::path& Directory() const { return directory_; }
  std::filesystem::path LogPath() const { return directory_ / kLogFileName; }

  std::uint8_t LogEnabled = 0;

  // Hears of every failure reported, whether logging is on or not.
  std::function<void(const FailureEvent& failure)> onFailure;
  void Notify(const FailureEvent& failure) const {
    if (onFailure) onFailure(failure);
  }
  // Hears every piece as WriteErrLog is given it (without the timestamp), whether logging is
  // on or not: for the fuzz targets, which look at the entries without a file. A front end
  // follows failures through onFailure, never by reading these texts.
  std::function<void(std::string_view text, int flag)> onWrite;

 private:
  void Append(std::string_view bytes);

  std::filesystem::path directory_;
  const Clock& clock_;
  HeldLogFile file_;
};

// The code as written in the log: eight digits and three blanks, "10230101   ".
std::string CodeText(std::uint32_t code);
// The 21 columns of an entry's date: "2024:03:05 14:07:09  ".
std::string TimestampText(const LocalDateTime& time);

}  // namespace taviron
