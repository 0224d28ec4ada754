#pragma once

#include <filesystem>
#include <string>

namespace taviron {

// How the build laid the copy out: portable (built from source, unpacked into a directory of its
// own) or installed (the packaged build, whose directory is the system's). The build decides,
// never the permissions of the directory: for root every directory is writable.
enum class BuildLayout { kPortable, kInstalled };

// What decides where a copy of the program keeps its files.
struct ProgramFileFacts {
  BuildLayout layout = BuildLayout::kInstalled;
  bool userDirectories = true;  // the system has the user's configuration and state directories
  std::filesystem::path executableDirectory;
  bool settingsBeside = false;  // a SWITCH.INI file lies in the executable's directory
  std::string configHome;       // $XDG_CONFIG_HOME as set, possibly empty
  std::string stateHome;        // $XDG_STATE_HOME as set, possibly empty
  std::string home;             // the user's home directory, possibly empty
  // Windows: the user's roaming application data folder (%APPDATA%); empty elsewhere.
  std::filesystem::path appData;
  bool besideWritable = true;   // this user can create a file beside the executable
  bool inSystemFolder = false;  // the executable lies in the system's program or Windows folder
};

// Where SWITCH.INI (with COMPORTS.INI beside it) and LOG.TXT lie.
struct ProgramFilePlaces {
  std::filesystem::path settingsDirectory;
  std::filesystem::path logDirectory;
  bool installed = false;  // the user's own directories rather than the executable's
  bool operator==(const ProgramFilePlaces&) const = default;
};

// On Windows (appData known), a copy keeps both files in %APPDATA%\TAVIRON when it lies in the
// system's program folders or the Windows folder, whoever runs it (an administrator's run, which
// may write there, must not leave files that every user then reads and cannot write), and when
// its own folder cannot be written by this user; else beside itself, as a portable copy always
// has. Elsewhere a portable copy, and every copy on a system without the user's directories,
// keeps both files beside the executable. An installed copy keeps the settings in
// $XDG_CONFIG_HOME/taviron and the log in $XDG_STATE_HOME/taviron, unless a SWITCH.INI already
// stands beside it (an installed copy made portable on purpose); a variable that is unset, empty or
// not an absolute path stands for ~/.config or ~/.local/state. Without a home to fall back on, a
// file stays beside the executable, where writing it fails as it always has.
ProgramFilePlaces PlaceProgramFiles(const ProgramFileFacts& facts);

// Where this copy of the program, laid out as its build says, keeps its files, from the facts of
// this system and user. Nothing is created.
ProgramFilePlaces LocateProgramFiles(BuildLayout layout);

}  // namespace taviron
