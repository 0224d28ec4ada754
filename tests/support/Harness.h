#pragma once

#include <string>
#include <vector>

#include "program/Configurator.h"
#include "sim/ModelPort.h"
#include "sim/SwitchModel.h"
#include "sim/VirtualClock.h"
#include "tests/support/RecordingFrontend.h"
#include "tests/support/TempDir.h"

namespace taviron::test {

// The core wired to the simulated switch on the in-process port and virtual time, with a
// recording front end and a files directory of its own.
struct Harness {
  Harness();

  // Logging on, as the menu switches it on; LOG.TXT then holds its header.
  void EnableLog();
  // The port open and set up, as after a greeting; the switch session logged in.
  void Connect();
  // LOG.TXT as it stands, and without its three header lines.
  std::string Log();
  std::string LogEntries();
  // What was written to the port since the last ClearEvents, each write as one string.
  std::vector<std::string> Written() const;

  TempDir dir;
  sim::VirtualClock clock;
  sim::SwitchModel model;
  sim::ModelPort port{model, clock};
  RecordingFrontend frontend;
  Configurator c{port, clock, frontend, dir.path()};
};

// A test name made of the letters and digits of a case's description.
std::string CaseName(std::string_view description);

// The header LOG.TXT starts with.
extern const std::string kLogHeader;
// The timestamp of virtual time t (ms), as the log writes it.
std::string Stamp(TimeMs t = 0);

}  // namespace taviron::test
