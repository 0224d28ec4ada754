#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace taviron {

// One key as an INI file gives it: the section it stands in ("" before the first section
// line), its name and its value.
struct IniEntry {
  std::string section;
  std::string name;
  std::string value;
  bool operator==(const IniEntry&) const = default;
};

// The keys of an INI text in the order they stand, read the way SWITCH.INI has always been
// read: "[section]" lines, "name=value" (or "name: value") lines, names and values without
// their surrounding blanks, lines starting with ';' or '#' and everything from a ';' after a
// blank to the line end are comments, an indented line after a key continues that key with one
// more value, and lines that are none of these are skipped. CR LF and LF line ends, and a
// UTF-8 byte order mark, are accepted. A key that stands twice is given twice.
std::vector<IniEntry> ReadIni(std::string_view text);

// Section and key names compare without regard to ASCII case.
bool SameIniName(std::string_view a, std::string_view b);

}  // namespace taviron
