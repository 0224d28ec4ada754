#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/support/QuietFrontend.h"
#include "program/Configurator.h"
#include "sim/ModelPort.h"
#include "sim/SwitchModel.h"
#include "sim/VirtualClock.h"

namespace taviron::fuzz {

// The core wired to the simulated switch on the in-process port and virtual time, with logging
// off and every failure record it writes kept in memory.
struct FuzzRig {
  FuzzRig();

  // The port open and set up, as after a greeting.
  void Connect();
  // The eight-digit codes of the records written so far, in order.
  std::vector<std::uint32_t> Codes() const;

  sim::VirtualClock clock;
  sim::SwitchModel model;
  sim::ModelPort port{model, clock};
  QuietFrontend frontend;
  Configurator c;
  // Each record as written: the code text, then its message pieces joined.
  struct Record {
    std::string codeText;
    std::string message;
  };
  std::vector<Record> records;
};

// The bytes of a fuzz input as text.
inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The input cut at every separator byte.
std::vector<std::string> Split(std::string_view text, char separator);

}  // namespace taviron::fuzz
