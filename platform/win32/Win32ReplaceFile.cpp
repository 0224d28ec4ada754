#include <windows.h>
// windows.h names its own ReplaceFile as a macro; this file defines the program's.
#undef ReplaceFile

#include <algorithm>
#include <atomic>
#include <string>

#include "base/ReplaceFile.h"

namespace taviron {
namespace {

// How many names beside the target are tried before giving up on finding a free one.
constexpr int kNameAttempts = 100;

// A name beside the target that this process has not used yet.
std::filesystem::path NewName(const std::filesystem::path& file) {
  static std::atomic<unsigned> counter{0};
  std::filesystem::path name = file;
  name += ".new-" + std::to_string(::GetCurrentProcessId()) + "-" +
          std::to_string(::GetTickCount64()) + "-" + std::to_string(counter++);
  return name;
}

// Creates a file that did not exist (never someone else's), writes the bytes and flushes them
// to the disk; false, with nothing left behind, when any step fails.
bool WriteNewFile(const std::filesystem::path& file, std::string_view bytes,
                  std::filesystem::path& written) {
  HANDLE h = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < kNameAttempts && h == INVALID_HANDLE_VALUE; ++attempt) {
    written = NewName(file);
    h = ::CreateFileW(written.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                      nullptr);
    if (h == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) return false;
  }
  if (h == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  while (ok && !bytes.empty()) {
    DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD n = 0;
    ok = ::WriteFile(h, bytes.data(), piece, &n, nullptr) && n > 0;
    if (ok) bytes.remove_prefix(n);
  }
  ok = ::FlushFileBuffers(h) && ok;
  ok = ::CloseHandle(h) && ok;
  if (!ok) ::DeleteFileW(written.c_str());
  return ok;
}

// Windows refuses to replace a read-only file by itself, but a file system that only emulates
// the attribute (Wine running as root) would not; the check makes both alike.
bool IsReadOnly(const std::filesystem::path& file) {
  DWORD attributes = ::GetFileAttributesW(file.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

}  // namespace

bool ReplaceFile(const std::filesystem::path& file, std::string_view bytes) {
  OsError cause;
  return ReplaceFile(file, bytes, cause);
}

bool ReplaceFile(const std::filesystem::path& file, std::string_view bytes, OsError& cause) {
  if (IsReadOnly(file)) {
    cause = SystemError(ERROR_ACCESS_DENIED);
    return false;
  }
  std::filesystem::path written;
  if (!WriteNewFile(file, bytes, written)) {
    cause = SystemError(static_cast<long>(::GetLastError()));
    return false;
  }
  // One rename puts the new file in the old one's place: a reader sees either whole. A target
  // that is read-only (or a directory, or held open by another program) refuses it.
  if (::MoveFileExW(written.c_str(), file.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  cause = SystemError(static_cast<long>(::GetLastError()));
  ::DeleteFileW(written.c_str());
  return false;
}

}  // namespace taviron
