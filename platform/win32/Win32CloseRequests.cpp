#include <windows.h>

#include <atomic>

#include "base/CloseRequests.h"

namespace taviron {
namespace {

std::atomic<bool> closeRequested{false};

// The system gives a closing console about five seconds before it ends the process; the
// command gets most of them to release the port, and the process ends sooner when it does.
constexpr DWORD kCloseGraceMs = 4500;
constexpr DWORD kCloseStepMs = 50;

BOOL WINAPI OnConsoleEvent(DWORD event) {
  closeRequested = true;
  if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
    // Returning ends the process at once: wait here while the main thread finishes its command.
    for (DWORD waited = 0; waited < kCloseGraceMs; waited += kCloseStepMs)
      ::Sleep(kCloseStepMs);
  }
  return TRUE;
}

}  // namespace

void WatchCloseRequests() {
  ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

bool CloseRequested() {
  return closeRequested;
}

}  // namespace taviron
