// A soak on virtual time: thousands of refresh, connect and reset cycles against the simulated
// switch in this process, with the switch's faults and failing port operations switched at
// random from a fixed seed. It prints the cycles run, the failures by code, the cycles whose
// end state broke the link's rules, and the process's memory at the start and the end; a crash
// would end it before its figures. Its pace is given against a floor of clean refreshes measured
// first in the same run.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>

#include "bench/BenchSupport.h"
#include "link/LinkState.h"
#include "monitor/MainDisplay.h"
#include "program/Configurator.h"
#include "program/MenuActions.h"
#include "session/ConnectionLifecycle.h"
#include "session/SwitchReset.h"
#include "sim/ModelPort.h"
#include "sim/SwitchModel.h"
#include "sim/VirtualClock.h"

using namespace taviron;

namespace {

// Resident memory of this process in kB.
long ResidentKb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return -1;
}

// The switch's faults for one cycle: mostly none, else one of its misbehaviours, for every
// command or for one of them.
void SwitchFaults(std::mt19937& rng, sim::SwitchModel& model, sim::ModelPort& port) {
  static const char* kKeywords[] = {"", "", "", "fwv", "lci", "rg", "feg", "peg", "pg", "probe"};
  model.faults = sim::SwitchFaults{};
  port.FailOperation(0);
  switch (rng() % 10) {
    case 0:
      model.faults.silent = true;
      break;
    case 1:
      model.faults.garbled = true;
      break;
    case 2:
      model.faults.shortReply = static_cast<int>(rng() % 8);
      break;
    case 3:
      model.faults.replyDelay = static_cast<TimeMs>(rng() % 400);
      break;
    case 4:
      port.FailOperation(static_cast<int>(1 + rng() % 80));
      break;
    default:
      return;
  }
  model.faults.only = kKeywords[rng() % std::size(kKeywords)];
}

}  // namespace

int main(int argc, char** argv) {
  const long cycles = argc > 1 ? std::atol(argv[1]) : 5000;
  const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 1;
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("taviron-soak-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);

  sim::VirtualClock clock;
  sim::SwitchModel model;
  sim::ModelPort port(model, clock);
  bench::QuietFrontend frontend;
  Configurator c(port, clock, frontend, dir);
  std::map<std::string, long> failures;
  c.exchange.log.onFailure = [&](const FailureEvent& f) {
    ++failures[CodeText(f.code).substr(0, 8)];
  };
  const long rssStart = ResidentKb();

  // The floor: clean refreshes, as fast as this machine runs them.
  ConnectSwitch(c.exchange, c.monitor, c.access);
  constexpr int kFloorRounds = 500;
  auto started = std::chrono::steady_clock::now();
  for (int i = 0; i < kFloorRounds; ++i) {
    RefreshAll(c.exchange, c.monitor);
    port.ClearEvents();
    clock.ClearSleeps();
  }
  const double floorUs =
      std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - started)
          .count() /
      kFloorRounds;
  failures.clear();

  std::mt19937 rng(seed);
  std::map<std::string, long> runs, connected;
  long broken = 0;
  const TimeMs virtualStart = clock.Now();
  started = std::chrono::steady_clock::now();
  for (long i = 0; i < cycles; ++i) {
    SwitchFaults(rng, model, port);
    const char* kind;
    switch (rng() % 3) {
      case 0:
        kind = "refresh";
        RefreshAll(c.exchange, c.monitor);
        break;
      case 1:
        kind = "connect";
        ConnectSwitch(c.exchange, c.monitor, c.access);
        break;
      default:
        kind = "reset";
        ResetCommand(c);
        break;
    }
    ++runs[kind];
    if (c.monitor.view.statusText == "Connected") ++connected[kind];
    const int state = c.exchange.link.LinkState;
    const bool closedState = state == kLinkDisconnect || state == kLinkConnectingFailure;
    if (state < kLinkDisconnect || state > kLinkFirmwareUpdateFailure ||
        (closedState && port.IsOpen()) || (state == kLinkConnected && !port.IsOpen())) {
      ++broken;
    }
    // The doubles' own records of every event would grow without end.
    port.ClearEvents();
    clock.ClearSleeps();
  }
  const double soakUs =
      std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - started)
          .count() /
      static_cast<double>(cycles);
  const long rssEnd = ResidentKb();

  std::printf("soak on virtual time: %ld cycles, seed %u, %.1f virtual hours\n", cycles, seed,
              static_cast<double>(clock.Now() - virtualStart) / 3.6e6);
  for (const auto& [kind, n] : runs)
    std::printf("  %-8s %6ld cycles, %6ld ended connected\n", kind.c_str(), n, connected[kind]);
  std::printf("failures by code:\n");
  long total = 0;
  for (const auto& [code, n] : failures) {
    std::printf("  %s %7ld\n", code.c_str(), n);
    total += n;
  }
  std::printf("  total    %7ld\n", total);
  std::printf("crashes: none (every cycle ran)\n");
  std::printf("cycles ending against the link's rules: %ld\n", broken);
  std::printf("lines the switch keeps: %zu\n", model.Lines().size());
  std::printf("memory (RSS): %ld kB at the start, %ld kB at the end\n", rssStart, rssEnd);
  std::printf("pace: %.1f us a cycle, clean refresh floor %.1f us, ratio %.2f\n", soakUs, floorUs,
              soakUs / floorUs);
  std::filesystem::remove_all(dir);
  return 0;
}
