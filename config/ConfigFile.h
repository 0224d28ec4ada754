#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "link/Exchange.h"
#include "monitor/Monitoring.h"

namespace taviron {

// The filter of the file dialogs for configuration files.
inline constexpr std::string_view kConfigFileFilter =
    "テキストファイル(*.txt)|*.txt|すべてのファイル(*.*)|*.*";

// The path with the ".txt" extension forced on its file name: everything from the name's first
// dot on is replaced, or ".txt" is appended. Folders keep their dots.
std::string WithTxtExtension(std::string_view path);
// The path names a file once the extension is forced: its file-name part holds something before
// its first dot. "", ".", "dir/" and ".hidden" do not; they would all be saved as ".txt".
bool NamesAFile(std::string_view path);

// The bytes of a configuration file for PortConfig: "port1=5" and so on, each line ending in
// CR CR LF.
std::string ConfigFileText(std::string_view portConfig);

// Takes one line from the front of a configuration file's text: CR bytes dropped, a 0x1A byte
// ends the file, at most 255 characters (a longer line goes on as the next one). False at the
// end of the file.
bool ReadConfigLine(std::string_view& text, std::string& line);

// The display code a line carries: the digit '1' to '6' right after the first "=", not followed
// by another digit. 0 for a line without "=" (kNoEquals) or with another value (kBadValue).
enum class ConfigLine { kValue, kNoEquals, kBadValue };
ConfigLine ParseConfigLine(std::string_view line, char& code);

// File > Save and File > Open: ask for the file, then write or load it.
void FileSaveCommand(Exchange& exchange, Monitoring& monitor);
void FileOpenCommand(Exchange& exchange, Monitoring& monitor);
// The question before a save replaces a file that exists under the name it writes.
std::string ReplaceQuestion(std::string_view target);
inline constexpr std::string_view kReplaceCaption = "Confirm Save As";
// Writes PortConfig to the file (its name given the ".txt" extension). When a file of that name
// exists, the operator is asked first; No writes nothing.
void SaveConfigFile(Exchange& exchange, const Monitoring& monitor, const std::string& chosenPath);
// Reads the file into PortConfig, sends it to the switch and refreshes. A file that cannot be
// read whole (see InputFile; one past 64 KiB holds no configuration) fails to open.
void LoadConfigFile(Exchange& exchange, Monitoring& monitor, const std::string& path);

}  // namespace taviron
