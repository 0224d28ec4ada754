#include "win/common/Unexpected.h"

#include <windows.h>

#include <exception>

#include "win/common/Win32Text.h"

namespace taviron {

void Guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    ::MessageBoxW(::GetActiveWindow(), Wide(e.what()).c_str(), L"TAVIRON", MB_OK | MB_ICONERROR);
  } catch (...) {
    ::MessageBoxW(::GetActiveWindow(), L"", L"TAVIRON", MB_OK | MB_ICONERROR);
  }
}

}  // namespace taviron
