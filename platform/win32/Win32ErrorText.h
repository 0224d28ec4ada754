#pragma once

#include <cstdint>
#include <string>

namespace taviron {

// The system's own short text for a Windows error code (GetLastError), without the line end,
// so that a failure can be shown to the operator in the system's words.
std::string SystemErrorText(std::uint32_t code);

}  // namespace taviron
