#pragma once

#include <string>
#include <string_view>

namespace taviron {

// The name of the group whose members may read and write the device file (following links):
// the file's group when its mode lets that group in. "" when no group may, when the file cannot
// be looked at, or where access is not granted by group.
std::string DeviceGroup(std::string_view devicePath);

}  // namespace taviron
