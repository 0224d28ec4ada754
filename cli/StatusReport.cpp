#include "cli/StatusReport.h"

#include <cstdio>

#include "cli/TerminalText.h"
#include "link/StatusTables.h"

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

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (unsigned char ch : text) {
    if (ch == '"' || ch == '\\') {
      out += '\\';
      out += static_cast<char>(ch);
    } else if (ch < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", ch);
      out += escaped;
    } else {
      out += static_cast<char>(ch);
    }
  }
  return out + "\"";
}

std::string StatusJson(const Configurator& c) {
  const MainView& v = c.monitor.view;
  std::string json = "{";
  json += "\"firmware_version\":" + JsonString(v.Lb_fw_ver);
  json += ",\"discharge_element\":" + JsonString(Trimmed(v.Lb_th_count));
  json += ",\"switch_status\":" + JsonString(v.Lb_fw_state);
  json += ",\"error_code\":" + JsonString(v.Lb_err_code);
  json += ",\"error_message\":" + JsonString(OneLine(v.Lb_err_mes1));
  json += ",\"relay\":" + JsonString(v.Lb_relay);
  // Per port, the mode and the port's error apart (the window shows one in place of the other);
  // an unknown mode has empty texts.
  json += ",\"ports\":[";
  const std::string& config = c.monitor.status.PortConfig;
  const std::string& errors = c.monitor.status.PortErrors;
  for (std::size_t n = 0; n < static_cast<std::size_t>(kPortCount); ++n) {
    const PortMode* mode = n < config.size() ? FindByDisplayCode(config[n]) : nullptr;
    std::string error;
    if (n < errors.size() && errors[n] != '0') {
      if (auto message = PortErrorMessageOf(errors[n])) error = *message;
    }
    if (n > 0) json += ",";
    json += "{\"port\":" + std::to_string(n + 1) +
            ",\"speed\":" + JsonString(mode ? std::string(mode->speed) : "") +
            ",\"duplex\":" + JsonString(mode ? std::string(mode->duplex) : "") +
            ",\"error\":" + JsonString(error) + "}";
  }
  json += "],\"link\":" + JsonString(v.statusText) + "}";
  return json;
}

}  // namespace taviron::cli
