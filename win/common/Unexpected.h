#pragma once

#include <functional>

namespace taviron {

// Runs a window's handler. An exception that escapes it is shown in a box with the program's
// title and its message, and the program goes on: it never crosses into the system's code.
void Guarded(const std::function<void()>& handler);

}  // namespace taviron
