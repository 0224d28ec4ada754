#include "base/DeviceGroup.h"

namespace taviron {

std::string DeviceGroup(std::string_view) {
  // Access to a COM port is not granted by group here.
  return {};
}

}  // namespace taviron
