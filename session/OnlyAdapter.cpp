#include "session/OnlyAdapter.h"

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/ComPortAssignments.h"
#include "base/ComPortNames.h"

namespace taviron {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The COM name's place in the assignments, or -1 for a name that has none (a device path).
int AssignmentIndex(std::string_view portName) {
  for (int i = 0; i < kComPortCount; ++i) {
    if (portName == ComPortName(static_cast<std::uint8_t>(i))) return i;
  }
  return -1;
}

}  // namespace

std::string OnlyAdapterQuestion(std::string_view portName, std::string_view missingDevice,
                                const SerialDevice& adapter) {
  const std::string name(portName);
  return name + " leads to " + std::string(missingDevice) + ", which does not exist." +
         std::string(kLineEnd) +
         "One USB serial adapter is plugged in: " + SerialDeviceText(adapter) + "." +
         std::string(kLineEnd) + std::string(kLineEnd) + "Use it as " + name +
         "? COM Port Setting can change this later.";
}

bool OpenTheOnlyAdapter(Exchange& exchange, Session& session, std::string_view portName) {
  if (exchange.link.Port().LastError().kind != OsErrorKind::kNotFound) return false;
  const int index = AssignmentIndex(portName);
  if (index < 0 || !ComPortFromEnvironment(portName).empty()) return false;
  std::vector<SerialDevice> adapters = FindSerialDevices(session.deviceRoots);
  std::erase_if(adapters, [](const SerialDevice& device) { return !device.usb; });
  if (adapters.size() != 1) return false;
  ComPortAssignments pointed = session.comPorts;
  const std::string adapter = AssignmentPath(adapters.front());
  pointed.device[static_cast<std::size_t>(index)] = adapter;
  // Only where the names follow the operator's assignments, and not where it leads already.
  if (ComPortDevice(portName, pointed) != adapter ||
      ComPortDevice(portName, session.comPorts) == adapter) {
    return false;
  }
  const std::string missing = exchange.link.Port().DeviceFor(portName);
  if (!exchange.frontend().AskYesNo(OnlyAdapterQuestion(portName, missing, adapters.front()),
                                    kOnlyAdapterCaption)) {
    return false;
  }
  session.comPorts = pointed;
  KeepComPortAssignments(exchange, session);
  return exchange.link.OpenConnection(portName);
}

}  // namespace taviron
