#include "config/ConfigFile.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "base/FailureCatalogue.h"
#include "base/InputFile.h"
#include "base/OsError.h"
#include "base/PortOpenExplanation.h"
#include "base/ReplaceFile.h"
#include "config/PortSetting.h"
#include "link/CommandTable.h"
#include "link/StatusTables.h"
#include "monitor/MainDisplay.h"

namespace taviron {
namespace {

constexpr std::size_t kLongestLine = 255;
constexpr char kEndOfFileByte = 0x1A;
// Eight lines of a few bytes each; this leaves room for any hand-written file.
constexpr std::uint64_t kConfigFileBound = 64ull * 1024;

// Where the file-name part of the path begins: after its last backslash or slash.
std::size_t FileNameStart(std::string_view path) {
  std::size_t slash = path.find_last_of("\\/");
  return slash == std::string_view::npos ? 0 : slash + 1;
}

void Incorrect(Exchange& exchange, const Failure& failure) {
  exchange.Report(failure);
}

}  // namespace

std::string WithTxtExtension(std::string_view path) {
  std::size_t dot = path.find('.', FileNameStart(path));
  return std::string(path.substr(0, dot)) + ".txt";
}

bool NamesAFile(std::string_view path) {
  const std::size_t nameStart = FileNameStart(path);
  return nameStart < path.size() && path[nameStart] != '.';
}

std::string ConfigFileText(std::string_view portConfig) {
  std::string text;
  for (std::size_t n = 0; n < static_cast<std::size_t>(kPortCount); ++n) {
    text += "port" + std::to_string(n + 1) + "=";
    if (n < portConfig.size()) text += portConfig[n];
    text += "\r\r\n";
  }
  return text;
}

bool ReadConfigLine(std::string_view& text, std::string& line) {
  line.clear();
  for (;;) {
    if (text.empty() || text.front() == kEndOfFileByte) {
      text = {};
      return !line.empty();
    }
    const char ch = text.front();
    text.remove_prefix(1);
    if (ch == '\r') continue;
    if (ch == '\n') return true;
    line += ch;
    if (line.size() == kLongestLine) {
      // A full buffer: its own line end, if that comes next, belongs to it.
      while (!text.empty() && text.front() == '\r')
        text.remove_prefix(1);
      if (!text.empty() && text.front() == '\n') text.remove_prefix(1);
      return true;
    }
  }
}

ConfigLine ParseConfigLine(std::string_view line, char& code) {
  std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return ConfigLine::kNoEquals;
  std::string_view value = line.substr(equals + 1);
  if (value.empty() || value[0] < '1' || value[0] > '6') return ConfigLine::kBadValue;
  if (value.size() > 1 && value[1] >= '0' && value[1] <= '9') return ConfigLine::kBadValue;
  code = value[0];
  return ConfigLine::kValue;
}

void FileSaveCommand(Exchange& exchange, Monitoring& monitor) {
  std::string path = exchange.frontend().AskFileToSave(kConfigFileFilter);
  if (!path.empty()) SaveConfigFile(exchange, monitor, path);
}

void FileOpenCommand(Exchange& exchange, Monitoring& monitor) {
  std::string path = exchange.frontend().AskFileToOpen(kConfigFileFilter);
  if (!path.empty()) LoadConfigFile(exchange, monitor, path);
}

std::string ReplaceQuestion(std::string_view target) {
  return std::string(target) + " already exists.\r\nDo you want to replace it?";
}

void SaveConfigFile(Exchange& exchange, const Monitoring& monitor, const std::string& chosenPath) {
  // The extension rule may name a file the operator never chose: it is replaced only when asked.
  const std::string target = WithTxtExtension(chosenPath);
  std::error_code error;
  if (std::filesystem::exists(std::filesystem::symlink_status(target, error)) &&
      !exchange.frontend().AskYesNo(ReplaceQuestion(target), kReplaceCaption)) {
    return;
  }
  OsError cause;
  if (!ReplaceFile(target, ConfigFileText(monitor.status.PortConfig), cause)) {
    // The box tells why after a blank line; the log keeps its record.
    const std::string box = WithExplanation(
        failure::kConfigSaveFailed.box,
        target + " could not be written" + (cause.text.empty() ? "." : ": " + cause.text + "."));
    Failure told = failure::kConfigSaveFailed;
    told.box = box;
    exchange.Report(told);
  }
}

void LoadConfigFile(Exchange& exchange, Monitoring& monitor, const std::string& path) {
  std::optional<std::string> file =
      path.empty() ? std::nullopt : ReadInputFile(path, kConfigFileBound);
  if (!file) {
    exchange.Report(failure::kConfigOpenFailed);
    return;
  }
  monitor.status.PortConfig.clear();
  int accepted = 0;
  std::string_view text = *file;
  std::string line;
  while (ReadConfigLine(text, line)) {
    char code = 0;
    ConfigLine kind = ParseConfigLine(line, code);
    if (kind != ConfigLine::kValue) {
      Incorrect(exchange, kind == ConfigLine::kNoEquals ? failure::kConfigNoEquals
                                                        : failure::kConfigBadValue);
      RefreshAll(exchange, monitor);
      return;
    }
    monitor.status.PortConfig += code;
    ++accepted;
  }
  PreselectPortLists(monitor);
  if (accepted == kPortCount) {
    monitor.status.PortConfig = ConvertPortCodes(monitor.status.PortConfig, kDisplayToSwitch);
    int result = SendPortSettings(exchange, monitor.status);
    monitor.status.PortConfig = ConvertPortCodes(monitor.status.PortConfig, kSwitchToDisplay);
    if (result != 0) {
      exchange.Report(failure::kConfigNotSet);
    }
  } else {
    Incorrect(exchange, failure::kConfigLineCount);
  }
  RefreshAll(exchange, monitor);
}

}  // namespace taviron
