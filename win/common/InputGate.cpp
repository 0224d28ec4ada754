#include "win/common/InputGate.h"

namespace taviron {
namespace {

InputGate* gate = nullptr;
std::function<bool(HWND)> gatePasses;
std::function<void(HWND)> gateCloseAsked;

}  // namespace

InputGate::InputGate(std::function<bool(HWND)> passes, std::function<void(HWND)> closeAsked) {
  gate = this;
  gatePasses = std::move(passes);
  gateCloseAsked = std::move(closeAsked);
  hook_ = ::SetWindowsHookExW(WH_GETMESSAGE, &InputGate::Hook, nullptr, ::GetCurrentThreadId());
}

InputGate::~InputGate() {
  if (hook_ != nullptr) ::UnhookWindowsHookEx(hook_);
  gate = nullptr;
  gatePasses = nullptr;
  gateCloseAsked = nullptr;
}

bool InputGate::IsInput(UINT message) {
  // The pointer moving over a window is no input: tooltips and hover keep working.
  if (message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE) return false;
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCLBUTTONDOWN && message <= WM_NCXBUTTONDBLCLK);
}

LRESULT CALLBACK InputGate::Hook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE && gate != nullptr) {
    MSG* msg = reinterpret_cast<MSG*>(lParam);
    if (IsInput(msg->message) && gatePasses && !gatePasses(msg->hwnd)) {
      const bool closeBox = msg->message == WM_NCLBUTTONDOWN && msg->wParam == HTCLOSE;
      const bool altF4 = msg->message == WM_SYSKEYDOWN && msg->wParam == VK_F4;
      HWND window = msg->hwnd;
      msg->message = WM_NULL;
      if ((closeBox || altF4) && gateCloseAsked) gateCloseAsked(window);
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace taviron
