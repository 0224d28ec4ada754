#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace taviron {

// A file held open for appending and taken exclusively while it is open, so that no other
// program writes it meanwhile: the error log's stream. Each platform defines it (flock on POSIX,
// a handle without sharing on Windows). Every Append reaches the file at once.
class HeldLogFile {
 public:
  HeldLogFile() = default;
  ~HeldLogFile();
  HeldLogFile(const HeldLogFile&) = delete;
  HeldLogFile& operator=(const HeldLogFile&) = delete;

  // Opens the file for appending, creating it when missing, and takes it; false when either
  // fails, and the file is then not held. A link in the file's place is never followed, and
  // anything but a regular file (a directory, a FIFO, a device) is refused without waiting.
  bool Open(const std::filesystem::path& path);
  bool IsOpen() const { return held_ != kNotHeld; }
  // Writes the bytes at the end of the file; false when not all of them could be written.
  bool Append(std::string_view bytes);
  // The file's size in bytes; 0 when it is not open or cannot be told.
  std::uint64_t Size() const;
  // Releases the file; nothing happens when it is not open.
  void Close();

 private:
  static constexpr std::intptr_t kNotHeld = -1;
  // The descriptor or handle of the open file, as the platform makes it.
  std::intptr_t held_ = kNotHeld;
};

}  // namespace taviron
