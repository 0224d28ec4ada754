#include "tests/support/Process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace taviron::test {

std::filesystem::path BinaryPath(const std::string& name) {
  return std::filesystem::path(TAVIRON_BIN_DIR) / name;
}

Process::Process(const std::vector<std::string>& argv,
                 const std::map<std::string, std::string>& env,
                 const std::filesystem::path& workingDirectory) {
  int in[2], out[2];
  if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) {
    throw std::runtime_error("pipe failed");
  }
  std::map<std::string, std::string> all;
  for (char** e = environ; *e != nullptr; ++e) {
    std::string entry = *e;
    std::size_t eq = entry.find('=');
    if (eq != std::string::npos) all[entry.substr(0, eq)] = entry.substr(eq + 1);
  }
  for (const auto& [k, v] : env)
    all[k] = v;
  std::vector<std::string> envStrings;
  for (const auto& [k, v] : all)
    envStrings.push_back(k + "=" + v);

  pid_ = ::fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    ::dup2(in[0], STDIN_FILENO);
    ::dup2(out[1], STDOUT_FILENO);
    if (!workingDirectory.empty() && ::chdir(workingDirectory.c_str()) != 0) ::_exit(126);
    std::vector<char*> args;
    for (const std::string& a : argv)
      args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& e : envStrings)
      envp.push_back(e.data());
    envp.push_back(nullptr);
    ::execve(args[0], args.data(), envp.data());
    ::_exit(127);
  }
  ::close(in[0]);
  ::close(out[1]);
  in_ = in[1];
  out_ = out[0];
}

Process::~Process() {
  if (Running()) {
    ::kill(pid_, SIGKILL);
    Wait(5000);
  }
  if (in_ >= 0) ::close(in_);
  if (out_ >= 0) ::close(out_);
}

void Process::WriteLine(const std::string& line) {
  std::string bytes = line + "\n";
  [[maybe_unused]] ssize_t n = ::write(in_, bytes.data(), bytes.size());
}

std::optional<std::string> Process::ReadLine(int timeoutMs) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    if (std::size_t end = buffered_.find('\n'); end != std::string::npos) {
      std::string line = buffered_.substr(0, end);
      buffered_.erase(0, end + 1);
      return line;
    }
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                    deadline - std::chrono::steady_clock::now())
                    .count();
    if (left <= 0) return std::nullopt;
    pollfd p{out_, POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(left)) <= 0) continue;
    char bytes[4096];
    ssize_t n = ::read(out_, bytes, sizeof bytes);
    if (n <= 0) return std::nullopt;
    buffered_.append(bytes, static_cast<std::size_t>(n));
  }
}

void Process::Signal(int signal) {
  if (Running()) ::kill(pid_, signal);
}

bool Process::Running() {
  if (status_) return false;
  int status = 0;
  pid_t got = ::waitpid(pid_, &status, WNOHANG);
  if (got == pid_) {
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    return false;
  }
  return got == 0;
}

std::optional<int> Process::Wait(int timeoutMs) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (Running()) {
    if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return status_;
}

SwitchSim::SwitchSim(const std::vector<std::string>& options)
    : process_([&] {
        std::vector<std::string> argv{BinaryPath("taviron-switchsim").string()};
        argv.insert(argv.end(), options.begin(), options.end());
        return argv;
      }()) {
  std::optional<std::string> first = process_.ReadLine(10000);
  if (!first || first->rfind("serving ", 0) != 0) {
    throw std::runtime_error("taviron-switchsim did not start");
  }
  device_ = first->substr(8);
}

std::string SwitchSim::Control(const std::string& line) {
  process_.WriteLine(line);
  return process_.ReadLine(10000).value_or("");
}

std::string SwitchSim::State(const std::string& field) {
  std::istringstream words(Control("state"));
  for (std::string w; words >> w;) {
    if (w.rfind(field + "=", 0) == 0) return w.substr(field.size() + 1);
  }
  return {};
}

std::vector<std::string> SwitchSim::Lines() {
  std::istringstream words(Control("lines"));
  std::vector<std::string> lines;
  std::string w;
  words >> w;  // "lines"
  while (words >> w)
    lines.push_back(w);
  return lines;
}

bool SwitchSim::WaitFor(const std::string& field, const std::string& value, int timeoutMs) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (std::chrono::steady_clock::now() < deadline) {
    if (State(field) == value) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

}  // namespace taviron::test
