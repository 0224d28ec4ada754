#include "firmware/HexFile.h"

#include <cstdio>

namespace taviron {

bool HexFile::Open(const std::string& path) {
  Close();
  if (path.empty() || !file_.Open(path, kFirmwareFileBound)) return false;
  failed_ = false;
  pos_ = end_ = 0;
  return true;
}

void HexFile::Rewind() {
  pos_ = end_ = 0;
  failed_ = false;
  if (file_.IsOpen() && !file_.Rewind()) failed_ = true;
}

void HexFile::Close() {
  file_.Close();
  pos_ = end_ = 0;
}

int HexFile::Peek() {
  if (pos_ == end_) {
    if (!file_.IsOpen() || failed_) return EOF;
    pos_ = 0;
    end_ = file_.Read(buffer_.data(), buffer_.size());
    if (end_ == 0) {
      if (file_.Failed()) failed_ = true;
      return EOF;
    }
  }
  return static_cast<unsigned char>(buffer_[pos_]);
}

int HexFile::Get() {
  int ch = Peek();
  if (ch != EOF) ++pos_;
  return ch;
}

std::string_view HexFile::ReadLine() {
  for (;;) {
    std::size_t n = 0;
    bool ended = false;
    while (n < kHexLineMax) {
      int ch = Get();
      if (ch == EOF) break;
      if (ch == '\n') {
        ended = true;
        break;
      }
      if (ch == '\r') {
        int next = Peek();
        if (next == '\n' || next == EOF) continue;
      }
      line_[n++] = static_cast<char>(ch);
    }
    line_[n] = '\0';
    if (n > 0) return {line_.data(), n};
    // Nothing before the line end: a blank line, or the line end of a full line read before.
    if (!ended) return {};  // the end of the file
  }
}

}  // namespace taviron
