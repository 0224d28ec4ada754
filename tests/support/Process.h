#pragma once

#include <sys/types.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace taviron::test {

// A child process with its standard input and output on pipes; killed if still running when
// the object goes.
class Process {
 public:
  Process(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env = {},
          const std::filesystem::path& workingDirectory = {});
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  void WriteLine(const std::string& line);
  // The next line of standard output, or none when the time passes or the output ends.
  std::optional<std::string> ReadLine(int timeoutMs);
  void Signal(int signal);
  // The exit status, or none when the process has not ended in time; -signal when killed.
  std::optional<int> Wait(int timeoutMs);
  bool Running();
  pid_t pid() const { return pid_; }

 private:
  pid_t pid_ = -1;
  int in_ = -1;
  int out_ = -1;
  std::string buffered_;
  std::optional<int> status_;
};

// taviron-switchsim on a pseudo-terminal of its own.
class SwitchSim {
 public:
  explicit SwitchSim(const std::vector<std::string>& options = {});
  const std::string& Device() const { return device_; }
  // One control line and its answer.
  std::string Control(const std::string& line);
  // A field of the "state" line, such as "probes" or "port-modes".
  std::string State(const std::string& field);
  // The command lines the switch has received, in order.
  std::vector<std::string> Lines();
  // Waits until the state field has the value; false when it does not within the time.
  bool WaitFor(const std::string& field, const std::string& value, int timeoutMs);
  Process& process() { return process_; }

 private:
  Process process_;
  std::string device_;
};

// Where the project's programs were built.
std::filesystem::path BinaryPath(const std::string& name);

}  // namespace taviron::test
