#include "tests/support/Desktop.h"

#include <unistd.h>

#include <csignal>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <thread>

namespace taviron::test {
namespace {

void Pause(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::string Trimmed(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
    text.pop_back();
  return text;
}

}  // namespace

Desktop::Desktop(int width, int height) {
  // The server picks a free display itself and says which once it takes connections.
  server_ = std::make_unique<Process>(std::vector<std::string>{
      "/usr/bin/Xvfb", "-displayfd", "1", "-screen", "0",
      std::to_string(width) + "x" + std::to_string(height) + "x24", "-nolisten", "tcp"});
  std::optional<std::string> number = server_->ReadLine(20000);
  if (!number || number->empty()) return;
  display_ = ":" + *number;
  windowManager_ =
      std::make_unique<Process>(std::vector<std::string>{"/usr/bin/openbox"},
                                std::map<std::string, std::string>{{"DISPLAY", display_}});
  // The window manager is up once it has claimed the screen.
  for (int i = 0; i < 200 && !ready_; ++i) {
    Process probe({"/usr/bin/xprop", "-root", "_NET_SUPPORTING_WM_CHECK"}, {{"DISPLAY", display_}});
    std::optional<std::string> line = probe.ReadLine(1000);
    probe.Wait(1000);
    ready_ = line && line->find("window id") != std::string::npos;
    if (!ready_) Pause(50);
  }
}

Desktop::~Desktop() {
  if (windowManager_) {
    windowManager_->Signal(SIGTERM);
    windowManager_->Wait(3000);
  }
  if (server_) {
    server_->Signal(SIGTERM);
    server_->Wait(3000);
  }
}

std::optional<std::string> Desktop::Xdotool(const std::vector<std::string>& arguments) {
  std::vector<std::string> argv{"/usr/bin/xdotool"};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  Process run(argv, {{"DISPLAY", display_}});
  std::string out;
  while (std::optional<std::string> line = run.ReadLine(5000))
    out += *line + "\n";
  std::optional<int> status = run.Wait(5000);
  if (!status || *status != 0) return std::nullopt;
  return out;
}

std::optional<std::string> Desktop::WaitForWindow(const std::string& name, int timeoutMs) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  do {
    if (std::optional<std::string> ids =
            Xdotool({"search", "--onlyvisible", "--name", "^" + name + "$"})) {
      std::istringstream lines(*ids);
      std::string id;
      if (std::getline(lines, id) && !id.empty()) return id;
    }
    Pause(100);
  } while (std::chrono::steady_clock::now() < deadline);
  return std::nullopt;
}

bool Desktop::WaitUntilGone(const std::string& windowId, int timeoutMs) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  do {
    std::optional<std::string> ids = Xdotool({"search", "--onlyvisible", "--name", "."});
    if (!ids || ids->find(windowId + "\n") == std::string::npos) return true;
    Pause(100);
  } while (std::chrono::steady_clock::now() < deadline);
  return false;
}

bool Desktop::WaitUntilActive(const std::string& name, int timeoutMs) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  do {
    if (ActiveWindowName() == name) return true;
    Pause(100);
  } while (std::chrono::steady_clock::now() < deadline);
  return false;
}

void Desktop::Activate(const std::string& windowId) {
  Xdotool({"windowactivate", "--sync", windowId});
}

std::string Desktop::ActiveWindowName() {
  return Trimmed(Xdotool({"getactivewindow", "getwindowname"}).value_or(""));
}

std::optional<Desktop::Geometry> Desktop::WindowGeometry(const std::string& windowId) {
  // xwininfo, not xdotool: under a window manager that frames windows xdotool counts the frame's
  // offset twice.
  Process info({"/usr/bin/xwininfo", "-id", windowId}, {{"DISPLAY", display_}});
  Geometry g;
  int found = 0;
  auto field = [&found](const std::string& line, const std::string& name, int& value) {
    std::size_t at = line.find(name);
    if (at == std::string::npos) return;
    value = std::stoi(line.substr(at + name.size()));
    ++found;
  };
  while (std::optional<std::string> line = info.ReadLine(5000)) {
    field(*line, "Absolute upper-left X:", g.x);
    field(*line, "Absolute upper-left Y:", g.y);
    field(*line, "Width:", g.width);
    field(*line, "Height:", g.height);
  }
  std::optional<int> status = info.Wait(5000);
  if (!status || *status != 0 || found != 4) return std::nullopt;
  return g;
}

void Desktop::Keys(const std::string& keys) {
  Xdotool({"key", "--delay", "60", keys});
  Pause(150);
}

void Desktop::Type(const std::string& text) {
  Xdotool({"type", "--delay", "30", text});
  Pause(100);
}

void Desktop::ClickAt(int x, int y) {
  Xdotool({"mousemove", "--sync", std::to_string(x), std::to_string(y)});
  Xdotool({"click", "1"});
  Pause(150);
}

}  // namespace taviron::test
