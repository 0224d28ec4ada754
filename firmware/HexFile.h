#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

#include "firmware/IntelHex.h"

namespace taviron {

// A firmware file read line by line. Nothing is held beyond one line and a small read buffer,
// so a file of any size costs the same memory.
class HexFile {
 public:
  HexFile() = default;
  ~HexFile() { Close(); }
  HexFile(const HexFile&) = delete;
  HexFile& operator=(const HexFile&) = delete;

  // Opens the file for reading; false when it cannot be opened, also for an empty name.
  bool Open(const std::string& path);
  bool IsOpen() const { return file_ != nullptr; }
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

  std::FILE* file_ = nullptr;
  bool failed_ = false;
  std::array<char, 4096> buffer_{};
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  std::array<char, kHexLineBuffer> line_{};
};

}  // namespace taviron
