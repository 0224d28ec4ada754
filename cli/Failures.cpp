#include "cli/Failures.h"

#include <algorithm>
#include <cctype>

namespace taviron::cli {
namespace {

constexpr std::uint32_t kFirstFailureCode = 10000000;

bool IsCodeText(std::string_view text) {
  return text.size() == 11 && text.substr(8) == "   " &&
         std::all_of(text.begin(), text.begin() + 8,
                     [](char ch) { return std::isdigit(static_cast<unsigned char>(ch)); });
}

bool IsFileCode(std::uint32_t code) {
  return (code >= 10110128 && code <= 10110133) || code == 10230610 ||
         (code >= 10230680 && code <= 10230683);
}

bool IsInputCode(std::uint32_t code) {
  return code == 10110303 || code == 10110304;
}

}  // namespace

void Failures::Listen(ErrorLog& log) {
  log.listener = [this](std::string_view text, int flag) { OnWrite(text, flag); };
}

void Failures::OnWrite(std::string_view text, int flag) {
  if (flag == 1 && IsCodeText(text)) {
    std::uint32_t code = static_cast<std::uint32_t>(std::stoul(std::string(text.substr(0, 8))));
    open_ = code >= kFirstFailureCode;
    if (open_) failures_.push_back({code, {}, IsFileCode(code) ? 3 : IsInputCode(code) ? 2 : 1});
    return;
  }
  if (!open_) return;
  std::string& message = failures_.back().message;
  for (char ch : text) {
    if (ch == '\r' || ch == '\n') {
      if (!message.empty() && message.back() != ' ') message += ' ';
    } else {
      message += ch;
    }
  }
  while (!message.empty() && message.back() == ' ')
    message.pop_back();
}

std::string Failures::Lines() const {
  std::string lines;
  for (const Failure& f : failures_) {
    if (f.code != 0) lines += std::to_string(f.code) + " ";
    lines += f.message + "\n";
  }
  return lines;
}

int Failures::ExitStatus() const {
  // A file problem (3) outranks wrong input (2), which outranks a refusal or a failed link (1).
  int status = 0;
  for (const Failure& f : failures_)
    status = std::max(status, f.exitStatus);
  return status;
}

}  // namespace taviron::cli
