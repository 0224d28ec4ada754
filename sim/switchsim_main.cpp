// taviron-switchsim: the simulated switch on a pseudo-terminal.
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "base/Version.h"
#include "sim/PtyServer.h"
#include "sim/SimControl.h"
#include "sim/SwitchModel.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;
void OnStopSignal(int) {
  stopRequested = 1;
}

void Say(const std::string& line) {
  if (line.empty()) return;
  std::fputs(line.c_str(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace

// CLI11 throws only when the option table below is malformed, which the first run shows.
// NOLINTNEXTLINE(bugprone-exception-escape)
int main(int argc, char** argv) {
  using namespace taviron;
  CLI::App app{
      "The simulated switch: serves the switch's command set and its ROM loader on a "
      "pseudo-terminal, prints the device path and takes control lines on standard input."};
  std::string link;
  std::string password, fwVersion, fwError, portModes, portErrors, relay, counter, mac;
  bool silent = false, refuse = false, garbled = false;
  int shortReply = -1, pace = 0;
  long long delay = -1, silentAfter = -1, restartMs = -1, eraseMs = -1;
  std::string only;
  std::vector<std::string> controls;
  app.add_option("--link", link, "make a symbolic link to the device at this path");
  app.add_option("--password", password, "user password (none by default)");
  app.add_option("--fw-version", fwVersion, "firmware version, five characters (01.09)");
  app.add_option("--fw-error", fwError, "firmware self-test error, four characters (0000)");
  app.add_option("--port-modes", portModes, "switch codes of ports 1-8 (55555555)");
  app.add_option("--port-errors", portErrors, "error codes of ports 1-8 (00000000)");
  app.add_option("--relay", relay, "relay state, 0 or 1 (1)");
  app.add_option("--counter", counter, "surge counter, hexadecimal (0040)");
  app.add_option("--mac", mac, "MAC address, six blank-separated pairs");
  app.add_flag("--silent", silent, "answer nothing");
  app.add_flag("--refuse", refuse, "refuse every change");
  app.add_flag("--garbled", garbled, "alter every byte of every answer");
  app.add_option("--short", shortReply, "keep only this many bytes of each answer");
  app.add_option("--delay", delay, "delay every answer by this many milliseconds");
  app.add_option("--silent-after", silentAfter, "stop answering after this many received bytes");
  app.add_option("--only", only, "apply the faults to this command keyword only");
  app.add_option("--restart-ms", restartMs, "time a restart takes (1000)");
  app.add_option("--erase-ms", eraseMs, "time the loader's erase takes (1200)");
  app.add_option("--pace", pace, "pace answers like a line of this many baud (0: at once)");
  app.add_option("--control", controls, "a control line to apply at start (repeatable)");
  app.footer(std::string("Control lines:\n") + std::string(sim::ControlHelp()));
  app.set_version_flag("--version", "taviron-switchsim " + std::string(ProgramVersion()),
                       "print the version and exit");
  CLI11_PARSE(app, argc, argv);

  sim::SwitchModel model;
  SteadyClock clock;
  auto control = [&](const std::string& line) {
    std::string answer = sim::ApplyControl(model, line, clock.Now());
    if (answer.rfind("error", 0) == 0) {
      std::cerr << "taviron-switchsim: " << answer << "\n";
      std::exit(2);
    }
  };
  if (!password.empty()) control("set password " + password);
  if (!fwVersion.empty()) control("set fw-version " + fwVersion);
  if (!fwError.empty()) control("set fw-error " + fwError);
  if (!portModes.empty()) control("set port-modes " + portModes);
  if (!portErrors.empty()) control("set port-errors " + portErrors);
  if (!relay.empty()) control("set relay " + relay);
  if (!counter.empty()) control("set counter " + counter);
  if (!mac.empty()) control("set mac " + mac);
  if (silent) control("fault silent on");
  if (refuse) control("fault refuse on");
  if (garbled) control("fault garbled on");
  if (shortReply >= 0) control("fault short " + std::to_string(shortReply));
  if (delay >= 0) control("fault delay " + std::to_string(delay));
  if (silentAfter >= 0) control("fault silent-after " + std::to_string(silentAfter));
  if (!only.empty()) control("fault only " + only);
  if (restartMs >= 0) control("set restart-ms " + std::to_string(restartMs));
  if (eraseMs >= 0) control("loader erase-ms " + std::to_string(eraseMs));
  for (const std::string& line : controls)
    control(line);

  sim::PtyServer server(model, clock);
  server.SetPacing(pace);
  std::string error;
  if (!server.Start(error)) {
    std::cerr << "taviron-switchsim: " << error << "\n";
    return 1;
  }
  if (!link.empty()) {
    std::error_code ec;
    std::filesystem::remove(link, ec);
    std::filesystem::create_symlink(server.DevicePath(), link, ec);
    if (ec) {
      std::cerr << "taviron-switchsim: cannot link " << link << ": " << ec.message() << "\n";
      return 1;
    }
  }

  struct sigaction stop {};
  stop.sa_handler = OnStopSignal;
  sigaction(SIGTERM, &stop, nullptr);
  sigaction(SIGINT, &stop, nullptr);
  signal(SIGPIPE, SIG_IGN);

  Say("serving " + server.DevicePath());
  bool stdinOpen = true;
  std::string pending;
  while (stopRequested == 0) {
    int wait = server.Service();
    pollfd fds[2] = {{server.MasterFd(), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    int n = ::poll(fds, stdinOpen ? 2 : 1, wait < 0 ? 1000 : wait);
    if (n < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (fds[0].revents & POLLIN) server.OnReadable();
    // With no one holding the device side a pty master reports a hang-up; nothing to read then.
    if ((fds[0].revents & POLLHUP) && !(fds[0].revents & POLLIN)) ::usleep(5000);
    if (stdinOpen && (fds[1].revents & (POLLIN | POLLHUP))) {
      char bytes[1024];
      ssize_t got = ::read(STDIN_FILENO, bytes, sizeof bytes);
      if (got <= 0) {
        stdinOpen = false;  // no more control lines; go on serving
        continue;
      }
      pending.append(bytes, static_cast<std::size_t>(got));
      for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
        std::string line = pending.substr(0, end);
        pending.erase(0, end + 1);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line == "quit") {
          stopRequested = 1;
          break;
        }
        Say(sim::ApplyControl(model, line, clock.Now()));
      }
    }
  }
  if (!link.empty()) {
    std::error_code ec;
    std::filesystem::remove(link, ec);
  }
  return 0;
}
