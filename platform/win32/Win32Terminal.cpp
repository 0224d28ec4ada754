#include <windows.h>

#include <cstdio>
#include <iostream>

#include "base/Terminal.h"

namespace taviron::cli {
namespace {

bool IsConsole(DWORD which, DWORD& mode) {
  HANDLE h = ::GetStdHandle(which);
  return h != nullptr && h != INVALID_HANDLE_VALUE && ::GetConsoleMode(h, &mode);
}

}  // namespace

std::optional<std::string> AskSecret(const std::string& prompt) {
  DWORD saved = 0;
  if (!IsConsole(STD_INPUT_HANDLE, saved)) return std::nullopt;
  std::fputs(prompt.c_str(), stderr);
  std::fflush(stderr);
  HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
  ::SetConsoleMode(input, saved & ~static_cast<DWORD>(ENABLE_ECHO_INPUT));
  std::string line;
  bool got = static_cast<bool>(std::getline(std::cin, line));
  ::SetConsoleMode(input, saved);
  std::fputc('\n', stderr);
  if (!got) return std::nullopt;
  // The console ends a line with CR LF; the CR is not part of the password.
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

bool ErrorIsTerminal() {
  DWORD mode = 0;
  return IsConsole(STD_ERROR_HANDLE, mode);
}

}  // namespace taviron::cli
