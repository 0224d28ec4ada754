#pragma once

#include <string>

namespace taviron {

// The About box's version label, `Version`: "TAVIRON Ver. " and the programs' version.
std::string AboutVersionText();

}  // namespace taviron
