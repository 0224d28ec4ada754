#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/Frontend.h"

extern char** environ;

namespace taviron::bench {

// taviron-switchsim started for a benchmark; stopped when this goes.
class SimulatorProcess {
 public:
  explicit SimulatorProcess(std::vector<std::string> options) {
    int out[2];
    if (::pipe(out) != 0) throw std::runtime_error("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    std::vector<std::string> argv{std::string(TAVIRON_BIN_DIR) + "/taviron-switchsim"};
    argv.insert(argv.end(), options.begin(), options.end());
    std::vector<char*> args;
    for (std::string& a : argv)
      args.push_back(a.data());
    args.push_back(nullptr);
    if (posix_spawn(&pid_, args[0], &actions, nullptr, args.data(), environ) != 0) {
      throw std::runtime_error("cannot start taviron-switchsim");
    }
    ::close(out[1]);
    std::string line;
    char c;
    while (::read(out[0], &c, 1) == 1 && c != '\n')
      line += c;
    ::close(out[0]);
    if (line.rfind("serving ", 0) != 0) throw std::runtime_error("taviron-switchsim: " + line);
    device_ = line.substr(8);
  }
  ~SimulatorProcess() {
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
  }
  const std::string& Device() const { return device_; }

 private:
  pid_t pid_ = -1;
  std::string device_;
};

// A front end that shows nothing.
class QuietFrontend : public Frontend {
 public:
  void MessageBox(std::string_view, std::string_view) override { ++boxes; }
  bool AskYesNo(std::string_view, std::string_view) override { return true; }
  void MainViewChanged() override {}
  void ProcessMessages() override {}
  void ShowReLogin() override {}
  void ShowMaintenancePassword() override {}
  void DialogChanged(Dialog) override {}
  void ShowDialog(Dialog) override {}
  std::string AskFileToOpen(std::string_view) override { return {}; }
  std::string AskFileToSave(std::string_view) override { return {}; }
  void CloseMainWindow() override {}
  int boxes = 0;
};

}  // namespace taviron::bench
