#include "app/Settings.h"

#include <ini.h>
#include <strings.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <limits>
#include <optional>
#include <string_view>

#include "app/ReplaceFile.h"

namespace taviron {
namespace {

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
    text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::int64_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

bool Is(const char* a, const char* b) {
  return ::strcasecmp(a, b) == 0;
}

int OnKey(void* user, const char* section, const char* name, const char* value) {
  auto& settings = *static_cast<Settings*>(user);
  std::optional<std::int32_t> number = ParseInteger(value);
  if (!number) return 1;
  if (Is(section, "Size")) {
    if (Is(name, "Top")) settings.bounds.top = *number;
    if (Is(name, "Left")) settings.bounds.left = *number;
    if (Is(name, "Width")) settings.bounds.width = *number;
    if (Is(name, "Height")) settings.bounds.height = *number;
  } else if (Is(section, "Serial") && Is(name, "Port")) {
    settings.comPortIndex = static_cast<std::uint8_t>(static_cast<std::uint32_t>(*number) & 0xFF);
  } else if (Is(section, "Log") && Is(name, "Enable")) {
    settings.logEnable = static_cast<std::uint8_t>(static_cast<std::uint32_t>(*number) & 0xFF);
  }
  return 1;
}

}  // namespace

WindowBounds PlacedWithin(const WindowBounds& window, const WindowBounds& area) {
  WindowBounds placed = window;
  auto fit = [](int start, int length, int areaStart, int areaLength) {
    if (start + length > areaStart + areaLength) start = areaStart + areaLength - length;
    return start < areaStart ? areaStart : start;
  };
  placed.left = fit(window.left, window.width, area.left, area.width);
  placed.top = fit(window.top, window.height, area.top, area.height);
  return placed;
}

Settings LoadSettings(const std::filesystem::path& file) {
  Settings settings;
  FILE* stream = std::fopen(file.c_str(), "r");
  if (stream == nullptr) return settings;
  // A key written twice keeps its last value, as the file would read to its writer.
  ::ini_parse_file(stream, OnKey, &settings);
  std::fclose(stream);
  return settings;
}

std::string SettingsText(const Settings& s) {
  std::string text;
  auto line = [&text](std::string_view key, long value) {
    text += key;
    text += '=';
    text += std::to_string(value);
    text += '\n';
  };
  text += "[Size]\n";
  line("Top", s.bounds.top);
  line("Left", s.bounds.left);
  line("Width", s.bounds.width);
  line("Height", s.bounds.height);
  text += "[Serial]\n";
  line("Port", s.comPortIndex);
  text += "[Log]\n";
  line("Enable", s.logEnable);
  return text;
}

bool SaveSettings(const std::filesystem::path& file, const Settings& settings) {
  // A settings file that its owner made read-only stays as it is.
  if (::access(file.c_str(), F_OK) == 0 && ::access(file.c_str(), W_OK) != 0) return false;
  return ReplaceFile(file, SettingsText(settings));
}

}  // namespace taviron
