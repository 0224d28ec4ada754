#include "tests/support/HeldLog.h"

#include "tests/support/TempDir.h"

namespace taviron::test {

std::string ReadHeldLog(ErrorLog& log) {
  return ReadFile(log.LogPath());
}

}  // namespace taviron::test
