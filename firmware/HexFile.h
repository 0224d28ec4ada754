#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/InputFile.h"
#include "firmware/IntelHex.h"

namespace taviron {

// A firmware file read line by line. Nothing is held beyond one line and a small read buffer,
// so a file of any size costs the same memory.

// The largest firmware file taken: the processor's whole 16 MiB address space in records of
// 16 data bytes is less than 48 MiB of text.
inline constexpr std::uint64_t kFirmwareFileBound = 64ull * 1024 * 1024;

class HexFile {
 public:
  HexFile() = default;
  ~HexFile() { Close(); }
  HexFile(const HexFile&) = delete;
  HexFile& operator=(const HexFile&) = delete;

  // Opens the file for reading; false when it cannot be opened, also for an empty name, and
  // when it is no regular file or larger than kFirmwareFileBound (see InputFile).
  bool Open(const std::string& path);
  bool IsOpen() const { return file_.IsOpen(); }
  // Back to the first line, reading the file afresh.
  void Rewind();
  void Close();

  // The next line without its line end (a CR before the line feed is dropped, so CR LF and LF
  // files read the same), empty at the end of the file. A line of up to kHexLineMax characters
  // is one line with its line end; only a longer line is split, and its remainder comes as the
  // next line. Blank lines carry no record and are skipped.
  std::string_view ReadLine();
  // The file could not be read to its end.
  bool ReadFailed() const { return failed_; }

 private:
  int Get();
  int Peek();

  InputFile file_;
  bool failed_ = false;
  std::array<char, 4096> buffer_{};
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  std::array<char, kHexLineBuffer> line_{};
};

}  // namespace taviron
