#pragma once

#include <functional>

namespace taviron {

class Configurator;

// What the windows ask of the program that holds them: the core's state, and the rules every
// operator command runs under (one at a time, input only where the command waits, a close
// request that waits for it).
class WindowHost {
 public:
  virtual ~WindowHost() = default;

  virtual Configurator& core() = 0;
  // Runs an operator command; refused (false) while another one runs.
  virtual bool Run(const std::function<void()>& command) = 0;
  // Runs the step now, or after the running command when one runs.
  virtual void RunWhenIdle(std::function<void()> step) = 0;
  // Runs the work a dialog's button starts inside a command: meanwhile the dialog takes no
  // input either, until the work shows a box of its own or ends.
  virtual void Working(const std::function<void()>& step) = 0;
  virtual bool Busy() const = 0;
  // Closes the main window (and so ends the program) as soon as no command runs.
  virtual void RequestClose() = 0;
  // The main window has run its shutdown.
  virtual void MainWindowClosed() = 0;
  virtual void ShowMainWindow() = 0;
  // Closes the log-in window, the program's first window; the program then ends.
  virtual void CloseLogInWindow() = 0;
};

}  // namespace taviron
