#include "tests/support/Descriptors.h"

#include <windows.h>

namespace taviron::test {

int OpenDescriptors() {
  // The process's handles, as the system counts them: the descriptors of the host system under
  // it come and go with its own threads.
  DWORD count = 0;
  ::GetProcessHandleCount(::GetCurrentProcess(), &count);
  return static_cast<int>(count);
}

}  // namespace taviron::test
