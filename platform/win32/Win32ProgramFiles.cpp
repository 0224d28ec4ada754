// clang-format off
#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>
// clang-format on

#include <cwchar>
#include <string>

#include "base/ProgramFiles.h"

namespace taviron {
namespace {

// A known folder of the system or the user, or an empty path when the system has none.
std::filesystem::path KnownFolder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  std::filesystem::path found;
  if (SUCCEEDED(::SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path)) && path != nullptr) {
    found = path;
  }
  ::CoTaskMemFree(path);
  return found;
}

// The path lies in the folder or is the folder itself; names compare as Windows compares them,
// without regard to case.
bool Within(const std::filesystem::path& path, const std::filesystem::path& folder) {
  if (folder.empty()) return false;
  const std::filesystem::path inner = path.lexically_normal();
  const std::filesystem::path outer = folder.lexically_normal();
  auto at = inner.begin();
  for (const std::filesystem::path& part : outer) {
    if (part.empty()) continue;  // the empty last part of a trailing separator
    if (at == inner.end() || ::_wcsicmp(at->c_str(), part.c_str()) != 0) return false;
    ++at;
  }
  return true;
}

// Whether this user can create a file in the directory: a file of its own, made and deleted
// again. This asks the file system itself rather than reading permissions, so that whatever
// stands in the way (the folder's access list, a read-only medium) counts.
bool CanCreateFileIn(const std::filesystem::path& directory) {
  const std::wstring name = L"TAVIRON-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                            std::to_wstring(::GetTickCount64()) + L".tmp";
  HANDLE probe = ::CreateFileW((directory / name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (probe == INVALID_HANDLE_VALUE) return false;
  ::CloseHandle(probe);
  return true;
}

}  // namespace

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
  ProgramFileFacts facts;
  facts.userDirectories = false;
  facts.executableDirectory = ExecutableDirectory();
  facts.appData = KnownFolder(FOLDERID_RoamingAppData);
  for (REFKNOWNFOLDERID system : {FOLDERID_ProgramFiles, FOLDERID_ProgramFilesX86,
                                  FOLDERID_ProgramFilesX64, FOLDERID_Windows}) {
    if (Within(facts.executableDirectory, KnownFolder(system))) facts.inSystemFolder = true;
  }
  // A copy in the system's folders keeps its files in the user's, whether it could write beside
  // itself or not: no file is made there to ask.
  facts.besideWritable = !facts.inSystemFolder && CanCreateFileIn(facts.executableDirectory);
  return facts;
}

bool MakeUserDirectory(const std::filesystem::path& directory) {
  std::error_code ec;
  std::filesystem::create_directories(directory, ec);
  return std::filesystem::is_directory(directory, ec);
}

}  // namespace taviron
