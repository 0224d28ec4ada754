#pragma once

#include <filesystem>
#include <string>

namespace taviron {

// What decides where a copy of the program keeps its files.
struct ProgramFileFacts {
  bool userDirectories = true;  // the system has the user's configuration and state directories
  std::filesystem::path executableDirectory;
  bool directoryWritable = false;  // this user may create files in the executable's directory
  bool settingsBeside = false;     // SWITCH.INI lies in the executable's directory
  std::string configHome;          // $XDG_CONFIG_HOME as set, possibly empty
  std::string stateHome;           // $XDG_STATE_HOME as set, possibly empty
  std::string home;                // the user's home directory, possibly empty
};

// Where SWITCH.INI (with COMPORTS.INI beside it) and LOG.TXT lie.
struct ProgramFilePlaces {
  std::filesystem::path settingsDirectory;
  std::filesystem::path logDirectory;
  bool installed = false;  // the user's own directories rather than the executable's
  bool operator==(const ProgramFilePlaces&) const = default;
};

// A portable copy (SWITCH.INI beside the executable, or a directory the user may write), and
// every copy on a system without the user's directories, keeps both files beside the executable. An
// installed copy keeps the settings in $XDG_CONFIG_HOME/taviron and the log in
// $XDG_STATE_HOME/taviron; a variable that is unset, empty or not an absolute path stands for
// ~/.config or ~/.local/state. Without a home to fall back on, a file stays beside the executable,
// where writing it fails as it always has.
ProgramFilePlaces PlaceProgramFiles(const ProgramFileFacts& facts);

// Where this copy of the program keeps its files, from the facts of this system and user.
// Nothing is created.
ProgramFilePlaces LocateProgramFiles();

}  // namespace taviron
