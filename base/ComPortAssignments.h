#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/ComPortNames.h"

namespace taviron {

inline constexpr std::string_view kComPortsFileName = "COMPORTS.INI";

// The devices the operator pointed COM1 to COM6 at, kept in COMPORTS.INI beside SWITCH.INI
// (which keeps only the chosen name). An empty entry leaves the name where it leads by default.
// A USB adapter is kept by its stable name under /dev/serial/by-id, so that the choice still
// holds when the adapter comes back under another ttyUSB number.
struct ComPortAssignments {
  std::array<std::string, kComPortCount> device;
  bool operator==(const ComPortAssignments&) const = default;
};

// Reads the file: section [Ports], keys COM1 to COM6, each an absolute device path. Other keys
// and values are passed over; a missing or unreadable file (see InputFile) assigns nothing.
ComPortAssignments LoadComPortAssignments(const std::filesystem::path& file);

// The file's bytes: the section line, then one line per assigned name, in order.
std::string ComPortAssignmentsText(const ComPortAssignments& assignments);

// Replaces the file whole (ReplaceFile); false when it could not be written.
bool SaveComPortAssignments(const std::filesystem::path& file,
                            const ComPortAssignments& assignments);

}  // namespace taviron
