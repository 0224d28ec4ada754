// The command-line tool's value arguments, one per line of the input: port mode names, and the
// assignments of "ports set" and the pairs of "mac set" run against the simulated switch. A
// mode name reads as one of the six modes or none; the switch is changed exactly when the
// arguments are sound, and then to what they say.
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Tool.h"
#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzRig.h"
#include "link/CommandTable.h"
#include "sim/ModelPort.h"
#include "sim/SwitchModel.h"
#include "sim/VirtualClock.h"

namespace {

using namespace taviron;

std::string Lower(std::string text) {
  for (char& ch : text)
    ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return text;
}

void ModeName(const std::string& name) {
  const char code = cli::PortModeCode(name);
  FUZZ_CHECK(code == 0 || (code >= '1' && code <= '6'));
  if (code == 0) return;
  // Only the mode's own name, or its name with "mbps" as the window writes it.
  std::string known = cli::PortModeName(code);
  std::string windowName = known;
  if (std::size_t slash = windowName.find('/'); slash != std::string::npos) {
    windowName.insert(slash, "mbps");
  }
  FUZZ_CHECK(Lower(name) == known || Lower(name) == windowName);
  FUZZ_CHECK(cli::PortModeCode(known) == code);
}

struct ToolRig {
  ToolRig() {
    options.password = "";
    options.maintenancePassword = std::string(kMaintenancePassword);
  }
  sim::VirtualClock clock;
  sim::SwitchModel model;
  sim::ModelPort port{model, clock};
  cli::ToolOptions options;
  std::ostringstream out, err;
};

void PortsSet(const std::vector<std::string>& assignments) {
  ToolRig rig;
  const std::string before = rig.model.state.portModes;
  cli::Tool tool(rig.port, rig.clock, rig.options, rig.out, rig.err);
  const int status = tool.PortsSet(assignments);
  FUZZ_CHECK(status == 0 || status == 1 || status == 2);
  if (status == 2 || assignments.empty()) {
    FUZZ_CHECK(rig.model.state.portModes == before);
    if (status == 2) FUZZ_CHECK(rig.port.Opens() == 0);
    return;
  }
  FUZZ_CHECK(status == 0);
  // Each named port has its mode (the last one named wins), the others keep theirs.
  std::string expected = before;
  for (const std::string& a : assignments) {
    const std::size_t port = static_cast<std::size_t>(a[0] - '1');
    const char display = cli::PortModeCode(a.substr(2));
    expected[port] = "012356"[display - '1'];
  }
  FUZZ_CHECK(rig.model.state.portModes == expected);
}

bool HexPair(const std::string& pair) {
  return pair.size() == 2 && std::all_of(pair.begin(), pair.end(), [](char ch) {
           return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F') || (ch >= 'a' && ch <= 'f');
         });
}

// The boxes take lower case and send the pair in upper case.
std::string Upper(std::string pair) {
  for (char& ch : pair)
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  return pair;
}

std::string Trimmed(const std::string& text) {
  std::size_t begin = 0, end = text.size();
  auto blank = [](char ch) {
    unsigned char u = static_cast<unsigned char>(ch);
    return u <= ' ' || u == 0x7F;
  };
  while (begin < end && blank(text[begin]))
    ++begin;
  while (end > begin && blank(text[end - 1]))
    --end;
  return text.substr(begin, end - begin);
}

void MacSet(const std::vector<std::string>& pairs) {
  ToolRig rig;
  const std::string before = rig.model.state.mac;
  cli::Tool tool(rig.port, rig.clock, rig.options, rig.out, rig.err);
  const int status = tool.MacSet(pairs);
  bool sound = pairs.size() == 6;
  std::string address;
  for (const std::string& pair : pairs) {
    sound = sound && HexPair(Trimmed(pair));
    address += (address.empty() ? "" : " ") + Upper(Trimmed(pair));
  }
  if (sound) {
    FUZZ_CHECK(status == 0 && rig.model.state.mac == address);
  } else {
    FUZZ_CHECK(status != 0 && rig.model.state.mac == before);
    // Nothing but the reading of the boxes went to the switch about the address.
    FUZZ_CHECK(rig.port.Sent().find("ms ") == std::string::npos);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 512) return -1;
  const std::vector<std::string> words = fuzz::Split(fuzz::AsText(data, size), '\n');
  for (const std::string& word : words)
    ModeName(word);
  if (words.size() <= 8) PortsSet(words);
  MacSet(words);
  return 0;
}
