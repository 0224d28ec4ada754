#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace taviron {

// A file the program reads: the settings, the COM port choices, a configuration or a firmware
// file. Whatever stands behind the name cannot stall or flood the program: the opening never
// waits (a FIFO without a writer, a device), anything but a regular file is refused by what the
// opened descriptor is (so a name swapped meanwhile cannot slip past), and a file larger than
// the bound its kind is given is refused, also when it grows while it is read. Each platform
// defines it.
class InputFile {
 public:
  InputFile() = default;
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // Opens the file for reading; false when it cannot be opened, is no regular file or holds
  // more than sizeBound bytes. The file is then not open.
  bool Open(const std::filesystem::path& path, std::uint64_t sizeBound);
  bool IsOpen() const { return held_ != kNotHeld; }
  // Up to size bytes into the buffer: the count read, 0 at the end of the file and after a
  // failure (Failed tells which).
  std::size_t Read(char* buffer, std::size_t size);
  // A read failed, or the file went past its bound.
  bool Failed() const { return failed_; }
  // Back to the first byte; false when the file is not open or cannot be wound back.
  bool Rewind();
  void Close();

 private:
  std::size_t ReadHeld(char* buffer, std::size_t size);
  bool SeekHeldToStart();
  void CloseHeld();

  static constexpr std::intptr_t kNotHeld = -1;
  // The descriptor or handle of the open file, as the platform makes it.
  std::intptr_t held_ = kNotHeld;
  std::uint64_t bound_ = 0;
  std::uint64_t readSoFar_ = 0;
  bool failed_ = false;
};

// The whole of a file, as InputFile opens it; nothing when it cannot be read to its end.
std::optional<std::string> ReadInputFile(const std::filesystem::path& path,
                                         std::uint64_t sizeBound);

}  // namespace taviron
