#include "firmware/HexFile.h"

namespace taviron {

bool HexFile::Open(const std::string& path) {
  Close();
  if (path.empty()) return false;
  file_ = std::fopen(path.c_str(), "rb");
  if (file_ == nullptr) return false;
  // The lines are taken from buffer_; a second buffer inside the stream would only copy.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  failed_ = false;
  pos_ = end_ = 0;
  return true;
}

void HexFile::Rewind() {
  pos_ = end_ = 0;
  failed_ = false;
  if (file_ == nullptr) return;
  if (std::fseek(file_, 0, SEEK_SET) != 0) failed_ = true;
  std::clearerr(file_);
}

void HexFile::Close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  pos_ = end_ = 0;
}

int HexFile::Peek() {
  if (pos_ == end_) {
    if (file_ == nullptr || failed_) return EOF;
    pos_ = 0;
    end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    if (end_ == 0) {
      if (std::ferror(file_)) failed_ = true;
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
