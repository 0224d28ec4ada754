#include "base/ProgramFiles.h"

namespace taviron {

std::filesystem::path ExecutableDirectory() {
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::current_path() : self.parent_path();
}

}  // namespace taviron
