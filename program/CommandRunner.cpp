#include "program/CommandRunner.h"

namespace taviron {

bool CommandRunner::Run(const std::function<void()>& command) {
  if (depth_ > 0) return false;
  ++depth_;
  if (busyChanged) busyChanged(true);
  command();
  --depth_;
  if (busyChanged) busyChanged(false);
  AfterCommand();
  return true;
}

void CommandRunner::RunWhenIdle(std::function<void()> step) {
  if (depth_ > 0) {
    deferred_.push_back(std::move(step));
    return;
  }
  Run(step);
}

void CommandRunner::Working(const std::function<void()>& step) {
  Awaiting nobody(*this, nullptr);
  step();
}

CommandRunner::Awaiting::Awaiting(CommandRunner& runner, Window window) : runner_(runner) {
  runner_.awaited_.push_back(window);
}

CommandRunner::Awaiting::~Awaiting() {
  runner_.awaited_.pop_back();
}

bool CommandRunner::AwaitsOperator(Window window) const {
  return depth_ == 0 || (!awaited_.empty() && awaited_.back() == window);
}

void CommandRunner::AfterCommand() {
  while (depth_ == 0 && !deferred_.empty() && !closePending_) {
    std::function<void()> step = std::move(deferred_.front());
    deferred_.pop_front();
    Run(step);
  }
  if (depth_ == 0 && closePending_ && closeMainWindow) {
    closePending_ = false;
    deferred_.clear();
    closeMainWindow();
  }
}

void CommandRunner::RequestClose() {
  if (depth_ > 0 || !closeMainWindow) {
    closePending_ = true;
    if (depth_ > 0 && dismissAwaited) dismissAwaited();
    return;
  }
  closeMainWindow();
}

}  // namespace taviron
