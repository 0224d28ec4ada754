#pragma once

#include <windows.h>

namespace taviron {

class CommandRunner;
class Configurator;

// What the windows ask of the program that holds them: the core's state, the rules every
// operator command runs under, and the program's life.
class Win32Host {
 public:
  virtual ~Win32Host() = default;

  virtual Configurator& core() = 0;
  virtual CommandRunner& runner() = 0;
  virtual HINSTANCE instance() const = 0;
  virtual void ShowMainWindow() = 0;
  // The main window has run its shutdown.
  virtual void MainWindowClosed() = 0;
  // Closes the log-in window, the program's first window; the program then ends.
  virtual void CloseLogInWindow() = 0;
};

}  // namespace taviron
