#pragma once

#include <windows.h>

namespace taviron {

// The program is aware of each monitor's scale: sizes designed at 96 dots per inch are scaled to
// the monitor a window is on.
inline constexpr int kDesignDpi = 96;

// The dots per inch of the window's monitor (the system's where it cannot tell).
int DpiOf(HWND window);
// A length designed at 96 dots per inch, at this scale.
inline int Scaled(int designed, int dpi) {
  return ::MulDiv(designed, dpi, kDesignDpi);
}
// The window's frame around a client area of this size, at its monitor's scale.
RECT FrameFor(HWND window, RECT client, int dpi);
// The program's font, Arial of 9 points, at this scale; the caller deletes it.
HFONT ProgramFont(int dpi);
// The system's metric at this scale.
int MetricFor(int index, int dpi);

}  // namespace taviron
