#pragma once

#include <string_view>

namespace taviron {

// The programs' version, as the build names it ("1.09"): --version, the About box, the Windows
// version resource and the package all say this one.
std::string_view ProgramVersion();

}  // namespace taviron
