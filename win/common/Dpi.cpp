#include "win/common/Dpi.h"

namespace taviron {
namespace {

// Newer systems scale per monitor; an older one keeps the system's scale. Looked up once.
template <typename Function>
Function User32(const char* name) {
  static HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(user32, name)));
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);

}  // namespace

int DpiOf(HWND window) {
  static auto forWindow = User32<GetDpiForWindowFn>("GetDpiForWindow");
  if (forWindow != nullptr && window != nullptr) {
    if (UINT dpi = forWindow(window)) return static_cast<int>(dpi);
  }
  HDC screen = ::GetDC(nullptr);
  int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kDesignDpi;
}

RECT FrameFor(HWND window, RECT client, int dpi) {
  static auto adjust = User32<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
  const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE));
  const DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE));
  const BOOL menu = ::GetMenu(window) != nullptr;
  if (adjust != nullptr) {
    adjust(&client, style, menu, exStyle, static_cast<UINT>(dpi));
  } else {
    ::AdjustWindowRectEx(&client, style, menu, exStyle);
  }
  return client;
}

int MetricFor(int index, int dpi) {
  static auto forDpi = User32<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
  if (forDpi != nullptr) return forDpi(index, static_cast<UINT>(dpi));
  return ::GetSystemMetrics(index);
}

HFONT ProgramFont(int dpi) {
  LOGFONTW font{};
  font.lfHeight = -::MulDiv(9, dpi, 72);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = CLEARTYPE_QUALITY;
  lstrcpyW(font.lfFaceName, L"Arial");
  return ::CreateFontIndirectW(&font);
}

}  // namespace taviron
