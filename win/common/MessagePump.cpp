#include "win/common/MessagePump.h"

#include <set>

namespace taviron {
namespace {

HWND acceleratorWindow = nullptr;
HACCEL accelerators = nullptr;
std::set<HWND> dialogs;

}  // namespace

void UseDialogKeys(HWND dialog, bool use) {
  if (use) {
    dialogs.insert(dialog);
  } else {
    dialogs.erase(dialog);
  }
}

void UseAccelerators(HWND window, HACCEL table) {
  acceleratorWindow = window;
  accelerators = table;
}

void HandleMessage(MSG& msg) {
  if (msg.hwnd != nullptr) {
    HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
    if (root == acceleratorWindow && accelerators != nullptr &&
        ::TranslateAcceleratorW(root, accelerators, &msg)) {
      return;
    }
    if (root != nullptr && dialogs.count(root) != 0 && ::IsDialogMessageW(root, &msg)) {
      return;
    }
  }
  ::TranslateMessage(&msg);
  ::DispatchMessageW(&msg);
}

bool HandleWaitingMessages() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    HandleMessage(msg);
  }
  return true;
}

void HandleMessagesUntil(const Clock& clock, TimeMs deadline) {
  for (;;) {
    if (!HandleWaitingMessages()) return;
    TimeMs remaining = deadline - clock.Now();
    if (remaining <= 0) return;
    ::MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(remaining), QS_ALLINPUT,
                                  MWMO_INPUTAVAILABLE);
  }
}

}  // namespace taviron
