#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace taviron::cli {

// Text in JSON string form, quotes included. The quote and the backslash are escaped, and so is
// every byte outside printable ASCII (\u00XX, the character of that number), so the output is
// valid UTF-8, and plain ASCII, whatever bytes the switch or a file sent.
std::string JsonString(std::string_view text);

// A value in JSON form: its string, or null for a value that could not be read.
std::string JsonValue(const std::optional<std::string>& value);

}  // namespace taviron::cli
