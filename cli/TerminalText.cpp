#include "cli/TerminalText.h"

#include <cstdio>

namespace taviron::cli {

namespace {

std::string Escaped(std::string_view text, bool backslashes) {
  std::string out;
  out.reserve(text.size());
  for (unsigned char ch : text) {
    if (ch == '\\' && backslashes) {
      out += "\\\\";
    } else if (ch < 0x20 || ch >= 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02X", ch);
      out += escape;
    } else {
      out += static_cast<char>(ch);
    }
  }
  return out;
}

}  // namespace

std::string Printable(std::string_view text) {
  return Escaped(text, true);
}

std::string PrintableName(std::string_view text) {
  return Escaped(text, false);
}

}  // namespace taviron::cli
