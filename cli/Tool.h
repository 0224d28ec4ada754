#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "base/SerialDevices.h"
#include "cli/CliFrontend.h"
#include "cli/Failures.h"
#include "cli/PortSearch.h"
#include "program/Configurator.h"

namespace taviron::cli {

struct ToolOptions {
  std::string port = "COM1";                       // COM1 to COM6, or a device path
  std::optional<std::string> password;             // the user password, when the switch asks
  std::optional<std::string> maintenancePassword;  // for the maintenance commands
  std::filesystem::path logDirectory;              // failure records go to LOG.TXT here
  std::filesystem::path settingsDirectory;         // where the program keeps SWITCH.INI
  DeviceRoots deviceRoots;                         // where serial devices are looked for
  bool json = false;
};

// The window's operations from a command line: each command opens the port, greets the switch
// (logging in when it asks), runs the same core sequence the window runs, and closes again.
// Results go to out; every failure is one line on err: its code and message. Each command
// returns the exit status: 0 success, 1 the switch refused or the link failed, 2 wrong usage,
// 3 a file could not be read, written or was refused.
class Tool {
 public:
  Tool(SerialPort& port, Clock& clock, ToolOptions options, std::ostream& out, std::ostream& err);

  // Prints the status; a value shown as unknown makes it fail (exit status 1).
  int Status();
  // Prints the status, then only what changed, every interval (finite, above 0, at most a day),
  // while keepGoing says so.
  int Watch(double intervalSeconds, const std::function<bool()>& keepGoing);
  int PortsShow();
  int PortsSet(const std::vector<std::string>& assignments);
  // A file that exists under the name saved is replaced only when replace says so.
  int ConfigSave(const std::string& file, bool replace = false);
  int ConfigLoad(const std::string& file);
  int Defaults();
  int Reset();
  int PasswordChange(std::optional<std::string> newPassword);
  int MacShow();
  int MacSet(const std::vector<std::string>& pairs);
  int SurgeClear();
  int Relay(bool on);
  int Log(bool on);
  // The serial devices this computer has, and where COM1 to COM6 lead, as the window names them.
  int Devices();
  // The firmware file's checks, without a switch.
  int FirmwareCheck(const std::string& file);
  // The whole upgrade: loader, erase, load, retries, and the reconnect afterwards.
  int FirmwareUpload(const std::string& file);

  // Greets the switch on the port and closes again, for --port auto: whether one answered, and
  // else the first failure the greeting met.
  PortTrial Greet();

  // A failure of the command line itself: printed, and the exit status for wrong usage.
  int Usage(const std::string& message);

  Configurator& core() { return core_; }
  CliFrontend& frontend() { return frontend_; }

 private:
  // Opens the port and greets the switch; false after a failure (already recorded).
  bool Connect();
  // Closes the connection, prints the failures and gives the exit status.
  int Finish();
  // Runs a command on a connected switch; a switch found in its ROM loader is told as such, and
  // serves only a command that restores it (fromLoader), which then runs on it.
  int Connected(const std::function<void()>& command, bool fromLoader = false);
  void AnswerMaintenancePassword();
  void ShowUploadProgress();

  ToolOptions options_;
  std::ostream& out_;
  std::ostream& err_;
  Clock& clock_;
  CliFrontend frontend_;
  Configurator core_;
  Failures failures_;
  long uploadRecords_ = 0;  // the records of the file being uploaded
  TimeMs uploadStart_ = 0;
  std::string shownPercent_;
  std::string shownText_;
};

// Greets a switch on the device through the port and closes again, for --port auto; nothing is
// logged and nothing printed.
PortTrial GreetOn(SerialPort& port, const ToolOptions& options, const SerialDevice& device);

// Why a password cannot go to the switch as the password windows would send it (a control
// character, more than the windows take), or nothing.
std::optional<std::string> PasswordRefusal(std::string_view password);

// The names of the six port modes on the command line, by display code: "10/half", "10/full",
// "100/half", "100/full", "auto", "disable".
std::string PortModeName(char displayCode);
// The display code of a mode name (any case; "10mbps/half" also works), or 0.
char PortModeCode(std::string name);

}  // namespace taviron::cli
