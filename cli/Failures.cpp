#include "cli/Failures.h"

#include <algorithm>

#include "base/FailureCatalogue.h"
#include "cli/TerminalText.h"

namespace taviron::cli {
namespace {

// The log's message on one line: each line end becomes one blank, none is left at the end.
std::string OneLine(std::string_view text) {
  std::string line;
  for (char ch : text) {
    if (ch == '\r' || ch == '\n') {
      if (!line.empty() && line.back() != ' ') line += ' ';
    } else {
      line += ch;
    }
  }
  while (!line.empty() && line.back() == ' ')
    line.pop_back();
  return line;
}

// The failures of an opening of the port, at start and at the reopening after a restart.
bool IsPortOpening(const FailureEvent& event) {
  for (const taviron::Failure* f : {&failure::kStartupPortOpen, &failure::kResetPortOpen,
                                    &failure::kUpgradeReconnectPortOpen}) {
    if (event.code == f->code && event.message == f->log) return true;
  }
  return false;
}

// The explanation's lines as a terminal ends them; what they name (a device path, the
// system's words) is shown escaped.
std::string TerminalLines(std::string_view text) {
  std::string lines;
  for (;;) {
    const std::size_t end = text.find("\r\n");
    lines += Printable(text.substr(0, end));
    if (end == std::string_view::npos) return lines;
    lines += '\n';
    text.remove_prefix(end + 2);
  }
}

}  // namespace

void Failures::Listen(ErrorLog& log) {
  log.onFailure = [this](const FailureEvent& failure) { OnFailure(failure); };
}

void Failures::OnFailure(const FailureEvent& failure) {
  // A failure without a code is a box about the program's own files, which the tool reports
  // in its own words where it matters.
  if (failure.code == 0) return;
  Keep({failure.code, OneLine(failure.message), ExitStatusOf(failure.kind)});
  if (explainPortOpening_ && IsPortOpening(failure))
    Keep({0, TerminalLines(explainPortOpening_()), ExitStatusOf(failure.kind)});
}

void Failures::Keep(Failure failure) {
  if (tell_) {
    toldStatus_ = std::max(toldStatus_, failure.exitStatus);
    tell_(failure);
    return;
  }
  failures_.push_back(std::move(failure));
}

std::string FailureLine(const Failure& f) {
  return (f.code != 0 ? std::to_string(f.code) + " " : std::string()) + f.message + "\n";
}

std::string Failures::Lines() const {
  std::string lines;
  for (const Failure& f : failures_)
    lines += FailureLine(f);
  return lines;
}

int Failures::ExitStatus() const {
  // A file problem (3) outranks wrong input (2), which outranks a refusal or a failed link (1).
  int status = toldStatus_;
  for (const Failure& f : failures_)
    status = std::max(status, f.exitStatus);
  return status;
}

}  // namespace taviron::cli
