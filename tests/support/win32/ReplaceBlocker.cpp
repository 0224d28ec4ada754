#include "tests/support/ReplaceBlocker.h"

#include <windows.h>

namespace taviron::test {

ReplaceBlocker::ReplaceBlocker(const std::filesystem::path& file) : file_(file) {
  // Readers and writers may share it; a rename over it needs delete sharing, which is withheld.
  HANDLE h = ::CreateFileW(file_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h != INVALID_HANDLE_VALUE) held_ = reinterpret_cast<std::intptr_t>(h);
}

ReplaceBlocker::~ReplaceBlocker() {
  if (held_ != -1) ::CloseHandle(reinterpret_cast<HANDLE>(held_));
}

}  // namespace taviron::test
