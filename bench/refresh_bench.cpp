// A full refresh against taviron-switchsim over a pseudo-terminal, in the program's own clock:
// how close the refresh comes to its fixed waits, and how long the event loop (which keeps the
// window painting) ever goes without running meanwhile.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "bench/BenchSupport.h"
#include "gui/common/QtClock.h"
#include "link/CommandTable.h"
#include "monitor/MainDisplay.h"
#include "platform/posix/PosixSerialPort.h"
#include "program/Configurator.h"

using namespace taviron;

namespace {

// The waits a refresh cannot avoid: the pause before each read and 10 ms per byte read.
TimeMs RefreshFloor() {
  TimeMs floor = 0;
  for (const SwitchCommand* c :
       {&command::kFirmwareVersion, &command::kDischargeElement, &command::kFirmwareError,
        &command::kRelayGet, &command::kPortConfig, &command::kPortErrors}) {
    floor += c->pause + 10 * static_cast<TimeMs>(c->replyBytes);
  }
  return floor;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
  bench::SimulatorProcess sim({});
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "taviron-refresh-bench";
  std::filesystem::create_directories(dir);
  PosixSerialPort port;
  QtClock clock;
  bench::QuietFrontend frontend;
  Configurator c(port, clock, frontend, dir);
  if (!c.exchange.link.OpenConnection(sim.Device()) || !c.exchange.link.SetupConnection()) {
    std::fprintf(stderr, "cannot open %s\n", sim.Device().c_str());
    return 1;
  }
  c.exchange.link.LinkState = kLinkConnected;

  // A 10 ms timer stands for the window's painting: the gap between its turns is how long the
  // event loop went without running.
  QElapsedTimer sinceTick;
  qint64 longestGap = 0;
  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);
  QObject::connect(&tick, &QTimer::timeout, [&] {
    longestGap = std::max(longestGap, sinceTick.elapsed());
    sinceTick.restart();
  });

  const TimeMs floor = RefreshFloor();
  std::printf("refresh over a pseudo-terminal, %d rounds\n", rounds);
  std::printf("%6s %12s %10s %8s %16s\n", "round", "measured ms", "floor ms", "ratio",
              "longest gap ms");
  double worst = 0, total = 0;
  qint64 worstGap = 0;
  for (int round = 1; round <= rounds; ++round) {
    longestGap = 0;
    sinceTick.start();
    tick.start(10);
    QElapsedTimer timer;
    timer.start();
    RefreshAll(c.exchange, c.monitor);
    qint64 measured = timer.elapsed();
    tick.stop();
    double ratio = static_cast<double>(measured) / static_cast<double>(floor);
    worst = std::max(worst, ratio);
    total += ratio;
    worstGap = std::max(worstGap, longestGap);
    std::printf("%6d %12lld %10lld %8.4f %16lld\n", round, static_cast<long long>(measured),
                static_cast<long long>(floor), ratio, static_cast<long long>(longestGap));
    if (c.exchange.link.LinkState != kLinkConnected)
      std::printf("  (the refresh failed: state %d)\n", c.exchange.link.LinkState);
  }
  std::printf("mean ratio %.4f, worst ratio %.4f (target: within 1.03)\n", total / rounds, worst);
  std::printf("longest event-loop gap %lld ms (target: under 50 ms)\n",
              static_cast<long long>(worstGap));
  c.exchange.link.CloseConnection();
  std::filesystem::remove_all(dir);
  return 0;
}
