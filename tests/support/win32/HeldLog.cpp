#include "tests/support/HeldLog.h"

#include "tests/support/TempDir.h"

namespace taviron::test {

std::string ReadHeldLog(ErrorLog& log) {
  if (!log.StreamOpen()) return ReadFile(log.LogPath());
  log.ReleaseStream();
  std::string text = ReadFile(log.LogPath());
  // Taken again with logging off for the moment, so that not even a header is written.
  const std::uint8_t enabled = log.LogEnabled;
  log.LogEnabled = 0;
  log.OpenErrLog();
  log.LogEnabled = enabled;
  return text;
}

}  // namespace taviron::test
