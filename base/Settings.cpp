#include "base/Settings.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <string_view>

#include "base/IniReader.h"
#include "base/InputFile.h"
#include "base/ReplaceFile.h"

namespace taviron {
namespace {

// Six keys take a few dozen bytes; a file that someone grew past this holds no settings of ours.
constexpr std::uint64_t kSettingsFileBound = 64ull * 1024;

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

void Apply(Settings& settings, const IniEntry& entry) {
  std::optional<std::int32_t> number = ParseInteger(entry.value);
  if (!number) return;
  auto is = [](std::string_view a, std::string_view b) { return SameIniName(a, b); };
  if (is(entry.section, "Size")) {
    if (is(entry.name, "Top")) settings.bounds.top = *number;
    if (is(entry.name, "Left")) settings.bounds.left = *number;
    if (is(entry.name, "Width")) settings.bounds.width = *number;
    if (is(entry.name, "Height")) settings.bounds.height = *number;
  } else if (is(entry.section, "Serial") && is(entry.name, "Port")) {
    settings.comPortIndex = static_cast<std::uint8_t>(static_cast<std::uint32_t>(*number) & 0xFF);
  } else if (is(entry.section, "Log") && is(entry.name, "Enable")) {
    settings.logEnable = static_cast<std::uint8_t>(static_cast<std::uint32_t>(*number) & 0xFF);
  }
}

}  // namespace

WindowBounds PlacedWithin(const WindowBounds& window, const WindowBounds& area) {
  WindowBounds placed = window;
  placed.width = std::min(window.width, area.width);
  placed.height = std::min(window.height, area.height);
  auto fit = [](int start, int length, int areaStart, int areaLength) {
    if (start + length > areaStart + areaLength) start = areaStart + areaLength - length;
    return start < areaStart ? areaStart : start;
  };
  placed.left = fit(window.left, placed.width, area.left, area.width);
  placed.top = fit(window.top, placed.height, area.top, area.height);
  return placed;
}

Settings LoadSettings(const std::filesystem::path& file) {
  Settings settings;
  std::optional<std::string> text = ReadInputFile(file, kSettingsFileBound);
  if (!text) return settings;
  // A key written twice keeps its last value, as the file would read to its writer.
  for (const IniEntry& entry : ReadIni(*text))
    Apply(settings, entry);
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
  // A settings file that its owner made read-only stays as it is (ReplaceFile refuses it).
  return ReplaceFile(file, SettingsText(settings));
}

}  // namespace taviron
