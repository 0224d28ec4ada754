#include "sim/SimControl.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace taviron::sim {
namespace {

constexpr std::string_view kHelp =
    "set password [TEXT] | set fw-version TEXT | set fw-error TEXT | set port-modes CODES\n"
    "set port-errors CODES | set relay 0|1 | set counter HEX | set mac XX XX XX XX XX XX\n"
    "set restart-ms N | set eini-ms N\n"
    "fault silent|refuse|garbled on|off | fault short N|off | fault delay MS\n"
    "fault silent-after N|off | fault only KEYWORD|all | fault reply KEYWORD TEXT | fault clear\n"
    "loader no-banner|no-ds80c400|no-sure on|off | loader error-at N|off [LOADS]\n"
    "loader silent-after N|off | loader erase-ms N | loader erased (left in the loader)\n"
    "power-cycle | state | lines | image PATH | help | quit\n";

std::vector<std::string> Words(std::string_view line) {
  std::istringstream in{std::string(line)};
  std::vector<std::string> words;
  for (std::string w; in >> w;)
    words.push_back(w);
  return words;
}

// The text after the first n words of the line.
std::string Rest(std::string_view line, int n) {
  std::size_t pos = 0;
  for (int i = 0; i < n; ++i) {
    pos = line.find_first_not_of(' ', pos);
    if (pos == std::string_view::npos) return {};
    pos = line.find(' ', pos);
    if (pos == std::string_view::npos) return {};
  }
  pos = line.find_first_not_of(' ', pos);
  return pos == std::string_view::npos ? std::string{} : std::string(line.substr(pos));
}

bool ParseNumber(const std::string& text, long long& value, int base = 10) {
  if (text.empty()) return false;
  try {
    std::size_t used = 0;
    value = std::stoll(text, &used, base);
    return used == text.size();
  } catch (...) {
    return false;
  }
}

// Times and counts of the controls: whole numbers up to a billion, so that no sum with the
// switch's clock or its counters can overflow.
constexpr long long kLargestSetting = 1'000'000'000;
bool ParseSetting(const std::string& text, long long& value) {
  return ParseNumber(text, value) && value >= 0 && value <= kLargestSetting;
}

bool OnOff(const std::string& word, bool& flag) {
  if (word == "on")
    flag = true;
  else if (word == "off")
    flag = false;
  else
    return false;
  return true;
}

std::string ModeName(SwitchModel::Mode mode) {
  switch (mode) {
    case SwitchModel::Mode::kRestarting:
      return "restarting";
    case SwitchModel::Mode::kLoader:
      return "loader";
    case SwitchModel::Mode::kCommandLine:
      break;
  }
  return "cli";
}

std::string StateLine(const SwitchModel& m, TimeMs now) {
  const SwitchState& s = m.state;
  char counter[8];
  std::snprintf(counter, sizeof counter, "%04X", s.surgeCounter & 0xFFFF);
  std::ostringstream out;
  out << "password=" << Escape(s.userPassword) << " port-modes=" << s.portModes
      << " port-errors=" << s.portErrors << " relay=" << s.relay << " counter=" << counter
      << " mac=" << Escape(s.mac) << " fw-version=" << s.firmwareVersion
      << " fw-error=" << s.firmwareError << " mode=" << ModeName(m.CurrentMode(now))
      << " logged-in=" << (m.LoggedIn() ? 1 : 0)
      << " maintenance=" << (m.MaintenanceAdmitted() ? 1 : 0) << " probes=" << m.Probes()
      << " restarts=" << m.Restarts() << " loads=" << m.loader.loads
      << " erases=" << m.loader.erases << " image-bytes=" << m.loader.image.size();
  return out.str();
}

// Writes the loaded image as runs of consecutive addresses: "AAAAAAAA HHHH...".
bool WriteImage(const SwitchModel& m, const std::string& path) {
  std::ofstream out(path, std::ios::trunc);
  if (!out) return false;
  long long next = -1;
  for (const auto& [address, byte] : m.loader.image) {
    if (static_cast<long long>(address) != next) {
      if (next >= 0) out << '\n';
      char head[16];
      std::snprintf(head, sizeof head, "%08X ", address);
      out << head;
    }
    char hex[4];
    std::snprintf(hex, sizeof hex, "%02X", byte);
    out << hex;
    next = static_cast<long long>(address) + 1;
  }
  if (next >= 0) out << '\n';
  return static_cast<bool>(out);
}

std::string Set(SwitchModel& m, const std::vector<std::string>& w, std::string_view line) {
  SwitchState& s = m.state;
  const std::string& key = w[1];
  std::string value = Unescape(Rest(line, 2));
  long long number = 0;
  if (key == "password") {
    if (value.size() > 29) return "error: a password has at most 29 characters";
    s.userPassword = value;
  } else if (key == "fw-version" && value.size() == 5) {
    s.firmwareVersion = value;
  } else if (key == "fw-error" && value.size() == 4) {
    s.firmwareError = value;
  } else if (key == "port-modes" && value.size() == 8) {
    s.portModes = value;
  } else if (key == "port-errors" && value.size() == 8) {
    s.portErrors = value;
  } else if (key == "relay" && value.size() == 1) {
    s.relay = value[0];
  } else if (key == "counter" && ParseNumber(value, number, 16) && number >= 0 &&
             number <= 0xFFFFFFFF) {
    s.surgeCounter = static_cast<std::uint32_t>(number);
  } else if (key == "mac" && value.size() == 17) {
    s.mac = value;
  } else if (key == "restart-ms" && ParseSetting(value, number)) {
    m.timing.restart = number;
  } else if (key == "eini-ms" && ParseSetting(value, number)) {
    m.timing.factoryDefault = number;
  } else {
    return "error: cannot set " + key + " to '" + value + "'";
  }
  return "ok";
}

std::string Fault(SwitchModel& m, const std::vector<std::string>& w, std::string_view line) {
  SwitchFaults& f = m.faults;
  const std::string& key = w[1];
  const std::string value = w.size() > 2 ? w[2] : "";
  long long number = 0;
  bool ok = true;
  if (key == "clear") {
    f = SwitchFaults{};
  } else if (key == "silent") {
    ok = OnOff(value, f.silent);
  } else if (key == "refuse") {
    ok = OnOff(value, f.refuse);
  } else if (key == "garbled") {
    ok = OnOff(value, f.garbled);
  } else if (key == "short") {
    if (value == "off")
      f.shortReply = -1;
    else if ((ok = ParseSetting(value, number)))
      f.shortReply = static_cast<int>(number);
  } else if (key == "delay") {
    if ((ok = ParseSetting(value, number))) f.replyDelay = number;
  } else if (key == "silent-after") {
    if (value == "off")
      f.silentAfterBytes = -1;
    else if ((ok = ParseSetting(value, number)))
      f.silentAfterBytes = m.BytesReceived() + number;
  } else if (key == "only") {
    f.only = value == "all" ? "" : value;
    ok = !value.empty();
  } else if (key == "reply" && !value.empty()) {
    f.replies[value] = Unescape(Rest(line, 3));
  } else {
    ok = false;
  }
  return ok ? "ok" : "error: cannot read '" + std::string(line) + "'";
}

std::string Loader(SwitchModel& m, const std::vector<std::string>& w, std::string_view line) {
  LoaderFaults& f = m.loader.faults;
  const std::string& key = w[1];
  const std::string value = w.size() > 2 ? w[2] : "";
  long long number = 0;
  bool ok = true;
  if (key == "no-banner") {
    ok = OnOff(value, f.noBanner);
  } else if (key == "no-ds80c400") {
    ok = OnOff(value, f.noDs80c400);
  } else if (key == "no-sure") {
    ok = OnOff(value, f.noSure);
  } else if (key == "error-at") {
    if (value == "off") {
      f.errorAtRecord = -1;
    } else if ((ok = ParseSetting(value, number) && number > 0)) {
      f.errorAtRecord = static_cast<int>(number);
      long long loads = -1;
      if (w.size() > 3 && !(ok = ParseSetting(w[3], loads) && loads > 0)) loads = -1;
      // Counted from the loads already made, so "error-at 1 1" spoils the next load only.
      f.errorLoads = loads < 0 ? -1 : m.loader.loads + static_cast<int>(loads);
    }
  } else if (key == "silent-after") {
    if (value == "off")
      f.silentAfterRecords = -1;
    else if ((ok = ParseSetting(value, number)))
      f.silentAfterRecords = number;
  } else if (key == "erase-ms") {
    if ((ok = ParseSetting(value, number))) m.loader.eraseTime = number;
  } else if (key == "erased" && w.size() == 2) {
    m.StrandInLoader();
  } else {
    ok = false;
  }
  return ok ? "ok" : "error: cannot read '" + std::string(line) + "'";
}

}  // namespace

std::string_view ControlHelp() {
  return kHelp;
}

std::string Unescape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 >= text.size()) {
      out += text[i];
      continue;
    }
    char c = text[++i];
    if (c == 'r')
      out += '\r';
    else if (c == 'n')
      out += '\n';
    else if (c == 't')
      out += '\t';
    else if (c == 's')
      out += ' ';
    else if (c == 'x' && i + 2 < text.size()) {
      long long v = 0;
      if (ParseNumber(std::string(text.substr(i + 1, 2)), v, 16)) {
        out += static_cast<char>(v);
        i += 2;
      } else {
        out += 'x';
      }
    } else {
      out += c;
    }
  }
  return out;
}

std::string Escape(std::string_view bytes) {
  std::string out;
  for (char byte : bytes) {
    const auto c = static_cast<unsigned char>(byte);
    if (c == '\r')
      out += "\\r";
    else if (c == '\n')
      out += "\\n";
    else if (c == ' ')
      out += "\\s";
    else if (c == '\\')
      out += "\\\\";
    else if (c < 0x21 || c > 0x7E) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::string ApplyControl(SwitchModel& model, std::string_view line, TimeMs now) {
  std::vector<std::string> w = Words(line);
  if (w.empty()) return "";
  const std::string& verb = w[0];
  if (verb == "help") return std::string(kHelp.substr(0, kHelp.size() - 1));
  if (verb == "state") return StateLine(model, now);
  if (verb == "power-cycle" && w.size() == 1) {
    model.PowerCycle(now);
    return "ok";
  }
  if (verb == "lines") {
    std::string out;
    for (const std::string& l : model.Lines())
      out += (out.empty() ? "" : " ") + Escape(l);
    return "lines " + out;
  }
  if (verb == "image" && w.size() == 2) {
    return WriteImage(model, w[1]) ? "ok" : "error: cannot write " + w[1];
  }
  if (w.size() >= 2 && verb == "set") return Set(model, w, line);
  if (w.size() >= 2 && verb == "fault") return Fault(model, w, line);
  if (w.size() >= 2 && verb == "loader") return Loader(model, w, line);
  return "error: unknown control '" + std::string(line) + "' (try: help)";
}

}  // namespace taviron::sim
