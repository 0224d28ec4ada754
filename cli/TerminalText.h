#pragma once

#include <string>
#include <string_view>

namespace taviron::cli {

// Text from the switch as it may go to a terminal: a control byte (C0 and DEL), every byte from
// 0x80 on (C1 controls, and pieces of characters the terminal would misread) and a backslash are
// written as escapes ("\x1B", "\xE9", "\\"), so that no byte the switch sent can steer the
// operator's terminal. Printable ASCII stays as it is.
std::string Printable(std::string_view text);

// A device's name or path as it may go to a terminal: escaped as Printable escapes, except that
// a backslash stays one, as Windows writes its device paths (\\.\COM1).
std::string PrintableName(std::string_view text);

}  // namespace taviron::cli
