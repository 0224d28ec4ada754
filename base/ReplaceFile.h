#pragma once

#include <filesystem>
#include <string_view>

#include "base/OsError.h"

namespace taviron {

// Writes the bytes to a new file beside the target, then renames it over the target, so a
// failure at any point leaves an earlier file whole. The new file is created exclusively under
// a name of its own (never through a link, never another saver's), keeps the replaced file's
// mode, and reaches the disk before the rename, the directory after it. False when the file
// could not be written; a target that this user may not write (read-only) is left as it is and
// gives false too.
bool ReplaceFile(const std::filesystem::path& file, std::string_view bytes);
// The same, with the system's reason for a failure in cause.
bool ReplaceFile(const std::filesystem::path& file, std::string_view bytes, OsError& cause);

}  // namespace taviron
