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

ProgramFileFacts ProgramFileFactsOfThisSystem() {
  // A Windows copy keeps its files beside the executable, as it always has.
  ProgramFileFacts facts;
  facts.userDirectories = false;
  facts.executableDirectory = ExecutableDirectory();
  return facts;
}

bool MakeUserDirectory(const std::filesystem::path& directory) {
  std::error_code ec;
  std::filesystem::create_directories(directory, ec);
  return std::filesystem::is_directory(directory, ec);
}

}  // namespace taviron
