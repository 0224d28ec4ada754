#include "tests/support/ReplaceBlocker.h"

namespace taviron::test {

ReplaceBlocker::ReplaceBlocker(const std::filesystem::path& file) : file_(file) {
  std::filesystem::path beside = file_;
  beside += ".new";
  std::filesystem::create_directory(beside);
}

ReplaceBlocker::~ReplaceBlocker() {
  std::filesystem::path beside = file_;
  beside += ".new";
  std::error_code ec;
  std::filesystem::remove(beside, ec);
}

}  // namespace taviron::test
