#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "base/Clock.h"
#include "sim/SwitchModel.h"

namespace taviron::sim {

// Serves the switch model on a pseudo-terminal: the program opens the device side like a
// serial port. The server keeps its own descriptor of the device side open, so the program can
// close and reopen the port without the line going away.
class PtyServer {
 public:
  PtyServer(SwitchModel& model, Clock& clock) : model_(model), clock_(clock) {}
  ~PtyServer();
  PtyServer(const PtyServer&) = delete;
  PtyServer& operator=(const PtyServer&) = delete;

  // Creates the pseudo-terminal; false with a reason when that fails.
  bool Start(std::string& error);
  const std::string& DevicePath() const { return devicePath_; }
  int MasterFd() const { return master_; }

  // Paces the switch's answers like a real line at this many bits per second (10 bits a byte);
  // 0 sends them at once.
  void SetPacing(int baud) { baud_ = baud; }

  // Moves bytes in both directions; returns how long the caller may wait (ms) before the next
  // call is due, -1 for no limit.
  int Service();
  // Reads from the line side after poll reported it readable.
  void OnReadable();

 private:
  void Deliver();

  SwitchModel& model_;
  Clock& clock_;
  int master_ = -1;
  int deviceSide_ = -1;
  std::string devicePath_;
  int baud_ = 0;
  std::deque<std::pair<double, char>> outgoing_;  // byte and the time (ms) it has arrived
  double lineFreeAt_ = 0;
  bool blocked_ = false;
};

}  // namespace taviron::sim
