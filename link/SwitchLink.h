#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "base/Clock.h"
#include "base/SerialPort.h"
#include "link/LinkState.h"

namespace taviron {

// Transfer directions of RWPort.
constexpr int kRead = 1;
constexpr int kWrite = 2;

// The one serial port of the main window, its command exchange and the connection state that
// every exchange reports into.
class SwitchLink {
 public:
  SwitchLink(SerialPort& port, Clock& clock) : port_(port), clock_(clock) {}

  // Port handling.
  bool OpenConnection(std::string_view portName);
  bool OpenConfiguredPort() { return OpenConnection(ConfiguredPortName()); }
  bool SetupConnection();
  std::uint32_t getInque();
  void BuffClear();
  bool CloseConnection();
  bool HasPort() const { return port_.IsOpen(); }
  // The port every opening uses: the name ComPortIndex selects, unless a port name was given
  // in its place (the command-line tool's --port, which may be a device path).
  std::string ConfiguredPortName() const;
  void UsePortName(std::string name) { portName_ = std::move(name); }

  // Read time-outs of the open port, changed by the firmware upload for its long waits.
  void SetReadTimeouts(std::uint32_t interval, std::uint32_t totalConstant);

  // One transfer: direction kRead or kWrite, the caller's buffer, the bytes moved, the count.
  bool RWPort(int direction, std::span<std::uint8_t> buffer, std::uint32_t& done,
              std::uint32_t count);
  // The same transfer for the wake-up lines of the greeting; failures are ignored.
  bool RWPort_ini(int direction, std::span<std::uint8_t> buffer, std::uint32_t& done,
                  std::uint32_t count);

  const std::string& CommErrorText() const { return commErrorText_; }

  SerialPort& Port() { return port_; }
  Clock& clock() { return clock_; }

  int LinkState = kLinkDisconnect;
  std::uint8_t ComPortIndex = 0;
  // The greeting's outcome: 1 once the switch answered it on this connection, and the mode
  // character it answered with ('1' when it wants the user password).
  int SwitchAnswered = 0;
  char SwitchMode = 0;
  // The switch waits in its processor's ROM loader (an upgrade that did not finish left it
  // there): its firmware does not run, and only a firmware upload brings it back.
  bool SwitchInLoader = false;

 private:
  // Steps shared by both transfers; false after the third failed attempt.
  bool Attempt(int direction, std::span<std::uint8_t> buffer, std::uint32_t& done,
               std::uint32_t& count);
  void AfterFailedRead(int direction, std::span<std::uint8_t> buffer, std::uint32_t done);

  SerialPort& port_;
  Clock& clock_;
  CommTimeouts timeouts_;
  std::string commErrorText_ = "\r\n";
  std::string portName_;
};

// Text of a line-error word for the log, or CR LF when the word is not exactly one known error.
std::string_view LineErrorText(std::uint32_t errorWord);

}  // namespace taviron
