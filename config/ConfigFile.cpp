#include "config/ConfigFile.h"

#include "base/FailureCatalogue.h"
#include "base/ReplaceFile.h"
#include "config/PortSetting.h"
#include "link/CommandTable.h"
#include "link/StatusTables.h"
#include "monitor/MainDisplay.h"

namespace taviron {
namespace {

constexpr std::size_t kLongestLine = 255;
constexpr int kEndOfFileByte = 0x1A;

void Incorrect(Exchange& exchange, const Failure& failure) {
  exchange.Report(failure);
}

}  // namespace

std::string WithTxtExtension(std::string_view path) {
  std::size_t nameStart = path.find_last_of("\\/");
  nameStart = nameStart == std::string_view::npos ? 0 : nameStart + 1;
  std::size_t dot = path.find('.', nameStart);
  return std::string(path.substr(0, dot)) + ".txt";
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

bool ReadConfigLine(std::FILE* file, std::string& line) {
  line.clear();
  for (;;) {
    int ch = std::fgetc(file);
    if (ch == EOF || ch == kEndOfFileByte) {
      if (ch == kEndOfFileByte) std::fseek(file, 0, SEEK_END);
      return !line.empty();
    }
    if (ch == '\r') continue;
    if (ch == '\n') return true;
    line += static_cast<char>(ch);
    if (line.size() == kLongestLine) {
      // A full buffer: its own line end, if that comes next, belongs to it.
      int next = std::fgetc(file);
      while (next == '\r')
        next = std::fgetc(file);
      if (next != '\n' && next != EOF) std::ungetc(next, file);
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

void SaveConfigFile(Exchange& exchange, const Monitoring& monitor, const std::string& chosenPath) {
  if (!ReplaceFile(WithTxtExtension(chosenPath), ConfigFileText(monitor.status.PortConfig))) {
    exchange.Report(failure::kConfigSaveFailed);
  }
}

void LoadConfigFile(Exchange& exchange, Monitoring& monitor, const std::string& path) {
  std::FILE* file = path.empty() ? nullptr : std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    exchange.Report(failure::kConfigOpenFailed);
    return;
  }
  monitor.status.PortConfig.clear();
  int accepted = 0;
  std::string line;
  while (ReadConfigLine(file, line)) {
    char code = 0;
    ConfigLine kind = ParseConfigLine(line, code);
    if (kind != ConfigLine::kValue) {
      Incorrect(exchange, kind == ConfigLine::kNoEquals ? failure::kConfigNoEquals
                                                        : failure::kConfigBadValue);
      RefreshAll(exchange, monitor);
      std::fclose(file);
      return;
    }
    monitor.status.PortConfig += code;
    ++accepted;
  }
  PreselectPortLists(monitor);
  std::fclose(file);
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
