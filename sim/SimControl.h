#pragma once

#include <string>
#include <string_view>

#include "base/Clock.h"
#include "sim/SwitchModel.h"

namespace taviron::sim {

// One control line for the simulated switch ("set relay 0", "fault silent on", "state", ...),
// as typed on the simulator's standard input or given by its options. Returns the answer line
// ("ok", "error: ...", or the requested report).
std::string ApplyControl(SwitchModel& model, std::string_view line, TimeMs now);

// The control lines the simulator understands, for its help text.
std::string_view ControlHelp();

// Turns \r, \n, \t, \\ and \xNN in a typed text into the bytes they stand for, and back.
std::string Unescape(std::string_view text);
std::string Escape(std::string_view bytes);

}  // namespace taviron::sim
