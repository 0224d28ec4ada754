#include "win/common/Win32Form.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <set>

#include "program/CommandRunner.h"
#include "views/FormLayout.h"
#include "win/common/ControlNames.h"
#include "win/common/Dpi.h"
#include "win/common/MessagePump.h"
#include "win/common/Resources.h"
#include "win/common/Unexpected.h"
#include "win/common/Win32Host.h"
#include "win/common/Win32Text.h"

namespace taviron {
namespace {

constexpr int kFirstControlId = 100;
// Sizes at 96 dots per inch, as the system's dialogs have them.
constexpr int kMargin = 11;
constexpr int kSpacing = 6;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kEditWidth = 120;
constexpr int kProgressWidth = 200;
constexpr int kProgressHeight = 18;
constexpr int kIconSize = 64;

std::vector<Win32Form*> shownForms;

void RegisterFormClass(HINSTANCE instance, const std::wstring& name) {
  static std::set<std::wstring> registered;
  if (registered.count(name) != 0) return;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.cbWndExtra = DLGWINDOWEXTRA;
  windowClass.lpfnWndProc = DefDlgProcW;
  windowClass.hInstance = instance;
  windowClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(TAVIRON_ICON));
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = name.c_str();
  ::RegisterClassExW(&windowClass);
  registered.insert(name);
}

// A dialog template without controls, of the form's class: the controls are made and placed in
// pixels when the dialog starts, for its monitor's scale.
std::vector<WORD> EmptyTemplate(DWORD style, const std::wstring& windowClass,
                                const std::wstring& caption) {
  DLGTEMPLATE header{};
  header.style = style;
  header.cx = 100;
  header.cy = 50;
  std::vector<WORD> words(sizeof header / sizeof(WORD), 0);
  std::memcpy(words.data(), &header, sizeof header);
  words.push_back(0);  // no menu
  words.insert(words.end(), windowClass.begin(), windowClass.end());
  words.push_back(0);
  words.insert(words.end(), caption.begin(), caption.end());
  words.push_back(0);
  return words;
}

// "COM &Port" as it is drawn and named: "COM Port".
std::string WithoutMnemonic(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

bool IsInput(ControlKind kind) {
  return kind == ControlKind::kEdit || kind == ControlKind::kPassword || kind == ControlKind::kList;
}

using SetDialogDpiChangeBehaviorFn = BOOL(WINAPI*)(HWND, int, int);

}  // namespace

Win32Form::Win32Form(Win32Host& host, const FormDesign& design, HWND owner)
    : host_(host), design_(design) {
  const std::wstring windowClass = Wide(design.windowClass);
  RegisterFormClass(host_.instance(), windowClass);
  DWORD style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
  if (design.closeBox) style |= WS_SYSMENU;
  std::vector<WORD> words = EmptyTemplate(style, windowClass, Wide(design.caption));
  window_ = ::CreateDialogIndirectParamW(host_.instance(),
                                         reinterpret_cast<const DLGTEMPLATE*>(words.data()), owner,
                                         &Win32Form::Proc, reinterpret_cast<LPARAM>(this));
  // The program's first window stands on its own in the taskbar.
  if (owner == nullptr) {
    ::SetWindowLongPtrW(window_, GWL_EXSTYLE,
                        ::GetWindowLongPtrW(window_, GWL_EXSTYLE) | WS_EX_APPWINDOW);
  }
  UseDialogKeys(window_, true);
}

Win32Form::~Win32Form() {
  if (window_ == nullptr) return;
  UseDialogKeys(window_, false);
  ::SetWindowLongPtrW(window_, DWLP_USER, 0);
  for (const Item& item : items_)
    ForgetControlName(item.window);
  if (picture_ != nullptr) ForgetControlName(picture_);
  ForgetControlName(window_);
  ::DestroyWindow(window_);
  if (font_ != nullptr) ::DeleteObject(font_);
  if (pictureIcon_ != nullptr) ::DestroyIcon(pictureIcon_);
}

const std::vector<Win32Form*>& Win32Form::Shown() {
  return shownForms;
}

void Win32Form::Build() {
  SetControlName(window_, design_.name);
  dpi_ = DpiOf(window_);
  font_ = ProgramFont(dpi_);
  // The form places its controls itself for a new scale; the dialog manager leaves them be.
  static auto keepOwnLayout =
      reinterpret_cast<SetDialogDpiChangeBehaviorFn>(reinterpret_cast<void*>(
          ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "SetDialogDpiChangeBehavior")));
  if (keepOwnLayout != nullptr) keepOwnLayout(window_, 1, 1);

  HINSTANCE instance = host_.instance();
  auto make = [&](const wchar_t* kind, const std::wstring& text, DWORD style, DWORD exStyle,
                  int id) {
    HWND control =
        ::CreateWindowExW(exStyle, kind, text.c_str(), WS_CHILD | style, 0, 0, 0, 0, window_,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return control;
  };

  if (design_.programIcon) {
    picture_ = make(L"STATIC", L"", WS_VISIBLE | SS_ICON | SS_CENTERIMAGE | SS_SUNKEN, 0, -1);
    SetControlName(picture_, "ProgramIcon");
  }
  int id = kFirstControlId;
  std::string lastLabel;
  for (const FormRow& row : design_.rows) {
    for (const ControlDesign& d : row.controls) {
      const DWORD visible = d.hidden ? 0 : WS_VISIBLE;
      // A screen reader names an input by the label before it: where the visible one says
      // something else, a label that only it reads stands between them.
      if (d.kind != ControlKind::kLabel && !d.accessibleName.empty() &&
          lastLabel != d.accessibleName) {
        make(L"STATIC", Wide(d.accessibleName), SS_NOPREFIX, 0, -1);
      }
      HWND control = nullptr;
      switch (d.kind) {
        case ControlKind::kLabel: {
          const bool mnemonic = d.text.find('&') != std::string_view::npos;
          // One line, in the middle of its row.
          DWORD style =
              visible | SS_CENTERIMAGE | (d.align == Alignment::kRight ? SS_RIGHT : SS_LEFT);
          if (!mnemonic) style |= SS_NOPREFIX;
          control = make(L"STATIC", Wide(d.text), style, 0, id);
          lastLabel = WithoutMnemonic(d.text);
          break;
        }
        case ControlKind::kEdit:
        case ControlKind::kPassword: {
          DWORD style = visible | WS_TABSTOP | ES_AUTOHSCROLL;
          if (d.kind == ControlKind::kPassword) style |= ES_PASSWORD;
          if (d.upperCase) style |= ES_UPPERCASE;
          control = make(L"EDIT", L"", style, WS_EX_CLIENTEDGE, id);
          if (d.kind == ControlKind::kPassword) ::SendMessageW(control, EM_SETPASSWORDCHAR, '*', 0);
          if (d.maxLength > 0) ::SendMessageW(control, EM_SETLIMITTEXT, d.maxLength, 0);
          lastLabel.clear();
          break;
        }
        case ControlKind::kList: {
          control =
              make(L"COMBOBOX", L"", visible | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, id);
          for (std::string_view item : d.items)
            ::SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
          lastLabel.clear();
          break;
        }
        case ControlKind::kButton: {
          const DWORD kind = d.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
          control = make(L"BUTTON", Wide(d.text), visible | WS_TABSTOP | kind, 0, id);
          if (d.isDefault) ::SendMessageW(window_, DM_SETDEFID, static_cast<WPARAM>(id), 0);
          lastLabel.clear();
          break;
        }
        case ControlKind::kProgress:
          control = make(PROGRESS_CLASSW, L"", visible | PBS_SMOOTH, 0, id);
          lastLabel.clear();
          break;
      }
      if (!d.name.empty()) SetControlName(control, d.name);
      items_.push_back({&d, control, id});
      ++id;
    }
  }
  Layout();
}

void Win32Form::Layout() {
  auto scaled = [this](int designed) { return Scaled(designed, dpi_); };
  HDC dc = ::GetDC(window_);
  HGDIOBJ oldFont = ::SelectObject(dc, font_);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  auto textSize = [&](const std::wstring& text, bool prefix) {
    RECT r{0, 0, 0, 0};
    std::wstring shown = text.empty() ? L" " : text;
    ::DrawTextW(dc, shown.c_str(), -1, &r, DT_CALCRECT | (prefix ? 0 : DT_NOPREFIX));
    return SIZE{r.right - r.left, r.bottom - r.top};
  };

  // Each visible control's size as the system draws it, in the design's order.
  std::vector<std::optional<FormSize>> sizes;
  for (const Item& item : items_) {
    if ((::GetWindowLongW(item.window, GWL_STYLE) & WS_VISIBLE) == 0) {
      sizes.emplace_back();
      continue;
    }
    const ControlDesign& d = *item.design;
    int width = 0;
    int height = 0;
    switch (d.kind) {
      case ControlKind::kLabel: {
        wchar_t text[512] = {};
        ::GetWindowTextW(item.window, text, 512);
        SIZE size = textSize(text, d.text.find('&') != std::string_view::npos);
        width = size.cx + scaled(2);
        height = std::max<int>(size.cy, metrics.tmHeight) + scaled(2);
        break;
      }
      case ControlKind::kEdit:
      case ControlKind::kPassword:
        width = scaled(d.width > 0 ? d.width : kEditWidth);
        height = metrics.tmHeight + scaled(8);
        break;
      case ControlKind::kList: {
        const auto count = static_cast<int>(::SendMessageW(item.window, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
          const auto length = static_cast<std::size_t>(
              ::SendMessageW(item.window, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0));
          std::wstring text(length + 1, L'\0');
          ::SendMessageW(item.window, CB_GETLBTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(text.data()));
          text.resize(length);
          width = std::max<int>(width, textSize(text, false).cx);
        }
        width += MetricFor(SM_CXVSCROLL, dpi_) + scaled(12);
        // The list's closed height, which the system gives it.
        ::SetWindowPos(item.window, nullptr, 0, 0, width, scaled(200),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT closed{};
        ::GetWindowRect(item.window, &closed);
        height = closed.bottom - closed.top;
        break;
      }
      case ControlKind::kButton: {
        wchar_t text[128] = {};
        ::GetWindowTextW(item.window, text, 128);
        width = std::max<int>(scaled(kButtonWidth), textSize(text, true).cx + scaled(16));
        height = scaled(kButtonHeight);
        break;
      }
      case ControlKind::kProgress:
        width = scaled(kProgressWidth);
        height = scaled(kProgressHeight);
        break;
    }
    sizes.push_back(FormSize{std::max(width, scaled(d.width)), std::max(height, scaled(d.height))});
  }
  ::SelectObject(dc, oldFont);
  ::ReleaseDC(window_, dc);

  const int panel = scaled(kIconSize + 8);
  const FormPlaces places =
      PlaceForm(design_, sizes, scaled(kMargin), scaled(kSpacing), FormSize{panel, panel});
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (!sizes[i]) continue;
    const FormPlace& place = places.controls[i];
    int height = place.height;
    // A list's window is as high as what it shows when it drops down.
    if (items_[i].design->kind == ControlKind::kList) {
      HWND list = items_[i].window;
      const auto count = static_cast<int>(::SendMessageW(list, CB_GETCOUNT, 0, 0));
      const auto line = static_cast<int>(::SendMessageW(list, CB_GETITEMHEIGHT, 0, 0));
      height += line * std::clamp(count, 1, 12) + scaled(4);
    }
    ::SetWindowPos(items_[i].window, nullptr, place.x, place.y, place.width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (picture_ != nullptr) {
    const FormPlace& place = places.picture;
    ::SetWindowPos(picture_, nullptr, place.x, place.y, place.width, place.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    HICON icon = static_cast<HICON>(::LoadImageW(host_.instance(), MAKEINTRESOURCEW(TAVIRON_ICON),
                                                 IMAGE_ICON, scaled(kIconSize), scaled(kIconSize),
                                                 LR_DEFAULTCOLOR));
    ::SendMessageW(picture_, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    if (pictureIcon_ != nullptr) ::DestroyIcon(pictureIcon_);
    pictureIcon_ = icon;
  }
  RECT frame = FrameFor(window_, RECT{0, 0, places.client.width, places.client.height}, dpi_);
  ::SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::InvalidateRect(window_, nullptr, TRUE);
}

void Win32Form::Centre() {
  RECT area{};
  HWND owner = ::GetWindow(window_, GW_OWNER);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ::GetMonitorInfoW(
      ::MonitorFromWindow(owner != nullptr ? owner : window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  if (owner != nullptr && ::IsWindowVisible(owner)) {
    ::GetWindowRect(owner, &area);
  } else {
    area = monitor.rcWork;
  }
  RECT own{};
  ::GetWindowRect(window_, &own);
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;
  int left = area.left + (area.right - area.left - width) / 2;
  int top = area.top + (area.bottom - area.top - height) / 2;
  // Wholly on the monitor.
  left = std::max<int>(monitor.rcWork.left, std::min<int>(left, monitor.rcWork.right - width));
  top = std::max<int>(monitor.rcWork.top, std::min<int>(top, monitor.rcWork.bottom - height));
  ::SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Win32Form::RunModal() {
  ended_ = false;
  result_ = kCancel;
  HWND owner = ::GetWindow(window_, GW_OWNER);
  const bool disableOwner = owner != nullptr && ::IsWindowEnabled(owner);
  if (disableOwner) ::EnableWindow(owner, FALSE);
  shownForms.push_back(this);
  {
    CommandRunner::Awaiting awaiting(host_.runner(), window_);
    Centre();
    Show();
    while (!ended_) {
      MSG msg;
      const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
      if (got <= 0) {
        if (got == 0) ::PostQuitMessage(static_cast<int>(msg.wParam));
        break;
      }
      HandleMessage(msg);
    }
  }
  shownForms.erase(std::find(shownForms.begin(), shownForms.end(), this));
  // The owner takes the keyboard back before this window goes.
  if (disableOwner) ::EnableWindow(owner, TRUE);
  ::ShowWindow(window_, SW_HIDE);
  return result_;
}

void Win32Form::End(int result) {
  result_ = result;
  ended_ = true;
  // The loop wakes to see it.
  ::PostMessageW(window_, WM_NULL, 0, 0);
}

void Win32Form::Hide() {
  ::ShowWindow(window_, SW_HIDE);
}

void Win32Form::Show() {
  ::ShowWindow(window_, SW_SHOW);
  ::SetForegroundWindow(window_);
  ApplyFocus();
}

void Win32Form::ShowAlone() {
  Centre();
  Show();
}

void Win32Form::ApplyFocus() {
  HWND target = nullptr;
  if (!pendingFocus_.empty()) target = Control(pendingFocus_);
  if (target == nullptr || !::IsWindowVisible(target) || !::IsWindowEnabled(target))
    target = ::GetNextDlgTabItem(window_, nullptr, FALSE);
  pendingFocus_.clear();
  if (target != nullptr)
    ::SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
}

const Win32Form::Item* Win32Form::Find(std::string_view name) const {
  for (const Item& item : items_) {
    if (item.design->name == name) return &item;
  }
  return nullptr;
}

HWND Win32Form::Control(std::string_view name) const {
  const Item* item = Find(name);
  return item == nullptr ? nullptr : item->window;
}

void Win32Form::SetCaption(std::string_view caption) {
  ::SetWindowTextW(window_, Wide(caption).c_str());
}

void Win32Form::SetText(std::string_view name, std::string_view text) {
  HWND control = Control(name);
  if (control == nullptr) return;
  const std::wstring wide = Wide(text);
  wchar_t shown[512] = {};
  ::GetWindowTextW(control, shown, 512);
  if (wide == shown) return;
  ::SetWindowTextW(control, wide.c_str());
}

std::string Win32Form::Text(std::string_view name) const {
  HWND control = Control(name);
  if (control == nullptr) return {};
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      ::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return Utf8(text);
}

void Win32Form::SetVisible(std::string_view name, bool visible) {
  HWND control = Control(name);
  if (control == nullptr) return;
  const bool shown = (::GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
  if (shown == visible) return;
  ::ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
  Layout();
}

void Win32Form::SetEnabled(std::string_view name, bool enabled) {
  if (HWND control = Control(name)) ::EnableWindow(control, enabled ? TRUE : FALSE);
}

void Win32Form::SetDefault(std::string_view name) {
  const Item* item = Find(name);
  if (item == nullptr) return;
  for (const Item& other : items_) {
    if (other.design->kind != ControlKind::kButton) continue;
    ::SendMessageW(other.window, BM_SETSTYLE, &other == item ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON,
                   TRUE);
  }
  ::SendMessageW(window_, DM_SETDEFID, static_cast<WPARAM>(item->id), 0);
}

void Win32Form::Focus(std::string_view name) {
  pendingFocus_ = std::string(name);
  if (::IsWindowVisible(window_)) ApplyFocus();
}

void Win32Form::SetItems(std::string_view list, const std::vector<std::string>& items) {
  HWND control = Control(list);
  if (control == nullptr) return;
  ::SendMessageW(control, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items)
    ::SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
  Layout();
}

void Win32Form::SetItemText(std::string_view list, int item, const std::string& text) {
  HWND control = Control(list);
  if (control == nullptr || item < 0) return;
  const int selected = Selected(list);
  ::SendMessageW(control, CB_DELETESTRING, static_cast<WPARAM>(item), 0);
  ::SendMessageW(control, CB_INSERTSTRING, static_cast<WPARAM>(item),
                 reinterpret_cast<LPARAM>(Wide(text).c_str()));
  Select(list, selected);
}

int Win32Form::Selected(std::string_view list) const {
  HWND control = Control(list);
  if (control == nullptr) return -1;
  return static_cast<int>(::SendMessageW(control, CB_GETCURSEL, 0, 0));
}

void Win32Form::Select(std::string_view list, int item) {
  if (HWND control = Control(list)) {
    ::SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
  }
}

void Win32Form::SetProgress(std::string_view name, int position) {
  if (HWND control = Control(name)) ::SendMessageW(control, PBM_SETPOS, position, 0);
}

INT_PTR CALLBACK Win32Form::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* form = reinterpret_cast<Win32Form*>(lParam);
    form->window_ = window;
    ::SetWindowLongPtrW(window, DWLP_USER, lParam);
    form->Build();
    return FALSE;
  }
  auto* form = reinterpret_cast<Win32Form*>(::GetWindowLongPtrW(window, DWLP_USER));
  if (form == nullptr) return FALSE;
  INT_PTR handled = FALSE;
  Guarded([&] { handled = form->Handle(message, wParam, lParam); });
  return handled;
}

INT_PTR Win32Form::Handle(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      if (id == IDCANCEL) {
        Cancelled();
        return TRUE;
      }
      for (const Item& item : items_) {
        if (item.id != id) continue;
        const std::string_view name = item.design->name;
        if (item.design->kind == ControlKind::kButton && code == BN_CLICKED) Clicked(name);
        if (item.design->kind == ControlKind::kList && code == CBN_SELCHANGE) Picked(name);
        if (IsInput(item.design->kind) && item.design->kind != ControlKind::kList &&
            code == EN_CHANGE) {
          Edited(name);
        }
        return TRUE;
      }
      return TRUE;
    }
    case WM_DPICHANGED: {
      dpi_ = LOWORD(wParam);
      HFONT font = ProgramFont(dpi_);
      for (const Item& item : items_)
        ::SendMessageW(item.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
      if (font_ != nullptr) ::DeleteObject(font_);
      font_ = font;
      Layout();
      return TRUE;
    }
    default:
      return FALSE;
  }
}

}  // namespace taviron
