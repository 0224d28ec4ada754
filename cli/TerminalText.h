#pragma once

#include <string>
#include <string_view>

namespace taviron::cli {

// Text from the switch as it may go to a terminal: a control byte (C0, DEL and C1) or a
// backslash is written as an escape ("\x1B", "\\"), so that no byte the switch sent can steer
// the operator's terminal. Everything else stays as it is.
std::string Printable(std::string_view text);

}  // namespace taviron::cli
