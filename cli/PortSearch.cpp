#include "cli/PortSearch.h"

#include <algorithm>

#include "cli/TerminalText.h"

namespace taviron::cli {

std::vector<SerialDevice> AutoPortCandidates(const std::vector<SerialDevice>& devices) {
  std::vector<SerialDevice> candidates = devices;
  std::stable_partition(candidates.begin(), candidates.end(),
                        [](const SerialDevice& d) { return d.usb; });
  return candidates;
}

PortChoice ChoosePort(const std::vector<PortTrial>& trials) {
  const auto answered = static_cast<std::size_t>(
      std::count_if(trials.begin(), trials.end(), [](const PortTrial& t) { return t.answered; }));
  if (answered == 1) {
    return {
        std::find_if(trials.begin(), trials.end(), [](const PortTrial& t) { return t.answered; })
            ->device,
        {}};
  }
  if (trials.empty()) return {{}, "--port auto: no serial device found on this computer.\n"};
  std::string report = answered == 0
                           ? "--port auto: no switch answered on the devices tried:\n"
                           : "--port auto: more than one switch answered; name one with --port:\n";
  for (const PortTrial& t : trials) {
    report += "  " + PrintableName(t.device) + (t.usb ? " (USB)" : "") + ": ";
    report += t.answered ? std::string("a switch answered") : Printable(t.outcome);
    report += "\n";
  }
  return {{}, report};
}

PortChoice SearchPort(const std::vector<SerialDevice>& devices,
                      const std::function<PortTrial(const SerialDevice&)>& greet) {
  std::vector<PortTrial> trials;
  for (const SerialDevice& device : AutoPortCandidates(devices))
    trials.push_back(greet(device));
  return ChoosePort(trials);
}

}  // namespace taviron::cli
