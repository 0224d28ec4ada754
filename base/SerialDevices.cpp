#include "base/SerialDevices.h"

namespace taviron {

std::string AssignmentPath(const SerialDevice& device) {
  return device.stablePath.empty() ? device.path : device.stablePath;
}

}  // namespace taviron
