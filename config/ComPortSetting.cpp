#include "config/ComPortSetting.h"

#include <algorithm>
#include <cstdint>

#include "base/ComPortNames.h"

namespace taviron {
namespace {

const SerialDevice* DeviceAt(const std::vector<SerialDevice>& devices, const std::string& path) {
  auto found = std::find_if(devices.begin(), devices.end(), [&](const SerialDevice& d) {
    // A path is the device itself; a COM name (Windows) leads to its device.
    return d.path == path || ComPortDevice(d.path) == path ||
           (!d.stablePath.empty() && d.stablePath == path);
  });
  return found == devices.end() ? nullptr : &*found;
}

std::string NameOf(int comIndex) {
  return ComPortName(static_cast<std::uint8_t>(comIndex));
}

}  // namespace

std::string ComPortChoice(int comIndex, const std::vector<SerialDevice>& devices,
                          const ComPortAssignments& assigned) {
  const std::string name = NameOf(comIndex);
  const std::string fromEnvironment = ComPortFromEnvironment(name);
  const std::string target = ComPortDevice(name, assigned);
  std::string text = name + " (";
  if (const SerialDevice* device = DeviceAt(devices, target)) {
    // An adapter is shown by the device it is now, whatever name it was assigned by.
    text += device->path;
    if (std::string about = SerialDeviceMakerAndModel(*device); !about.empty())
      text += ", " + about;
  } else {
    text += target;
    if (fromEnvironment.empty() && target == assigned.device[static_cast<std::size_t>(comIndex)]) {
      text += ", not connected";
    }
  }
  if (!fromEnvironment.empty()) text += ", from TAVIRON_" + name;
  return text + ")";
}

std::vector<std::string> ComPortChoices(const std::vector<SerialDevice>& devices,
                                        const ComPortAssignments& assigned) {
  std::vector<std::string> items;
  items.reserve(kComPortCount);
  for (int i = 0; i < kComPortCount; ++i)
    items.push_back(ComPortChoice(i, devices, assigned));
  return items;
}

std::vector<std::string> ComPortChoices() {
  return ComPortChoices(FindSerialDevices(), ComPortAssignments{});
}

std::vector<DeviceChoice> DeviceChoices(int comIndex, const std::vector<SerialDevice>& devices,
                                        const ComPortAssignments& assigned) {
  std::vector<DeviceChoice> choices;
  if (comIndex < 0 || comIndex >= kComPortCount) return choices;
  const std::string name = NameOf(comIndex);
  if (std::string chosen = ComPortFromEnvironment(name); !chosen.empty()) {
    // The environment comes first: no assignment changes where the name leads.
    choices.push_back({"Set by TAVIRON_" + name + ": " + chosen, ""});
  } else {
    choices.push_back({"Default: " + ComPortDevice(name), ""});
  }
  const std::string& current = assigned.device[static_cast<std::size_t>(comIndex)];
  const SerialDevice* currentDevice = current.empty() ? nullptr : DeviceAt(devices, current);
  for (const SerialDevice& device : devices) {
    // The device assigned keeps the name it was assigned by, so that keeping it changes nothing.
    std::string assignment = &device == currentDevice ? current : AssignmentPath(device);
    choices.push_back({SerialDeviceText(device), assignment});
  }
  if (!current.empty() && currentDevice == nullptr) {
    choices.push_back({current + " (not connected)", current});
  }
  return choices;
}

int DeviceChoiceIndex(const std::vector<DeviceChoice>& choices, int comIndex,
                      const ComPortAssignments& assigned) {
  if (comIndex < 0 || comIndex >= kComPortCount) return -1;
  const std::string& current = assigned.device[static_cast<std::size_t>(comIndex)];
  for (std::size_t i = 0; i < choices.size(); ++i) {
    if (choices[i].assignment == current) return static_cast<int>(i);
  }
  return -1;
}

int SerialSetShow(const SwitchLink& link) {
  return link.ComPortIndex < kComPortCount ? link.ComPortIndex : -1;
}

void SerialSetChange(SwitchLink& link, int selectedItem) {
  if (selectedItem >= 0 && selectedItem < kComPortCount) {
    link.ComPortIndex = static_cast<std::uint8_t>(selectedItem);
  }
}

void SerialSetChange(Exchange& exchange, Session& session, int selectedItem,
                     const ComPortAssignments& assignments) {
  SerialSetChange(exchange.link, selectedItem);
  if (assignments == session.comPorts) return;
  session.comPorts = assignments;
  KeepComPortAssignments(exchange, session);
}

}  // namespace taviron
