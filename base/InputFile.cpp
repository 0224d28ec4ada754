#include "base/InputFile.h"

namespace taviron {

InputFile::~InputFile() {
  Close();
}

std::size_t InputFile::Read(char* buffer, std::size_t size) {
  if (!IsOpen() || failed_ || size == 0) return 0;
  const std::size_t n = ReadHeld(buffer, size);
  readSoFar_ += n;
  // A file that grew past its bound since it was opened is refused as one that was too large.
  if (readSoFar_ > bound_) failed_ = true;
  return failed_ ? 0 : n;
}

bool InputFile::Rewind() {
  if (!IsOpen()) return false;
  readSoFar_ = 0;
  failed_ = !SeekHeldToStart();
  return !failed_;
}

void InputFile::Close() {
  if (IsOpen()) CloseHeld();
  held_ = kNotHeld;
  readSoFar_ = 0;
  failed_ = false;
}

std::optional<std::string> ReadInputFile(const std::filesystem::path& path,
                                         std::uint64_t sizeBound) {
  InputFile file;
  if (!file.Open(path, sizeBound)) return std::nullopt;
  std::string text;
  char buffer[4096];
  while (std::size_t n = file.Read(buffer, sizeof buffer))
    text.append(buffer, n);
  if (file.Failed()) return std::nullopt;
  return text;
}

}  // namespace taviron
