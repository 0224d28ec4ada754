#include "cli/StatusReport.h"

#include <cstdio>
#include <optional>

#include "cli/JsonText.h"
#include "cli/TerminalText.h"
#include "link/StatusTables.h"
#include "monitor/StatusQueries.h"

namespace taviron::cli {
namespace {

std::string OneLine(std::string text) {
  for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;)
    text.replace(at, 2, " ");
  return text;
}

// Trailing blanks are the window's padding, not part of the value.
std::string Trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ')
    text.pop_back();
  return text;
}

// What the window shows where a value could not be read.
constexpr std::string_view kUnknown = "----";

bool FirmwareVersionUnknown(const MainView& v) {
  return v.Lb_fw_ver == kNoFirmwareVersion;
}
bool DischargeElementUnknown(const MainView& v) {
  return Trimmed(v.Lb_th_count) == kUnknown;
}
bool SwitchStatusUnknown(const MainView& v) {
  return v.Lb_fw_state == kUnknown;
}
bool RelayUnknown(const taviron::StatusValues& s) {
  return s.RelayState != "0" && s.RelayState != "1";
}

// The port's mode, when the switch gave one the program knows.
const PortMode* ModeOf(const taviron::StatusValues& s, std::size_t n) {
  return n < s.PortConfig.size() ? FindByDisplayCode(s.PortConfig[n]) : nullptr;
}

// The port's error: "" for none, the message of a code the program knows, or nothing when the
// errors could not be read or the code is not known.
std::optional<std::string> ErrorOf(const taviron::StatusValues& s, std::size_t n) {
  if (n >= s.PortErrors.size()) return std::nullopt;
  if (s.PortErrors[n] == '0') return std::string();
  std::optional<std::string_view> message = PortErrorMessageOf(s.PortErrors[n]);
  if (!message) return std::nullopt;
  return std::string(*message);
}

std::optional<std::string> Known(const std::string& value, bool unknown) {
  return unknown ? std::nullopt : std::optional<std::string>(value);
}

}  // namespace

std::vector<std::pair<std::string, std::string>> StatusValues(const Configurator& c) {
  const MainView& v = c.monitor.view;
  std::vector<std::pair<std::string, std::string>> values{
      {"firmware_version", v.Lb_fw_ver},         {"discharge_element", Trimmed(v.Lb_th_count)},
      {"switch_status", v.Lb_fw_state},          {"error_code", v.Lb_err_code},
      {"error_message", OneLine(v.Lb_err_mes1)}, {"relay", v.Lb_relay},
  };
  for (int n = 0; n < kPortCount; ++n) {
    std::string port = "port" + std::to_string(n + 1);
    values.emplace_back(port + "_speed", v.Lb_link[static_cast<std::size_t>(n)]);
    values.emplace_back(port + "_duplex", v.Lb_dup[static_cast<std::size_t>(n)]);
  }
  values.emplace_back("link", v.statusText);
  return values;
}

std::string StatusText(const Configurator& c) {
  const MainView& v = c.monitor.view;
  // Values from the switch go to the terminal escaped.
  auto shown = [](const std::string& value) { return Printable(value); };
  std::string text;
  text += "Switch Version     " + shown(v.Lb_fw_ver) + "\n";
  text += "Discharge Element  " + shown(Trimmed(v.Lb_th_count)) + "\n";
  text += "Switch Status      " + shown(v.Lb_fw_state);
  if (v.Label6Visible) text += "  " + shown(v.Lb_err_code) + ": " + shown(OneLine(v.Lb_err_mes1));
  text += "\n";
  text += "Relay Status       " + shown(v.Lb_relay) + "\n";
  text += "Port  Speed                         Duplex\n";
  for (int n = 0; n < kPortCount; ++n) {
    char row[192];
    std::snprintf(row, sizeof row, "#%d    %-29s %s\n", n + 1,
                  shown(v.Lb_link[static_cast<std::size_t>(n)]).c_str(),
                  shown(v.Lb_dup[static_cast<std::size_t>(n)]).c_str());
    text += row;
  }
  text += "Link               " + shown(v.statusText) + "\n";
  return text;
}

std::string StatusJson(const Configurator& c) {
  const MainView& v = c.monitor.view;
  const bool statusUnknown = SwitchStatusUnknown(v);
  std::string json = "{";
  json += "\"firmware_version\":" + JsonValue(Known(v.Lb_fw_ver, FirmwareVersionUnknown(v)));
  json += ",\"discharge_element\":" +
          JsonValue(Known(Trimmed(v.Lb_th_count), DischargeElementUnknown(v)));
  json += ",\"switch_status\":" + JsonValue(Known(v.Lb_fw_state, statusUnknown));
  json += ",\"error_code\":" + JsonValue(Known(v.Lb_err_code, statusUnknown));
  json += ",\"error_message\":" + JsonValue(Known(OneLine(v.Lb_err_mes1), statusUnknown));
  json += ",\"relay\":" + JsonValue(Known(v.Lb_relay, RelayUnknown(c.monitor.status)));
  // Per port, the mode and the port's error apart (the window shows one in place of the other).
  json += ",\"ports\":[";
  for (std::size_t n = 0; n < static_cast<std::size_t>(kPortCount); ++n) {
    const PortMode* mode = ModeOf(c.monitor.status, n);
    auto part = [mode](std::string_view PortMode::*field) {
      return JsonValue(mode ? std::optional<std::string>(mode->*field) : std::nullopt);
    };
    if (n > 0) json += ",";
    json += "{\"port\":" + std::to_string(n + 1) + ",\"speed\":" + part(&PortMode::speed) +
            ",\"duplex\":" + part(&PortMode::duplex) +
            ",\"error\":" + JsonValue(ErrorOf(c.monitor.status, n)) + "}";
  }
  json += "],\"link\":" + JsonString(v.statusText) + ",\"schema\":1}";
  return json;
}

std::vector<std::string> UnknownValues(const Configurator& c) {
  const MainView& v = c.monitor.view;
  std::vector<std::string> names;
  if (FirmwareVersionUnknown(v)) names.emplace_back("firmware_version");
  if (DischargeElementUnknown(v)) names.emplace_back("discharge_element");
  if (SwitchStatusUnknown(v)) names.emplace_back("switch_status");
  if (RelayUnknown(c.monitor.status)) names.emplace_back("relay");
  for (std::size_t n = 0; n < static_cast<std::size_t>(kPortCount); ++n) {
    // A port's error, when the switch reports one, is shown in place of its mode.
    const std::optional<std::string> error = ErrorOf(c.monitor.status, n);
    if (ModeOf(c.monitor.status, n) == nullptr && (!error || error->empty())) {
      names.push_back("port" + std::to_string(n + 1));
    }
  }
  return names;
}

}  // namespace taviron::cli
