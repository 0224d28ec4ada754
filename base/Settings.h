#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace taviron {

// Top-left corner and size of the main window, in pixels.
struct WindowBounds {
  int top = 177;
  int left = 462;
  int width = 491;
  int height = 661;
  bool operator==(const WindowBounds&) const = default;
};

// Where a window (with its frame) saved at these bounds opens on a screen whose free area is
// given: moved as little as needed to lie wholly within the area, so that no edge and no status
// bar is lost past the screen's edge; a window larger than the area is made as large as the
// area in that direction (its content then scrolls).
WindowBounds PlacedWithin(const WindowBounds& window, const WindowBounds& area);

// The contents of SWITCH.INI.
struct Settings {
  WindowBounds bounds;
  std::uint8_t comPortIndex = 0;  // Serial/Port
  std::uint8_t logEnable = 0;     // Log/Enable
  bool operator==(const Settings&) const = default;
};

// Reads the file; every key that is missing or not an integer keeps its default, and a missing
// or unreadable file (a directory, a FIFO, a device, one past its bound: see InputFile) gives
// all defaults. Port and Enable keep only the low 8 bits.
Settings LoadSettings(const std::filesystem::path& file);

// The file's bytes for these settings, sections and keys in their fixed order.
std::string SettingsText(const Settings& settings);

// Replaces the file with these settings through a new file beside it, so that a failure leaves
// the old file whole. False when the file could not be written.
bool SaveSettings(const std::filesystem::path& file, const Settings& settings);

}  // namespace taviron
