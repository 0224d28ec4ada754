#include "base/Terminal.h"

#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

namespace taviron::cli {

std::optional<std::string> AskSecret(const std::string& prompt) {
  if (!::isatty(STDIN_FILENO)) return std::nullopt;
  std::fputs(prompt.c_str(), stderr);
  std::fflush(stderr);
  termios saved{};
  ::tcgetattr(STDIN_FILENO, &saved);
  termios quiet = saved;
  quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
  ::tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
  std::string line;
  bool got = static_cast<bool>(std::getline(std::cin, line));
  ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
  std::fputc('\n', stderr);
  if (!got) return std::nullopt;
  return line;
}

bool ErrorIsTerminal() {
  return ::isatty(STDERR_FILENO) != 0;
}

}  // namespace taviron::cli
