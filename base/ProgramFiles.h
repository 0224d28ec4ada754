#pragma once

#include <filesystem>

#include "base/ProgramFilePlaces.h"

namespace taviron {

// The directory of the running executable.
std::filesystem::path ExecutableDirectory();

// What decides where this copy keeps its files, as this system and user have it now.
ProgramFileFacts ProgramFileFactsOfThisSystem();

// Creates the directory and its missing parents, each open to this user alone, before a file is
// written there; a directory that exists is left as it is. False when it does not exist
// afterwards.
bool MakeUserDirectory(const std::filesystem::path& directory);

}  // namespace taviron
