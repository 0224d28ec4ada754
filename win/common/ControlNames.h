#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace taviron {

// Every window and control of the program carries the name its window unit gives it
// ("Lb_fw_ver", "Button_ok"), as a window property that any program of the desktop can read.
void SetControlName(HWND window, std::string_view name);
std::string ControlName(HWND window);
// Drops the name (before the window goes).
void ForgetControlName(HWND window);

// The child of the window with that name, or nullptr.
HWND FindControl(HWND parent, std::string_view name);

}  // namespace taviron
