#pragma once

#include <filesystem>

namespace taviron {

// The directory of the running executable: the settings and log files lie beside it.
std::filesystem::path ExecutableDirectory();

}  // namespace taviron
