#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Clock.h"
#include "sim/RomLoader.h"

namespace taviron::sim {

// What the switch holds. Port modes are the switch's own codes ('0' to '3', '5', '6').
struct SwitchState {
  std::string userPassword;             // empty: no password protection
  std::string portModes = "55555555";   // one switch code per port
  std::string portErrors = "00000000";  // one port error code per port
  char relay = '1';
  std::uint32_t surgeCounter = 0x0040;  // shown as four hexadecimal digits, 0xFFFF a broken element
  std::string mac = "00 80 C2 12 34 56";
  std::string firmwareVersion = "01.09";
  std::string firmwareError = "0000";  // self-test result
};

// Ways the switch can misbehave. "only" names the one command they apply to (a keyword such
// as "fwv", or "probe" for the greeting byte and "password" for a password line); empty means
// every command.
struct SwitchFaults {
  bool silent = false;              // answers nothing
  bool refuse = false;              // refuses every change
  int shortReply = -1;              // keeps only this many bytes of each answer; -1 keeps all
  bool garbled = false;             // every byte of an answer altered
  TimeMs replyDelay = 0;            // every answer comes this much later
  long long silentAfterBytes = -1;  // stops answering once it has received more bytes than this
  std::string only;
  // Exact answers instead of the switch's own: to one whole command line (such as "ps 2 5"),
  // or else to every line of a keyword.
  std::map<std::string, std::string> replies;

  bool Applies(std::string_view keyword) const { return only.empty() || only == keyword; }
};

struct SwitchTiming {
  TimeMs restart = 1000;        // after "arst" or leaving the loader: deaf while it restarts
  TimeMs factoryDefault = 500;  // time "eini" takes to answer
};

// The simulated switch: bytes in, bytes out, with the time of each answer. Pure state; the
// transports (the in-process port and the pseudo-terminal server) drive it.
class SwitchModel {
 public:
  SwitchState state;
  SwitchFaults faults;
  SwitchTiming timing;
  RomLoader loader;

  void Receive(std::string_view bytes, TimeMs now);
  // Answer bytes whose time has come, in order.
  std::string TakeDue(TimeMs now);
  std::optional<TimeMs> NextDue() const;

  // Switched off and on: whatever it was doing, its ROM loader among it, it starts afresh and is
  // deaf meanwhile; its firmware when the loader's bank 0 holds one, the loader otherwise.
  void PowerCycle(TimeMs now);
  // Left in its ROM loader by an upgrade that erased the firmware and did not load it again:
  // it waits there, across power cycles, until a complete load and "E".
  void StrandInLoader();

  enum class Mode { kCommandLine, kRestarting, kLoader };
  Mode CurrentMode(TimeMs now) const;
  bool LoggedIn() const { return loggedIn_; }
  bool MaintenanceAdmitted() const { return maintenance_; }
  // The command lines received (without their line ends), at least the latest kKeptLines of
  // them, and the number of probes.
  static constexpr std::size_t kKeptLines = 10000;
  const std::vector<std::string>& Lines() const { return lines_; }
  int Probes() const { return probes_; }
  long long BytesReceived() const { return received_; }
  int Restarts() const { return restarts_; }

 private:
  void ReceiveByte(char byte, TimeMs now);
  void HandleLine(const std::string& line, TimeMs now);
  void HandleCommand(const std::string& line, TimeMs now);
  void Answer(std::string_view keyword, std::string reply, TimeMs now, TimeMs extraDelay = 0);
  std::string lastLine_;  // the command line being answered
  void Verdict(std::string_view keyword, bool accepted, TimeMs now, TimeMs extraDelay = 0);
  void StartRestart(TimeMs now);
  void FinishRestart(TimeMs now);
  bool Refuses(std::string_view keyword) const { return faults.refuse && faults.Applies(keyword); }

  struct Pending {
    TimeMs due;
    std::string bytes;
  };
  std::deque<Pending> pending_;
  std::string line_;
  bool loggedIn_ = false;
  bool maintenance_ = false;
  bool inLoader_ = false;
  std::optional<TimeMs> restartUntil_;
  std::vector<std::string> lines_;
  int probes_ = 0;
  long long received_ = 0;
  int restarts_ = 0;
};

}  // namespace taviron::sim
