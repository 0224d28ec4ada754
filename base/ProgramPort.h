#pragma once

#include <memory>
#include <string>

#include "base/SerialPort.h"
#include "base/TraceFile.h"

namespace taviron {

// The port a window program talks to the switch through: the system's own, with a trace of
// every byte in front of it when TAVIRON_TRACE names a file. Without a trace nothing stands
// between the program and the system's port.
class ProgramPort {
 public:
  ProgramPort();
  // The port the program's sequences use.
  SerialPort& wire() { return traced_ ? *traced_ : *system_; }
  // The system's port itself, whose COM names the program leads (LeadComNames).
  SerialPort& system() { return *system_; }
  // The trace file that was asked for and could not be opened and held; empty otherwise.
  const std::string& refusedTrace() const { return refusedTrace_; }

 private:
  std::unique_ptr<SerialPort> system_;
  TraceFile traceFile_;
  std::unique_ptr<SerialPort> traced_;
  std::string refusedTrace_;
};

}  // namespace taviron
