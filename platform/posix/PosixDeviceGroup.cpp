#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "base/DeviceGroup.h"

namespace taviron {

std::string DeviceGroup(std::string_view devicePath) {
  struct stat info {};
  if (devicePath.empty() || ::stat(std::string(devicePath).c_str(), &info) != 0) return {};
  // Joining a group that may not both read and write the device would not help.
  if ((info.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP)) return {};
  long size = ::sysconf(_SC_GETGR_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
  for (;;) {
    group entry{};
    group* found = nullptr;
    int failed = ::getgrgid_r(info.st_gid, &entry, buffer.data(), buffer.size(), &found);
    // A group with many members needs more room than the system suggests.
    if (failed == ERANGE && buffer.size() < (1u << 20)) {
      buffer.resize(buffer.size() * 2);
      continue;
    }
    if (failed != 0 || found == nullptr || found->gr_name == nullptr) return {};
    return found->gr_name;
  }
}

}  // namespace taviron
