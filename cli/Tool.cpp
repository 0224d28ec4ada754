#include "cli/Tool.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <thread>

#include "access/Login.h"
#include "access/Maintenance.h"
#include "access/PasswordChange.h"
#include "base/Clock.h"
#include "base/ComPortAssignments.h"
#include "base/PasswordText.h"
#include "base/PortOpenExplanation.h"
#include "base/ProgramFiles.h"
#include "base/Settings.h"
#include "base/Terminal.h"
#include "cli/DeviceList.h"
#include "cli/FirmwareCheck.h"
#include "cli/JsonText.h"
#include "cli/StatusReport.h"
#include "cli/TerminalText.h"
#include "config/ConfigFile.h"
#include "config/DefaultSetting.h"
#include "config/MacAddress.h"
#include "config/PortSetting.h"
#include "config/SurgeCounterClear.h"
#include "firmware/FirmwareUpload.h"
#include "firmware/LoaderDialogue.h"
#include "link/StatusTables.h"
#include "monitor/MainDisplay.h"
#include "monitor/StatusQueries.h"
#include "program/MenuActions.h"
#include "session/Startup.h"
#include "session/SwitchReset.h"

namespace taviron::cli {
namespace {

constexpr std::string_view kInLoaderLine =
    "The switch waits in its ROM loader: its last firmware upgrade did not finish. Restore it "
    "with: taviron-cli firmware upload FILE";

constexpr const char* kModeNames[] = {"10/half",  "10/full", "100/half",
                                      "100/full", "auto",    "disable"};

// The longest pause of a watch: a day.
constexpr double kLongestInterval = 24 * 60 * 60;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  return text;
}

std::string Now() {
  LocalDateTime t = SystemLocalNow();
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year % 10000, t.month % 100,
                t.day % 100, t.hour % 100, t.minute % 100, t.second % 100);
  return text;
}

}  // namespace

std::optional<std::string> PasswordRefusal(std::string_view password) {
  if (HoldsUnsendableCharacters(password)) return std::string(kUnsendableCharactersRefused);
  if (password.size() > static_cast<std::size_t>(kPasswordMaxLength)) {
    return "A password has at most " + std::to_string(kPasswordMaxLength) +
           " characters, as the password windows take.";
  }
  return std::nullopt;
}

std::string PortModeName(char displayCode) {
  if (displayCode < '1' || displayCode > '6') return "unknown";
  return kModeNames[displayCode - '1'];
}

char PortModeCode(std::string name) {
  name = Lower(name);
  for (char code = '1'; code <= '6'; ++code) {
    std::string known = kModeNames[code - '1'];
    if (name == known) return code;
    // "10mbps/half" as the window writes it
    std::size_t slash = known.find('/');
    if (slash != std::string::npos &&
        name == known.substr(0, slash) + "mbps" + known.substr(slash)) {
      return code;
    }
  }
  return 0;
}

Tool::Tool(SerialPort& port, Clock& clock, ToolOptions options, std::ostream& out,
           std::ostream& err)
    : options_(std::move(options)),
      out_(out),
      err_(err),
      clock_(clock),
      core_(port, clock, frontend_,
            options_.logDirectory.empty() ? options_.settingsDirectory : options_.logDirectory) {
  failures_.Listen(core_.exchange.log);
  failures_.ExplainPortOpenings([this] {
    return ExplainPortOpenFailure(core_.exchange.link.Port(),
                                  core_.exchange.link.ConfiguredPortName());
  });
  core_.exchange.link.UsePortName(options_.port);
  frontend_.onMaintenancePassword = [this] { AnswerMaintenancePassword(); };
}

int Tool::Usage(const std::string& message) {
  err_ << message << "\n";
  return 2;
}

bool Tool::Connect() {
  if (!options_.logDirectory.empty()) {
    if (core_.exchange.log.CanWriteFile(kLogFile) != 1) {
      failures_.Add(
          "Failed to write the error log file. (" + core_.exchange.log.LogPath().string() + ")", 3);
      return false;
    }
    core_.exchange.log.LogEnabled = 1;
    core_.exchange.log.OpenErrLog();
  }
  StartConnection(core_.exchange, core_.access, options_.port);
  if (core_.exchange.link.SwitchAnswered != 1) return false;
  if (core_.exchange.link.SwitchMode != '1') return true;
  std::optional<std::string> password = options_.password;
  if (!password) password = AskSecret("Password for the switch on " + options_.port + ": ");
  if (!password) {
    failures_.Add(
        "The switch asks for its user password: set TAVIRON_PASSWORD or give "
        "--password.");
    return false;
  }
  if (std::optional<std::string> refusal = PasswordRefusal(*password)) {
    failures_.Add(*refusal, 2);
    return false;
  }
  switch (PassInOk(core_.exchange, core_.access, *password)) {
    case LoginStep::kAccepted:
      return true;
    case LoginStep::kStay:
      failures_.Add("Password is incorrect.");
      return false;
    default:
      return false;  // recorded: the exchange failed
  }
}

PortTrial Tool::Greet() {
  PortTrial trial;
  trial.device = options_.port;
  StartConnection(core_.exchange, core_.access, options_.port);
  trial.answered = core_.exchange.link.SwitchAnswered == 1;
  EndConnection(core_.exchange);
  if (!trial.answered) {
    const std::string lines = failures_.Lines();
    trial.outcome = lines.empty() ? std::string("no answer") : lines.substr(0, lines.find('\n'));
  }
  return trial;
}

PortTrial GreetOn(SerialPort& port, const ToolOptions& options, const SerialDevice& device) {
  ToolOptions trialOptions = options;
  trialOptions.port = device.path;
  trialOptions.logDirectory.clear();
  std::ostringstream quiet;
  SteadyClock clock;
  PortTrial trial = Tool(port, clock, trialOptions, quiet, quiet).Greet();
  trial.usb = device.usb;
  return trial;
}

int Tool::Finish() {
  EndConnection(core_.exchange);
  err_ << failures_.Lines();
  err_.flush();
  return failures_.ExitStatus();
}

int Tool::Connected(const std::function<void()>& command, bool fromLoader) {
  // A password given that no window would take is wrong usage, told before anything is sent.
  for (const std::optional<std::string>* given :
       {&options_.password, &options_.maintenancePassword}) {
    if (!*given) continue;
    if (std::optional<std::string> refusal = PasswordRefusal(**given)) return Usage(*refusal);
  }
  if (Connect()) {
    command();
  } else if (core_.exchange.link.SwitchInLoader && fromLoader) {
    // The greeting's failure is in the log; here it is the state the command is for.
    failures_.Forget();
    out_ << "The switch waits in its ROM loader: its firmware is restored from the file.\n";
    command();
  } else if (core_.exchange.link.SwitchInLoader) {
    failures_.Add(std::string(kInLoaderLine));
  }
  return Finish();
}

void Tool::AnswerMaintenancePassword() {
  std::optional<std::string> password = options_.maintenancePassword;
  if (!password) password = AskSecret("Maintenance password: ");
  if (!password) {
    failures_.Add("This command needs the maintenance password: give --maintenance-password.");
    return;
  }
  if (std::optional<std::string> refusal = PasswordRefusal(*password)) {
    failures_.Add(*refusal, 2);
    return;
  }
  SuperPassInOk(core_.exchange, core_.access, *password);
}

int Tool::Status() {
  return Connected([this] {
    RefreshAll(core_.exchange, core_.monitor);
    out_ << (options_.json ? StatusJson(core_) + "\n" : StatusText(core_));
    // A placeholder is no value: the status failed, whether or not a failure was recorded.
    std::vector<std::string> unknown = UnknownValues(core_);
    if (unknown.empty()) return;
    std::string names;
    for (const std::string& name : unknown)
      names += (names.empty() ? "" : ", ") + name;
    failures_.Add("Shown as unknown: " + names + ".");
  });
}

int Tool::Watch(double intervalSeconds, const std::function<bool()>& keepGoing) {
  if (!std::isfinite(intervalSeconds) || intervalSeconds <= 0 ||
      intervalSeconds > kLongestInterval) {
    return Usage("The interval must be a number of seconds above 0 and at most 86400 (a day).");
  }
  // A watch runs for days: each failure is told as it happens, with its time, and not kept.
  failures_.Tell([this](const Failure& failure) {
    err_ << Now() << " " << FailureLine(failure);
    err_.flush();
  });
  return Connected([&] {
    std::vector<std::pair<std::string, std::string>> last;
    while (keepGoing()) {
      RefreshAll(core_.exchange, core_.monitor);
      std::vector<std::pair<std::string, std::string>> now = StatusValues(core_);
      std::string stamp = Now();
      if (options_.json) {
        if (now != last)
          out_ << "{\"time\":" << JsonString(stamp) << ",\"status\":" << StatusJson(core_)
               << ",\"schema\":1}\n";
      } else {
        for (std::size_t i = 0; i < now.size(); ++i) {
          if (i < last.size() && last[i] == now[i]) continue;
          out_ << stamp << " " << now[i].first << ": ";
          if (i < last.size()) out_ << Printable(last[i].second) << " -> ";
          out_ << Printable(now[i].second) << "\n";
        }
      }
      out_.flush();
      last = now;
      auto until = std::chrono::steady_clock::now() +
                   std::chrono::milliseconds(static_cast<long long>(intervalSeconds * 1000));
      while (keepGoing() && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
      }
    }
  });
}

int Tool::PortsShow() {
  return Connected([this] {
    GetPortConfig(core_.exchange, core_.monitor.status);
    if (core_.monitor.status.PortConfig == kNoPortConfig) return;
    if (options_.json) {
      out_ << "{\"ports\":[";
      for (std::size_t n = 0; n < static_cast<std::size_t>(kPortCount); ++n) {
        out_ << (n ? "," : "") << "{\"port\":" << n + 1
             << ",\"mode\":" << JsonString(PortModeName(core_.monitor.status.PortConfig[n])) << "}";
      }
      out_ << "],\"schema\":1}\n";
      return;
    }
    for (int n = 0; n < kPortCount; ++n) {
      out_ << n + 1 << "="
           << PortModeName(core_.monitor.status.PortConfig[static_cast<std::size_t>(n)]) << "\n";
    }
  });
}

int Tool::PortsSet(const std::vector<std::string>& assignments) {
  std::array<char, kPortCount> wanted{};
  for (const std::string& a : assignments) {
    std::size_t eq = a.find('=');
    int port = eq == 1 ? a[0] - '0' : 0;
    char code = eq == std::string::npos ? '\0' : PortModeCode(a.substr(eq + 1));
    if (port < 1 || port > kPortCount || code == 0) {
      return Usage("Cannot read '" + a +
                   "': give PORT=MODE, PORT 1 to 8, MODE one of auto, "
                   "disable, 10/half, 10/full, 100/half, 100/full.");
    }
    wanted[static_cast<std::size_t>(port - 1)] = code;
  }
  return Connected([&] {
    // Every port not named keeps the mode the switch reports for it now.
    GetPortConfig(core_.exchange, core_.monitor.status);
    for (std::size_t n = 0; n < wanted.size(); ++n) {
      char code = wanted[n] != 0 ? wanted[n] : core_.monitor.status.PortConfig[n];
      if (code < '1' || code > '6') {
        failures_.Add("The mode of port #" + std::to_string(n + 1) +
                      " could not be read: name it too.");
        return;
      }
      core_.monitor.portSelection[n] = code - '1';
    }
    PortSetOk(core_.exchange, core_.monitor, core_.portSetting);
  });
}

int Tool::ConfigSave(const std::string& file, bool replace) {
  if (!NamesAFile(file)) {
    return Usage("Cannot save as '" + file +
                 "': give a file name, such as site-a (saved as site-a.txt).");
  }
  return Connected([&] {
    GetPortConfig(core_.exchange, core_.monitor.status);
    if (core_.monitor.status.PortConfig == kNoPortConfig) return;  // nothing worth a file
    // A file with ports not read would be refused when loaded: nothing is saved then.
    std::string unread;
    for (std::size_t n = 0; n < core_.monitor.status.PortConfig.size(); ++n) {
      if (core_.monitor.status.PortConfig[n] < '1' || core_.monitor.status.PortConfig[n] > '6') {
        unread += (unread.empty() ? "#" : ", #") + std::to_string(n + 1);
      }
    }
    if (!unread.empty()) {
      failures_.Add("The mode of port " + unread + " could not be read: nothing was saved.");
      return;
    }
    frontend_.answerYes = replace;
    frontend_.declined.clear();
    SaveConfigFile(core_.exchange, core_.monitor, file);
    if (!frontend_.declined.empty()) {
      failures_.Add(WithTxtExtension(file) + " exists: nothing was saved (--force replaces it).",
                    3);
      return;
    }
    if (!failures_.Any()) out_ << WithTxtExtension(file) << "\n";
  });
}

int Tool::ConfigLoad(const std::string& file) {
  return Connected([&] { LoadConfigFile(core_.exchange, core_.monitor, file); });
}

int Tool::Defaults() {
  return Connected(
      [this] { FactSetYes(core_.exchange, core_.monitor, core_.access, core_.defaultSetting); });
}

int Tool::Reset() {
  return Connected([this] { ResetSwitch(core_.exchange, core_.monitor, core_.access); });
}

int Tool::PasswordChange(std::optional<std::string> newPassword) {
  std::string confirmation;
  if (!newPassword) {
    newPassword = AskSecret("New user password (0-8 characters): ");
    std::optional<std::string> again = AskSecret("Please retype the password: ");
    if (!newPassword || !again) return Usage("Give the new password with --new-password.");
    confirmation = *again;
  } else {
    confirmation = *newPassword;
  }
  if (HoldsUnsendableCharacters(*newPassword) || HoldsUnsendableCharacters(confirmation)) {
    return Usage(std::string(kUnsendableCharactersRefused));
  }
  if (newPassword->size() > static_cast<std::size_t>(kUserPasswordMaxLength)) {
    return Usage("A user password has at most 8 characters.");
  }
  return Connected([&] { PassSetOk(core_.exchange, core_.access, *newPassword, confirmation); });
}

int Tool::MacShow() {
  return Connected([this] {
    MacSetShow(core_.exchange, core_.macAddress);
    if (failures_.Any()) return;
    const auto& boxes = core_.macAddress.macSet.Ed_mac;
    if (options_.json) {
      std::string address;
      for (std::size_t i = 0; i < boxes.size(); ++i)
        address += (i ? " " : "") + boxes[i];
      out_ << "{\"mac\":" << JsonString(address) << ",\"schema\":1}\n";
      return;
    }
    for (std::size_t i = 0; i < boxes.size(); ++i)
      out_ << (i ? " " : "") << Printable(boxes[i]);
    out_ << "\n";
  });
}

int Tool::MacSet(const std::vector<std::string>& pairs) {
  if (pairs.size() != 6) return Usage("Give the address as six pairs: XX XX XX XX XX XX.");
  return Connected([&] {
    if (!MaintenanceGate(core_.exchange, core_.access)) return;
    std::copy(pairs.begin(), pairs.end(), core_.macAddress.macSet.Ed_mac.begin());
    MacSetOk(core_.exchange, core_.macAddress);
  });
}

int Tool::SurgeClear() {
  return Connected([this] {
    if (MaintenanceGate(core_.exchange, core_.access)) ThClearYes(core_.exchange, core_.surgeClear);
  });
}

int Tool::Relay(bool on) {
  return Connected([&] {
    if (!MaintenanceGate(core_.exchange, core_.access)) return;
    SetRelayState(core_.exchange, core_.monitor.status, on ? "1" : "0");
  });
}

int Tool::Log(bool on) {
  return Connected([&] {
    if (!MaintenanceGate(core_.exchange, core_.access)) return;
    // The program's own logging switch, in its settings file.
    std::filesystem::path file = options_.settingsDirectory / kSettingsFileName;
    Settings settings = LoadSettings(file);
    settings.logEnable = on ? 1 : 0;
    if (!MakeUserDirectory(options_.settingsDirectory) || !SaveSettings(file, settings)) {
      failures_.Add("Failed to write INI file. (" + file.string() + ")", 3);
    }
  });
}

int Tool::Devices() {
  const std::vector<SerialDevice> devices = FindSerialDevices(options_.deviceRoots);
  const ComPortAssignments assigned =
      LoadComPortAssignments(options_.settingsDirectory / kComPortsFileName);
  out_ << (options_.json ? DeviceListJson(devices, assigned) : DeviceListText(devices, assigned));
  return 0;
}

int Tool::FirmwareCheck(const std::string& file) {
  FirmwareFileReport report = CheckFirmwareFile(file);
  if (report.refusal != nullptr && report.refusedLine == 0) {
    err_ << report.refusal->code << " " << report.refusal->box << "\n";
    return 3;
  }
  if (options_.json) {
    out_ << FirmwareReportJson(file, report);
  } else {
    out_ << file << "\n" << FirmwareReportText(report);
  }
  if (report.refusal == nullptr) return 0;
  std::string message(report.refusal->log);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) {
    message.pop_back();
  }
  err_ << report.refusal->code << " " << message << " (line " << report.refusedLine << ")\n";
  return 3;
}

void Tool::ShowUploadProgress() {
  const FirmwareWindow& w = core_.fwUpdate;
  // The share of the file's own records sent, as a whole number that ends at 100; the window's
  // "0" and "00" before the first record stay as they are.
  std::string percent = w.Lb_per;
  if (uploadRecords_ > 0 && w.ProgressBar1 > 0 && w.Lb_per != "100") {
    percent = std::to_string(std::clamp(w.ProgressBar1 * 100L / uploadRecords_, 0L, 99L));
  }
  if (percent == shownPercent_ && w.Lb_update == shownText_) return;
  const TimeMs elapsed = (clock_.Now() - uploadStart_) / 1000;
  char time[32];
  std::snprintf(time, sizeof time, "%lld:%02lld", static_cast<long long>(elapsed / 60),
                static_cast<long long>(elapsed % 60));
  if (ErrorIsTerminal()) {
    const int filled = std::clamp(std::atoi(percent.c_str()) * 40 / 100, 0, 40);
    err_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
         << std::string(static_cast<std::size_t>(40 - filled), ' ') << "] " << percent << "% "
         << time << " " << w.Lb_update << "\x1b[K";
  } else {
    if (w.Lb_update != shownText_ && !w.Lb_update.empty()) out_ << w.Lb_update << "\n";
    if (percent != shownPercent_) out_ << percent << "% " << time << "\n";
  }
  err_.flush();
  out_.flush();
  shownPercent_ = percent;
  shownText_ = w.Lb_update;
}

int Tool::FirmwareUpload(const std::string& file) {
  return Connected(
      [&] {
        if (!MaintenanceGate(core_.exchange, core_.access)) return;
        FwUpdateOpenFile(core_.exchange, core_.fwUpdate, file);
        uploadRecords_ = CheckFirmwareFile(file).records;
        uploadStart_ = clock_.Now();
        frontend_.onProgress = [this] { ShowUploadProgress(); };
        FwUpdateUpload(core_.exchange, core_.monitor, core_.access, core_.fwUpdate);
        frontend_.onProgress = nullptr;
        if (ErrorIsTerminal()) err_ << "\n";
        // The firmware the switch runs now, as it reported it after the reconnect.
        if (!failures_.Any() && core_.monitor.view.Lb_fw_ver != kNoFirmwareVersion) {
          out_ << "Firmware version: " << Printable(core_.monitor.view.Lb_fw_ver) << "\n";
        }
      },
      true);
}

}  // namespace taviron::cli
