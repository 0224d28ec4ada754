#pragma once

#include <optional>
#include <string>

namespace taviron::cli {

// Asks on the terminal without echoing what is typed; none when standard input is not a
// terminal or the input ends.
std::optional<std::string> AskSecret(const std::string& prompt);

// True when standard error is a terminal (for a progress bar).
bool ErrorIsTerminal();

}  // namespace taviron::cli
