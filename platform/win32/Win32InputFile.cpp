#include <windows.h>

#include <algorithm>

#include "base/InputFile.h"

namespace taviron {
namespace {

HANDLE AsHandle(std::intptr_t held) {
  return reinterpret_cast<HANDLE>(held);
}

// A file on a disk, not a directory, within the bound: what a device, a pipe or a console
// behind the name is not.
bool RegularWithin(HANDLE h, std::uint64_t bound) {
  if (::GetFileType(h) != FILE_TYPE_DISK) return false;
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandle(h, &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return false;
  }
  const std::uint64_t size =
      (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  return size <= bound;
}

}  // namespace

bool InputFile::Open(const std::filesystem::path& path, std::uint64_t sizeBound) {
  Close();
  // Others may go on reading and writing the file; the bound holds whatever they write.
  HANDLE h =
      ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  if (!RegularWithin(h, sizeBound)) {
    ::CloseHandle(h);
    return false;
  }
  held_ = reinterpret_cast<std::intptr_t>(h);
  bound_ = sizeBound;
  return true;
}

std::size_t InputFile::ReadHeld(char* buffer, std::size_t size) {
  DWORD piece = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
  DWORD n = 0;
  if (!::ReadFile(AsHandle(held_), buffer, piece, &n, nullptr)) {
    failed_ = true;
    return 0;
  }
  return n;
}

bool InputFile::SeekHeldToStart() {
  LARGE_INTEGER start{};
  return ::SetFilePointerEx(AsHandle(held_), start, nullptr, FILE_BEGIN) != 0;
}

void InputFile::CloseHeld() {
  ::CloseHandle(AsHandle(held_));
}

}  // namespace taviron
