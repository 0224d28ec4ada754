#include "base/SerialDevices.h"

namespace taviron {

std::vector<SerialDevice> FindSerialDevices(const DeviceRoots&) {
  // COM names reach their ports directly on Windows; there is no device to point them at.
  return {};
}

}  // namespace taviron
