#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/ErrorLog.h"
#include "base/ProgramFiles.h"

namespace taviron {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// $HOME, or the home the user database gives when it is not set.
std::string HomeDirectory() {
  std::string home = Environment("HOME");
  if (!home.empty()) return home;
  long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
      found == nullptr || found->pw_dir == nullptr) {
    return {};
  }
  return found->pw_dir;
}

}  // namespace

std::filesystem::path ExecutableDirectory() {
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::current_path() : self.parent_path();
}

ProgramFileFacts ProgramFileFactsOfThisSystem() {
  ProgramFileFacts facts;
  facts.executableDirectory = ExecutableDirectory();
  std::error_code ec;
  facts.settingsBeside =
      std::filesystem::is_regular_file(facts.executableDirectory / kSettingsFileName, ec);
  facts.configHome = Environment("XDG_CONFIG_HOME");
  facts.stateHome = Environment("XDG_STATE_HOME");
  facts.home = HomeDirectory();
  return facts;
}

bool MakeUserDirectory(const std::filesystem::path& directory) {
  std::filesystem::path partial;
  for (const std::filesystem::path& part : directory) {
    partial /= part;
    // The user's directories hold the switch's settings and log: nobody else needs to read
    // them.
    if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  std::error_code ec;
  return std::filesystem::is_directory(directory, ec);
}

}  // namespace taviron
