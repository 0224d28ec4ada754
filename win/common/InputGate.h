#pragma once

#include <windows.h>

#include <functional>

namespace taviron {

// Keeps the operator's input away from the windows while a command runs, except from the window
// the command waits on. A message hook of the thread sees every message that any loop takes
// (the program's own, a message box's, a menu's, the file dialogs'), before it is handled, and
// turns the input that must not pass into nothing.
class InputGate {
 public:
  // `passes(window)`: whether input for that window passes now. `closeAsked(window)`: the
  // operator asked the window to close (its close box, Alt+F4) while its input did not pass.
  InputGate(std::function<bool(HWND)> passes, std::function<void(HWND)> closeAsked);
  ~InputGate();
  InputGate(const InputGate&) = delete;
  InputGate& operator=(const InputGate&) = delete;

  // Mouse buttons, wheel and keys, on a window's client area or its frame.
  static bool IsInput(UINT message);

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
  HHOOK hook_ = nullptr;
};

}  // namespace taviron
