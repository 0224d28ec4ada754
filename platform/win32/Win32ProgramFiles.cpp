#include <windows.h>

#include <string>

#include "base/ProgramFiles.h"

namespace taviron {

std::filesystem::path ExecutableDirectory() {
  // The full path can be longer than MAX_PATH; the buffer grows until it fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return std::filesystem::current_path();
    if (length < path.size()) {
      path.resize(length);
      return std::filesystem::path(path).parent_path();
    }
    if (path.size() >= 32768) return std::filesystem::current_path();
    path.resize(path.size() * 2);
  }
}

}  // namespace taviron
