#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/SerialDevices.h"

namespace taviron::cli {

// One device --port auto tried, and what came of it.
struct PortTrial {
  std::string device;
  bool usb = false;
  bool answered = false;
  std::string outcome;  // the failure the greeting met, when the switch did not answer
};

// The devices --port auto tries, in order: USB adapters first, then the others, each group in the
// order of the list.
std::vector<SerialDevice> AutoPortCandidates(const std::vector<SerialDevice>& devices);

// The device the one switch that answered is on; empty when none or several answered, and then
// report says which devices were tried and what each did.
struct PortChoice {
  std::string device;
  std::string report;
};
PortChoice ChoosePort(const std::vector<PortTrial>& trials);

// Greets a switch on each candidate in turn (greet says whether one answered and fills in the
// outcome) and chooses as ChoosePort does.
PortChoice SearchPort(const std::vector<SerialDevice>& devices,
                      const std::function<PortTrial(const SerialDevice&)>& greet);

}  // namespace taviron::cli
