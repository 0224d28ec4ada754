#include "tests/support/TempDir.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace taviron::test {

TempDir::TempDir() {
  // A new name each time; create_directory reports a name that another test took meanwhile.
  static std::mt19937_64 names{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[17];
    std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(names()));
    std::filesystem::path candidate =
        std::filesystem::temp_directory_path() / (std::string("taviron-test-") + suffix);
    if (std::filesystem::create_directory(candidate)) {
      // The owner's alone, as a runtime directory must be.
      std::filesystem::permissions(candidate, std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::replace);
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("no free name for a test directory");
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

}  // namespace taviron::test
