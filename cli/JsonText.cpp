#include "cli/JsonText.h"

#include <cstdio>

namespace taviron::cli {

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (unsigned char ch : text) {
    if (ch == '"' || ch == '\\') {
      out += '\\';
      out += static_cast<char>(ch);
    } else if (ch < 0x20 || ch > 0x7E) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", ch);
      out += escaped;
    } else {
      out += static_cast<char>(ch);
    }
  }
  return out + "\"";
}

std::string JsonValue(const std::optional<std::string>& value) {
  return value ? JsonString(*value) : "null";
}

}  // namespace taviron::cli
