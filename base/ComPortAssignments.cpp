#include "base/ComPortAssignments.h"

#include <optional>

#include "base/IniReader.h"
#include "base/InputFile.h"
#include "base/ReplaceFile.h"

namespace taviron {
namespace {

// Six device paths; a file past this bound holds none that the window wrote.
constexpr std::uint64_t kComPortsFileBound = 64ull * 1024;

constexpr std::string_view kSection = "Ports";

// A path the file can hold on one line and read back as it was written.
bool Storable(std::string_view path) {
  if (path.empty() || path.front() != '/') return false;
  if (path.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return false;
  // The reader takes a ';' after a blank for a comment, and drops blanks at the end.
  if (path.find(" ;") != std::string_view::npos || path.find("\t;") != std::string_view::npos) {
    return false;
  }
  return path.back() != ' ' && path.back() != '\t';
}

}  // namespace

ComPortAssignments LoadComPortAssignments(const std::filesystem::path& file) {
  ComPortAssignments assignments;
  std::optional<std::string> text = ReadInputFile(file, kComPortsFileBound);
  if (!text) return assignments;
  for (const IniEntry& entry : ReadIni(*text)) {
    if (!SameIniName(entry.section, kSection) || !Storable(entry.value)) continue;
    for (int i = 0; i < kComPortCount; ++i) {
      if (SameIniName(entry.name, ComPortName(static_cast<std::uint8_t>(i)))) {
        assignments.device[static_cast<std::size_t>(i)] = entry.value;
      }
    }
  }
  return assignments;
}

std::string ComPortAssignmentsText(const ComPortAssignments& assignments) {
  std::string text = "[" + std::string(kSection) + "]\n";
  for (int i = 0; i < kComPortCount; ++i) {
    const std::string& device = assignments.device[static_cast<std::size_t>(i)];
    if (!Storable(device)) continue;
    text += ComPortName(static_cast<std::uint8_t>(i)) + "=" + device + "\n";
  }
  return text;
}

bool SaveComPortAssignments(const std::filesystem::path& file,
                            const ComPortAssignments& assignments) {
  return ReplaceFile(file, ComPortAssignmentsText(assignments));
}

}  // namespace taviron
