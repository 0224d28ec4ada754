// taviron-cli: the switch's operations from a command line, for scripts and monitoring.
#include <CLI/CLI.hpp>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>

#include "base/Clock.h"
#include "base/CloseRequests.h"
#include "base/ComPortAssignments.h"
#include "base/ErrorLog.h"
#include "base/ProgramFiles.h"
#include "base/SerialDevices.h"
#include "base/SystemSerialPort.h"
#include "base/TracedSerialPort.h"
#include "base/Version.h"
#include "cli/Tool.h"

// The build names the layout of the copy it makes: installed for the package, else portable.
constexpr taviron::BuildLayout kLayout =
    TAVIRON_INSTALLED_LAYOUT ? taviron::BuildLayout::kInstalled : taviron::BuildLayout::kPortable;

// CLI11 throws only when the option table below is malformed, which the first run shows.
// NOLINTNEXTLINE(bugprone-exception-escape)
int main(int argc, char** argv) {
  using namespace taviron;
  CLI::App app{
      "taviron-cli: read and change the 8-port Ethernet switch from a command line.\n"
      "Exit status: 0 success, 1 the switch refused or the link failed, 2 wrong usage, "
      "3 a file could not be read, written or was refused."};
  app.require_subcommand(1);
  app.set_version_flag("--version", "taviron-cli " + std::string(ProgramVersion()),
                       "print the version and exit");
  // Operators type the options where they think of them: after the command too.
  app.fallthrough();
  cli::ToolOptions options;
  const ProgramFilePlaces places = LocateProgramFiles(kLayout);
  options.settingsDirectory = places.settingsDirectory;
  app.footer("Files:\n  " + (places.settingsDirectory / kSettingsFileName).string() +
             "  the program's settings, where log on|off switch its logging\n  " +
             (places.settingsDirectory / kComPortsFileName).string() +
             "  the devices COM1 to COM6 are pointed at\n  DIR/" + std::string(kLogFileName) +
             "  the failure records, with --log DIR");
  std::string password, maintenance, logDir;
  app.add_option("--port", options.port,
                 "COM1 to COM6 (mapped as the program maps them), a device path, or auto: the "
                 "one device a switch answers on, USB adapters tried first")
      ->capture_default_str();
  app.add_option("--password", password,
                 "the switch's user password (shown in the process list: prefer the "
                 "environment variable TAVIRON_PASSWORD)");
  app.add_option("--maintenance-password", maintenance,
                 "the maintenance password, for the maintenance commands (else asked)");
  app.add_option("--log", logDir, "append failure records to DIR/LOG.TXT as the program does");
  app.add_flag("--json", options.json,
               "the result as JSON, for status, watch, ports show, mac show, devices and "
               "firmware check");
  bool trace = false;
  app.add_flag("--trace", trace,
               "every byte written (>) and read (<) on standard error, with the milliseconds "
               "since the start");

  auto* status = app.add_subcommand("status", "what the main window shows");
  double interval = 5;
  auto* watch = app.add_subcommand("watch", "the status, then only what changes, with the time");
  watch->add_option("--interval", interval, "seconds between refreshes")->capture_default_str();

  auto* ports = app.add_subcommand("ports", "speed and duplex of the ports");
  ports->require_subcommand(1);
  auto* portsShow = ports->add_subcommand("show", "each port's mode: 1=auto ...");
  std::vector<std::string> assignments;
  auto* portsSet = ports->add_subcommand(
      "set", "set ports: 1=auto 2=100/full ...; ports not named keep their mode");
  portsSet
      ->add_option("assignments", assignments,
                   "PORT=MODE, MODE one of auto, disable, 10/half, 10/full, 100/half, "
                   "100/full")
      ->required();

  auto* config = app.add_subcommand("config", "port configuration files");
  config->require_subcommand(1);
  std::string file;
  auto* configSave = config->add_subcommand("save", "save the ports' modes to FILE (.txt)");
  configSave->add_option("file", file)->required();
  bool replace = false;
  configSave->add_flag("--force", replace, "replace a file that exists under that name");
  auto* configLoad = config->add_subcommand("load", "send the modes of FILE to the switch");
  configLoad->add_option("file", file)->required();

  auto* defaults = app.add_subcommand("defaults", "factory defaults, then a reset");
  auto* reset = app.add_subcommand("reset", "restart the switch and reconnect");
  auto* passwordCmd = app.add_subcommand("password", "the switch's user password");
  passwordCmd->require_subcommand(1);
  std::string newPassword;
  auto* passwordChange = passwordCmd->add_subcommand("change", "set a new user password");
  passwordChange->add_option("--new-password", newPassword, "the new password (else asked)");

  auto* mac = app.add_subcommand("mac", "the switch's MAC address");
  mac->require_subcommand(1);
  auto* macShow = mac->add_subcommand("show", "print the address");
  std::vector<std::string> pairs;
  auto* macSet = mac->add_subcommand("set", "set the address (maintenance): XX XX XX XX XX XX");
  macSet->add_option("pairs", pairs, "six pairs of upper-case hexadecimal digits")->required();

  auto* surge = app.add_subcommand("surge", "the surge counter");
  surge->require_subcommand(1);
  auto* surgeClear = surge->add_subcommand("clear", "reset the counter to 0 (maintenance)");

  std::string state;
  auto* relay = app.add_subcommand("relay", "switch the bypass relay (maintenance)");
  relay->add_option("state", state, "on or off")->required()->check(CLI::IsMember({"on", "off"}));
  auto* log = app.add_subcommand("log", "the program's error logging (maintenance)");
  log->add_option("state", state, "on or off")->required()->check(CLI::IsMember({"on", "off"}));

  auto* devices = app.add_subcommand(
      "devices", "the serial devices this computer has, and where COM1 to COM6 lead");

  auto* firmware = app.add_subcommand("firmware", "the switch's firmware");
  firmware->require_subcommand(1);
  auto* firmwareCheck = firmware->add_subcommand(
      "check", "check FILE as the upload would, without a switch: records, bytes, addresses");
  firmwareCheck->add_option("file", file)->required();
  auto* firmwareUpload = firmware->add_subcommand(
      "upload", "upgrade the switch's firmware from FILE (maintenance), then reconnect");
  firmwareUpload->add_option("file", file)->required();

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return 2;
  }

  // A command that prints no result has no JSON to give: saying so beats ignoring the option.
  if (options.json &&
      !(*status || *watch || *portsShow || *macShow || *devices || *firmwareCheck)) {
    std::cerr << "--json: this command prints no result; --json is for status, watch, ports "
                 "show, mac show, devices and firmware check.\n";
    return 2;
  }
  if (const char* fromEnvironment = std::getenv("TAVIRON_PASSWORD")) {
    options.password = fromEnvironment;
  }
  // Given is given, empty or not: the switch, not the program, judges an empty password.
  if (app.count("--password") > 0) options.password = password;
  if (app.count("--maintenance-password") > 0) options.maintenancePassword = maintenance;
  options.logDirectory = logDir;

  WatchCloseRequests();

  // COM1 to COM6 lead where the window's COM Port Setting pointed them.
  const ComPortAssignments assigned =
      LoadComPortAssignments(options.settingsDirectory / kComPortsFileName);
  std::unique_ptr<SerialPort> systemPort = NewSystemSerialPort(&assigned);
  // The trace stands in front of the port only when asked for.
  std::unique_ptr<SerialPort> traced;
  if (trace) traced = std::make_unique<TracedSerialPort>(*systemPort, std::cerr);
  SerialPort& port = traced ? *traced : *systemPort;
  // auto: the one device a switch answers on, for the commands that talk to a switch.
  if (options.port == "auto" && !*devices && !*firmwareCheck) {
    const cli::PortChoice choice = cli::SearchPort(
        FindSerialDevices(options.deviceRoots),
        [&](const SerialDevice& device) { return cli::GreetOn(port, options, device); });
    if (choice.device.empty()) {
      std::cerr << choice.report;
      return 2;
    }
    options.port = choice.device;
  }
  SteadyClock clock;
  cli::Tool tool(port, clock, options, std::cout, std::cerr);
  if (*status) return tool.Status();
  if (*watch) return tool.Watch(interval, [] { return !CloseRequested(); });
  if (*portsShow) return tool.PortsShow();
  if (*portsSet) return tool.PortsSet(assignments);
  if (*configSave) return tool.ConfigSave(file, replace);
  if (*configLoad) return tool.ConfigLoad(file);
  if (*defaults) return tool.Defaults();
  if (*reset) return tool.Reset();
  if (*passwordChange) {
    return tool.PasswordChange(passwordChange->count("--new-password")
                                   ? std::optional<std::string>(newPassword)
                                   : std::nullopt);
  }
  if (*macShow) return tool.MacShow();
  if (*macSet) return tool.MacSet(pairs);
  if (*surgeClear) return tool.SurgeClear();
  if (*relay) return tool.Relay(state == "on");
  if (*log) return tool.Log(state == "on");
  if (*devices) return tool.Devices();
  if (*firmwareCheck) return tool.FirmwareCheck(file);
  if (*firmwareUpload) return tool.FirmwareUpload(file);
  return tool.Usage(app.help());
}
