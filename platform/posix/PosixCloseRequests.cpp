#include <signal.h>

#include <csignal>

#include "base/CloseRequests.h"

namespace taviron {
namespace {

volatile std::sig_atomic_t closeRequested = 0;

void OnCloseSignal(int) {
  closeRequested = 1;
}

}  // namespace

void WatchCloseRequests() {
  struct sigaction close {};
  close.sa_handler = OnCloseSignal;
  ::sigaction(SIGINT, &close, nullptr);
  ::sigaction(SIGTERM, &close, nullptr);
}

bool CloseRequested() {
  return closeRequested != 0;
}

}  // namespace taviron
