#include "base/EscapedText.h"

#include <cstdio>

namespace taviron {

std::string EscapedText(std::string_view bytes, bool doubleBackslashes) {
  std::string text;
  text.reserve(bytes.size());
  for (const char ch : bytes) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte == '\\' && doubleBackslashes) {
      text += "\\\\";
    } else if (byte < 0x20 || byte >= 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      text += escape;
    } else {
      text += static_cast<char>(byte);
    }
  }
  return text;
}

}  // namespace taviron
