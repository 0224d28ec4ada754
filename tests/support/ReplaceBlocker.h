#pragma once

#include <cstdint>
#include <filesystem>

namespace taviron::test {

// Keeps a file from being replaced while the blocker lives, the way each platform allows it:
// the file's immutable flag (POSIX, where a rename replaces any file and root may write
// anything), or the file held open without leave to delete it (Windows).
class ReplaceBlocker {
 public:
  explicit ReplaceBlocker(const std::filesystem::path& file);
  ~ReplaceBlocker();
  ReplaceBlocker(const ReplaceBlocker&) = delete;
  ReplaceBlocker& operator=(const ReplaceBlocker&) = delete;

 private:
  std::filesystem::path file_;
  std::intptr_t held_ = -1;
};

}  // namespace taviron::test
