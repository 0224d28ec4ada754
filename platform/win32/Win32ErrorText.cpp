#include "platform/win32/Win32ErrorText.h"

#include <windows.h>

namespace taviron {

std::string SystemErrorText(std::uint32_t code) {
  char text[512];
  DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, text, sizeof text, nullptr);
  std::string result(text, length);
  // The system's texts end in a line end (and sometimes blanks) that a message box does not want.
  while (!result.empty() && (result.back() == '\r' || result.back() == '\n' ||
                             result.back() == ' ' || result.back() == '.')) {
    result.pop_back();
  }
  if (result.empty()) result = "system error " + std::to_string(code);
  return result;
}

}  // namespace taviron
