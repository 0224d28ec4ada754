#pragma once

#include <string>

#include "base/ErrorLog.h"

namespace taviron::test {

// LOG.TXT as it stands, also while the log holds it open. Each platform defines it: a held log
// reads as any file on POSIX; on Windows nobody else may open it, so it is let go for the read
// and taken again without writing anything.
std::string ReadHeldLog(ErrorLog& log);

}  // namespace taviron::test
