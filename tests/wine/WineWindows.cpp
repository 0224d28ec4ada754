#include "tests/wine/WineWindows.h"

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <thread>

namespace taviron::test {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::filesystem::path WindowsBinary(const std::string& name) {
  return std::filesystem::path(Environment("TAVIRON_WINDOWS_BIN")) / name;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  return fields;
}

void Place(const std::string& text, int& x, int& y, int& width, int& height) {
  std::istringstream numbers(text);
  numbers >> x >> y >> width >> height;
}

void Pause(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace

std::string ProbedControl::Extra(const std::string& field) const {
  std::istringstream words(extra);
  for (std::string word; words >> word;) {
    if (word.rfind(field + "=", 0) == 0) return word.substr(field.size() + 1);
  }
  return {};
}

ProbedControl ProbedWindow::Control(const std::string& controlName) const {
  for (const ProbedControl& c : controls) {
    if (c.name == controlName) return c;
  }
  return {};
}

std::optional<ProbedControl> ProbedWindow::WithText(const std::string& kind,
                                                    const std::string& text) const {
  for (const ProbedControl& c : controls) {
    if (c.kind == kind && c.text == text) return c;
  }
  return std::nullopt;
}

std::optional<ProbedControl> ProbedWindow::Focused() const {
  for (const ProbedControl& c : controls) {
    if (c.Focused()) return c;
  }
  return std::nullopt;
}

std::optional<ProbedWindow> ProbedWindows::Titled(const std::string& title) const {
  for (const ProbedWindow& w : windows) {
    if (w.title == title) return w;
  }
  return std::nullopt;
}

std::optional<ProbedWindow> ProbedWindows::Active() const {
  for (const ProbedWindow& w : windows) {
    if (w.Active()) return w;
  }
  return std::nullopt;
}

std::string ProbedWindows::Summary() const {
  std::string text;
  for (const ProbedWindow& w : windows) {
    text += "[" + w.title + " (" + w.name + ", " + w.flags + ")";
    for (const ProbedControl& c : w.controls) {
      if (c.Visible() && !c.text.empty()) text += " " + c.name + "=" + c.text;
    }
    text += "] ";
  }
  return text.empty() ? "no windows" : text;
}

ProbedButton ProbedWindows::Button(int number) const {
  for (const ProbedButton& b : toolbar) {
    if (b.name == "ToolButton" + std::to_string(number)) return b;
  }
  return {};
}

WineProgram::WineProgram(Desktop& desktop, const std::string& com1Device)
    : desktop_(desktop), device_(com1Device) {
  std::filesystem::copy_file(WindowsBinary("taviron.exe"), dir_ / "taviron.exe");
  // COM1 of the prefix leads to the device (scripts/wine-env.sh keeps the server up, so that
  // Wine does not write its own links over it).
  std::filesystem::path link =
      std::filesystem::path(Environment("WINEPREFIX")) / "dosdevices" / "com1";
  std::error_code ec;
  std::filesystem::remove(link, ec);
  std::filesystem::create_symlink(device_, link);
}

std::string WineProgram::Missing() {
  if (Environment("WINEPREFIX").empty()) return "WINEPREFIX is not set";
  if (!std::filesystem::exists(WindowsBinary("taviron.exe")) ||
      !std::filesystem::exists(WindowsBinary("taviron-probe.exe"))) {
    return "TAVIRON_WINDOWS_BIN does not hold taviron.exe and taviron-probe.exe";
  }
  return {};
}

std::unique_ptr<Process> WineProgram::Start() {
  auto program = std::make_unique<Process>(
      std::vector<std::string>{"/usr/bin/wine", (dir_ / "taviron.exe").string()},
      std::map<std::string, std::string>{{"DISPLAY", desktop_.Display()}}, dir_.path());
  if (first_ == nullptr) first_ = program.get();
  return program;
}

std::string WineProgram::Running() const {
  if (first_ == nullptr) return "not started";
  return first_->Running() ? "running" : "ended";
}

ProbedWindows WineProgram::Look() const {
  if (!probe_ || !probe_->Running()) {
    probe_ = std::make_unique<Process>(
        std::vector<std::string>{"/usr/bin/wine", WindowsBinary("taviron-probe.exe").string(),
                                 "--serve"},
        std::map<std::string, std::string>{{"DISPLAY", desktop_.Display()}});
  }
  // Each look is numbered, so that the answer to an earlier one that came late is passed over.
  const std::string end = "end " + std::to_string(++looks_);
  probe_->WriteLine("look " + std::to_string(looks_));
  ProbedWindows seen;
  while (std::optional<std::string> line = probe_->ReadLine(30000)) {
    if (!line->empty() && line->back() == '\r') line->pop_back();
    if (*line == end) return seen;
    if (line->rfind("end ", 0) == 0) {
      seen = ProbedWindows{};
      continue;
    }
    std::vector<std::string> f = Fields(*line);
    if (f[0] == "W" && f.size() >= 6) {
      ProbedWindow w;
      w.name = f[1];
      w.kind = f[2];
      w.title = f[3];
      w.flags = f[4];
      Place(f[5], w.x, w.y, w.width, w.height);
      seen.windows.push_back(w);
    } else if (f[0] == "C" && f.size() >= 8 && !seen.windows.empty()) {
      ProbedControl c;
      c.name = f[1];
      c.kind = f[2];
      c.text = f[3];
      c.flags = f[4];
      Place(f[5], c.x, c.y, c.width, c.height);
      c.label = f[6];
      c.extra = f[7];
      seen.windows.back().controls.push_back(c);
    } else if (f[0] == "B" && f.size() >= 5) {
      ProbedButton b;
      b.name = f[1];
      b.enabled = f[2] == "e";
      b.image = std::atoi(f[3].c_str());
      std::istringstream size(f[4]);
      size >> b.width >> b.height;
      seen.toolbar.push_back(b);
    }
  }
  return {};
}

std::optional<ProbedWindows> WineProgram::WaitUntil(
    const std::function<bool(const ProbedWindows&)>& holds, int timeoutMs) const {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  do {
    ProbedWindows seen = Look();
    if (holds(seen)) return seen;
    Pause(200);
  } while (std::chrono::steady_clock::now() < deadline);
  return std::nullopt;
}

std::optional<ProbedWindow> WineProgram::WaitForActive(const std::string& title,
                                                       int timeoutMs) const {
  std::optional<ProbedWindows> seen = WaitUntil(
      [&](const ProbedWindows& w) {
        std::optional<ProbedWindow> window = w.Titled(title);
        return window && window->Active();
      },
      timeoutMs);
  if (!seen) return std::nullopt;
  return seen->Titled(title);
}

bool WineProgram::WaitUntilGone(const std::string& title, int timeoutMs) const {
  return WaitUntil([&](const ProbedWindows& w) { return !w.Titled(title); }, timeoutMs).has_value();
}

bool WineProgram::WaitForText(const std::string& title, const std::string& control,
                              const std::string& text, int timeoutMs) const {
  return WaitUntil(
             [&](const ProbedWindows& w) {
               std::optional<ProbedWindow> window = w.Titled(title);
               return window && window->Control(control).text == text;
             },
             timeoutMs)
      .has_value();
}

void WineProgram::Click(const ProbedControl& control) {
  desktop_.ClickAt(control.CentreX(), control.CentreY());
}

std::optional<std::pair<int, int>> WineProgram::ToolButtonPlace(int number) const {
  ProbedWindows seen = Look();
  std::optional<ProbedWindow> main = seen.Titled("TAVIRON");
  if (!main) return std::nullopt;
  ProbedControl bar = main->Control("ToolBar1");
  // The buttons stand side by side from the bar's left edge, all of one size.
  for (std::size_t i = 0; i < seen.toolbar.size(); ++i) {
    const ProbedButton& b = seen.toolbar[i];
    if (b.name != "ToolButton" + std::to_string(number)) continue;
    return std::make_pair(bar.x + static_cast<int>(i) * b.width + b.width / 2,
                          bar.y + bar.height / 2);
  }
  return std::nullopt;
}

void WineProgram::ClickToolButton(int number) {
  if (std::optional<std::pair<int, int>> place = ToolButtonPlace(number))
    desktop_.ClickAt(place->first, place->second);
}

void WineProgram::HoverToolButton(int number) {
  std::optional<std::pair<int, int>> place = ToolButtonPlace(number);
  if (!place) return;
  // Onto the button from beside it, as a hand moves.
  desktop_.Xdotool(
      {"mousemove", "--sync", std::to_string(place->first - 6), std::to_string(place->second)});
  Pause(100);
  desktop_.Xdotool(
      {"mousemove", "--sync", std::to_string(place->first), std::to_string(place->second)});
}

void WineProgram::Screenshot(const std::string& name) const {
  std::filesystem::path directory = Environment("TAVIRON_SCREENSHOTS");
  if (directory.empty()) return;
  std::filesystem::create_directories(directory);
  Process shot({BinaryPath("taviron-screenshot").string(), (directory / (name + ".png")).string()},
               {{"DISPLAY", desktop_.Display()}, {"QT_QPA_PLATFORM", "xcb"}});
  shot.Wait(20000);
}

}  // namespace taviron::test
