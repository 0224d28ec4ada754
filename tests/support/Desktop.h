#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/Process.h"

namespace taviron::test {

// A virtual display with a window manager, as an operator's desktop: Xvfb and openbox, started
// for the test and stopped with it. Input is sent with xdotool, which types and clicks through
// the X server's test extension, so it reaches the program exactly as a keyboard and mouse do.
class Desktop {
 public:
  Desktop(int width = 1024, int height = 768);
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  // ":N", for DISPLAY.
  const std::string& Display() const { return display_; }
  bool Ready() const { return ready_; }

  // Runs xdotool with the arguments; its standard output, or none when it failed.
  std::optional<std::string> Xdotool(const std::vector<std::string>& arguments);
  // The first visible window whose name is exactly this, waiting up to the time.
  std::optional<std::string> WaitForWindow(const std::string& name, int timeoutMs);
  bool WaitUntilGone(const std::string& windowId, int timeoutMs);
  // The title of the window that has the keyboard.
  std::string ActiveWindowName();
  // Waits for the window manager to give the keyboard to the window of that title.
  bool WaitUntilActive(const std::string& name, int timeoutMs);
  // Gives the window the keyboard, as the operator's click on it does.
  void Activate(const std::string& windowId);
  struct Geometry {
    int x = 0, y = 0, width = 0, height = 0;
  };
  std::optional<Geometry> WindowGeometry(const std::string& windowId);
  // Keys as xdotool names them ("alt+h", "Escape"), to the window that has the keyboard.
  void Keys(const std::string& keys);
  void Type(const std::string& text);
  void ClickAt(int x, int y);

 private:
  std::string display_;
  std::unique_ptr<Process> server_;
  std::unique_ptr<Process> windowManager_;
  bool ready_ = false;
};

}  // namespace taviron::test
