#include <windows.h>

#include <algorithm>

#include "base/HeldLogFile.h"

namespace taviron {
namespace {

HANDLE AsHandle(std::intptr_t held) {
  return reinterpret_cast<HANDLE>(held);
}

// A file on a disk that is neither a directory nor a link: not a device, a pipe or a console.
bool PlainFile(HANDLE h) {
  BY_HANDLE_FILE_INFORMATION info{};
  return ::GetFileType(h) == FILE_TYPE_DISK && ::GetFileInformationByHandle(h, &info) &&
         (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
}

}  // namespace

HeldLogFile::~HeldLogFile() {
  Close();
}

bool HeldLogFile::Open(const std::filesystem::path& path) {
  Close();
  // A read-only log is refused by Windows itself; where the attribute is only emulated (Wine
  // running as root) the check keeps the same answer.
  DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    return false;
  }
  // Append access writes every piece at the end; share mode 0 keeps every other opener out,
  // readers included, until the file is closed. A link (a reparse point) is opened as itself,
  // never followed to a target that could be anyone's file, and then refused.
  HANDLE h =
      ::CreateFileW(path.c_str(), FILE_APPEND_DATA | FILE_READ_ATTRIBUTES, 0, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  if (!PlainFile(h)) {
    ::CloseHandle(h);
    return false;
  }
  held_ = reinterpret_cast<std::intptr_t>(h);
  return true;
}

bool HeldLogFile::Append(std::string_view bytes) {
  if (held_ == kNotHeld) return false;
  while (!bytes.empty()) {
    DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!::WriteFile(AsHandle(held_), bytes.data(), piece, &written, nullptr) || written == 0) {
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

std::uint64_t HeldLogFile::Size() const {
  LARGE_INTEGER size{};
  if (held_ == kNotHeld || !::GetFileSizeEx(AsHandle(held_), &size) || size.QuadPart < 0) {
    return 0;
  }
  return static_cast<std::uint64_t>(size.QuadPart);
}

void HeldLogFile::Close() {
  if (held_ == kNotHeld) return;
  ::CloseHandle(AsHandle(held_));
  held_ = kNotHeld;
}

}  // namespace taviron
