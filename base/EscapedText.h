#pragma once

#include <string>
#include <string_view>

namespace taviron {

// Bytes as they may go to a terminal or a trace: printable ASCII as it is, every control byte
// (C0 and DEL) and every byte from 0x80 on as "\xHH", so that no byte from the wire or a file can
// steer a terminal; a backslash doubled, unless it is kept as one (a Windows path, \\.\COM1).
std::string EscapedText(std::string_view bytes, bool doubleBackslashes = true);

}  // namespace taviron
