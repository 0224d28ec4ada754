#include "win/monitor/MainWindow.h"

#include <commctrl.h>

#include <algorithm>

#include "base/CloseRequests.h"
#include "monitor/MainDisplay.h"
#include "program/CommandRunner.h"
#include "program/Configurator.h"
#include "program/MenuActions.h"
#include "program/MenuCommands.h"
#include "session/Startup.h"
#include "views/AccessibleNames.h"
#include "views/MainLayout.h"
#include "win/common/CommandIds.h"
#include "win/common/ControlNames.h"
#include "win/common/Dpi.h"
#include "win/common/MessagePump.h"
#include "win/common/Resources.h"
#include "win/common/Unexpected.h"
#include "win/common/Win32Host.h"
#include "win/common/Win32Text.h"

namespace taviron {
namespace {

constexpr const wchar_t* kClassName = L"TForm_MainWindow";
// The show and activation handlers run on the next turn of the loop, after the window painted.
constexpr UINT kFormShowMessage = WM_APP + 1;
constexpr UINT kFormActivateMessage = WM_APP + 2;

std::wstring MenuCaption(const MenuItemDesign& item) {
  std::wstring caption = Wide(item.caption);
  switch (item.shortcut) {
    case Shortcut::kNone:
      break;
    case Shortcut::kOpen:
      caption += L"\tCtrl+O";
      break;
    case Shortcut::kSave:
      caption += L"\tCtrl+S";
      break;
    case Shortcut::kRefresh:
      caption += L"\tF5";
      break;
  }
  return caption;
}

ACCEL Accelerator(const MenuItemDesign& item) {
  ACCEL key{};
  key.cmd = static_cast<WORD>(CommandId(item.command));
  key.fVirt = FVIRTKEY;
  switch (item.shortcut) {
    case Shortcut::kOpen:
      key.fVirt |= FCONTROL;
      key.key = 'O';
      break;
    case Shortcut::kSave:
      key.fVirt |= FCONTROL;
      key.key = 'S';
      break;
    case Shortcut::kRefresh:
      key.key = VK_F5;
      break;
    case Shortcut::kNone:
      break;
  }
  return key;
}

int ImagePosition(int image) {
  const auto* at = std::find(std::begin(kToolImages), std::end(kToolImages), image);
  return at == std::end(kToolImages) ? I_IMAGENONE : static_cast<int>(at - std::begin(kToolImages));
}

void RegisterClassOnce(HINSTANCE instance) {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  ::RegisterClassExW(&windowClass);
  registered = true;
}

}  // namespace

TForm_MainWindow::TForm_MainWindow(Win32Host& host) : host_(host) {
  RegisterClassOnce(host_.instance());
  // A window of fixed design: no maximize box; it may be made smaller, never larger. Its
  // background is painted under the group boxes, which draw only their frames.
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME;
  window_ = ::CreateWindowExW(0, kClassName, Wide(kMainCaption).c_str(), style, CW_USEDEFAULT,
                              CW_USEDEFAULT, kMainDesignedWidth, kMainDesignedHeight, nullptr,
                              nullptr, host_.instance(), nullptr);
  ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ::SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TForm_MainWindow::Proc));
  SetControlName(window_, kMainWindowName);
  dpi_ = DpiOf(window_);
  Build();
  // The start-up sequence belongs to the window's creation.
  MainWindowCreated(host_.core());
  Render();
}

TForm_MainWindow::~TForm_MainWindow() {
  if (window_ != nullptr) {
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    for (const Placed& p : placed_)
      ForgetControlName(p.window);
    ForgetControlName(toolbar_);
    ForgetControlName(status_);
    ForgetControlName(window_);
    ::DestroyWindow(window_);
  }
  if (accelerators_ != nullptr) ::DestroyAcceleratorTable(accelerators_);
  if (images_ != nullptr) ImageList_Destroy(images_);
  if (font_ != nullptr) ::DeleteObject(font_);
  if (bigIcon_ != nullptr) ::DestroyIcon(bigIcon_);
  if (smallIcon_ != nullptr) ::DestroyIcon(smallIcon_);
}

void TForm_MainWindow::Build() {
  BuildMenus();
  BuildToolbar();
  BuildInformation();
  status_ = ::CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window_,
                              nullptr, host_.instance(), nullptr);
  SetControlName(status_, "StatusBar1");
  int wholeWidth = -1;
  ::SendMessageW(status_, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&wholeWidth));
  Place();
  ::SetTimer(window_, 1, 100, nullptr);
}

void TForm_MainWindow::BuildMenus() {
  menu_ = ::CreateMenu();
  std::vector<ACCEL> keys;
  for (const MenuDesign& design : kMainMenu) {
    HMENU popup = ::CreatePopupMenu();
    for (const MenuItemDesign& item : design.items) {
      if (item.command == MenuCommand::kNone) {
        ::AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
        continue;
      }
      ::AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(CommandId(item.command)),
                    MenuCaption(item).c_str());
      if (item.shortcut != Shortcut::kNone) keys.push_back(Accelerator(item));
    }
    ::AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), Wide(design.caption).c_str());
  }
  ::SetMenu(window_, menu_);
  accelerators_ = ::CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
  UseAccelerators(window_, accelerators_);
}

void TForm_MainWindow::BuildToolbar() {
  // Its text is the name a screen reader gives it.
  toolbar_ = ::CreateWindowExW(0, TOOLBARCLASSNAMEW, Wide(kToolbarName).c_str(),
                               WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP, 0,
                               0, 0, 0, window_, nullptr, host_.instance(), nullptr);
  SetControlName(toolbar_, "ToolBar1");
  ::SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  // The buttons' texts are their hints: shown as tooltips, not under the pictures.
  ::SendMessageW(toolbar_, TB_SETMAXTEXTROWS, 0, 0);
  LoadImages();
  std::vector<TBBUTTON> buttons;
  for (const ToolButtonDesign& design : kToolbar)
    hints_.push_back(Wide(design.hint));
  for (std::size_t i = 0; i < std::size(kToolbar); ++i) {
    const ToolButtonDesign& design = kToolbar[i];
    TBBUTTON button{};
    button.iBitmap = ImagePosition(design.image);
    button.idCommand = CommandId(design.command);
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = BTNS_BUTTON;
    button.iString = reinterpret_cast<INT_PTR>(hints_[i].c_str());
    buttons.push_back(button);
  }
  ::SendMessageW(toolbar_, TB_ADDBUTTONSW, buttons.size(),
                 reinterpret_cast<LPARAM>(buttons.data()));
}

void TForm_MainWindow::LoadImages() {
  const int size = Scaled(kToolImageSize, dpi_);
  HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR32, std::size(kToolImages), 0);
  for (int image : kToolImages) {
    auto icon = static_cast<HICON>(::LoadImageW(host_.instance(),
                                                MAKEINTRESOURCEW(TAVIRON_TOOL_IMAGE + image),
                                                IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    ImageList_AddIcon(images, icon);
    if (icon != nullptr) ::DestroyIcon(icon);
  }
  // The greyed looks are pictures of their own: a disabled button shows the one it was given.
  ::SendMessageW(toolbar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  ::SendMessageW(toolbar_, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  if (images_ != nullptr) ImageList_Destroy(images_);
  images_ = images;

  HICON big = static_cast<HICON>(::LoadImageW(host_.instance(), MAKEINTRESOURCEW(TAVIRON_ICON),
                                              IMAGE_ICON, MetricFor(SM_CXICON, dpi_),
                                              MetricFor(SM_CYICON, dpi_), LR_DEFAULTCOLOR));
  HICON small = static_cast<HICON>(::LoadImageW(host_.instance(), MAKEINTRESOURCEW(TAVIRON_ICON),
                                                IMAGE_ICON, MetricFor(SM_CXSMICON, dpi_),
                                                MetricFor(SM_CYSMICON, dpi_), LR_DEFAULTCOLOR));
  ::SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  ::SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  if (bigIcon_ != nullptr) ::DestroyIcon(bigIcon_);
  if (smallIcon_ != nullptr) ::DestroyIcon(smallIcon_);
  bigIcon_ = big;
  smallIcon_ = small;
}

HWND TForm_MainWindow::AddLabel(std::string_view name, std::string_view text,
                                const GroupBoxDesign& box, int left, int top, int width, int height,
                                DWORD style) {
  HWND label = ::CreateWindowExW(0, L"STATIC", Wide(text).c_str(), WS_CHILD | SS_NOPREFIX | style,
                                 0, 0, 0, 0, window_, nullptr, host_.instance(), nullptr);
  SetControlName(label, name);
  placed_.push_back({label, &box, left, top, width, height});
  return label;
}

void TForm_MainWindow::BuildInformation() {
  auto addBox = [this](const GroupBoxDesign& box) {
    HWND group = ::CreateWindowExW(0, L"BUTTON", Wide(box.caption).c_str(),
                                   WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0, 0, 0, window_,
                                   nullptr, host_.instance(), nullptr);
    SetControlName(group, box.name);
    placed_.push_back({group, nullptr, box.left, box.top, box.width, box.height});
  };
  auto addDesigned = [this](const GroupBoxDesign& box, const LabelDesign& design) {
    DWORD style = design.hidden ? 0 : WS_VISIBLE;
    style |= design.align == TextAlign::kCentre ? SS_CENTER : SS_LEFT;
    // A single line sits in the middle of its label's height, as the designed labels do.
    if (!design.multiLine) style |= SS_CENTERIMAGE;
    HWND label = AddLabel(design.name, design.text, box, design.left, design.top, design.width,
                          design.height, style);
    if (design.value != nullptr) values_.push_back({std::string(design.name), label, {}});
    if (design.name == "Label6") label6_ = label;
  };

  // Each caption comes before the value it names: the order a screen reader reads them in.
  addBox(kInformationBox);
  for (const LabelDesign& design : kInformationLabels)
    addDesigned(kInformationBox, design);
  addBox(kPortBox);
  for (const LabelDesign& design : kPortHeadings)
    addDesigned(kPortBox, design);
  for (int n = 1; n <= kPortCount; ++n) {
    const int top = kPortRowTops[n - 1];
    AddLabel(PortRowName(n), PortRowText(n), kPortBox, kPortRowLeft, top, 0, kLabelHeight,
             WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE);
    HWND speed = AddLabel(PortSpeedName(n), "", kPortBox, kPortSpeedLeft, top, kPortSpeedWidth,
                          kLabelHeight, WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE);
    values_.push_back({PortSpeedName(n), speed, {}});
    HWND duplex = AddLabel(PortDuplexName(n), "", kPortBox, kPortDuplexLeft, top, kPortDuplexWidth,
                           kLabelHeight, WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE);
    values_.push_back({PortDuplexName(n), duplex, {}});
  }
}

void TForm_MainWindow::Place() {
  HFONT font = ProgramFont(dpi_);
  for (const Placed& p : placed_)
    ::SendMessageW(p.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  ::SendMessageW(status_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (font_ != nullptr) ::DeleteObject(font_);
  font_ = font;

  const int image = Scaled(kToolImageSize, dpi_);
  ::SendMessageW(toolbar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(image, image));
  ::SendMessageW(toolbar_, TB_SETBUTTONSIZE, 0,
                 MAKELPARAM(Scaled(kToolButtonWidth + 4, dpi_), image + Scaled(8, dpi_)));
  ::SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
  RECT bar{};
  ::GetWindowRect(toolbar_, &bar);
  const int contentTop = bar.bottom - bar.top;

  HDC dc = ::GetDC(window_);
  HGDIOBJ old = ::SelectObject(dc, font_);
  for (const Placed& p : placed_) {
    int left = p.left;
    int top = p.top;
    if (p.box != nullptr) {
      left += p.box->left;
      top += p.box->top;
    }
    int width = Scaled(p.width, dpi_);
    if (p.width == 0) {
      // As wide as the text, and a little more.
      wchar_t text[128] = {};
      int length = ::GetWindowTextW(p.window, text, 128);
      SIZE extent{};
      ::GetTextExtentPoint32W(dc, text, length, &extent);
      width = extent.cx + Scaled(4, dpi_);
    }
    ::SetWindowPos(p.window, nullptr, Scaled(left, dpi_), contentTop + Scaled(top, dpi_), width,
                   Scaled(p.height, dpi_), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ::SelectObject(dc, old);
  ::ReleaseDC(window_, dc);
  ::SendMessageW(status_, WM_SIZE, 0, 0);
  ::InvalidateRect(window_, nullptr, TRUE);
}

namespace {

// Where the keyboard was before the main window got it: the window that lost it. A system box
// (a message box, the file dialog) has the dialog class; the program's dialogs have their own.
ActivatedFrom ActivatedFromWindow(HWND before) {
  DWORD process = 0;
  if (before == nullptr || ::GetWindowThreadProcessId(before, &process) == 0 ||
      process != ::GetCurrentProcessId())
    return ActivatedFrom::kElsewhere;
  wchar_t name[64] = {};
  ::GetClassNameW(before, name, 64);
  return std::wstring_view(name) == L"#32770" ? ActivatedFrom::kProgramBox
                                              : ActivatedFrom::kProgramDialog;
}

}  // namespace

void TForm_MainWindow::Render() {
  // While a sequence runs, its commands are drawn unavailable; the end of it draws the layout.
  const MainView v = AsShown(host_.core().monitor.view, host_.runner().Busy());
  auto show = [](Value& value, const std::string& text) {
    std::wstring wide = Wide(text);
    if (wide == value.shown) return;
    value.shown = wide;
    ::SetWindowTextW(value.window, wide.c_str());
  };
  for (Value& value : values_) {
    for (const LabelDesign& design : kInformationLabels) {
      if (design.value != nullptr && design.name == value.name) show(value, v.*design.value);
    }
    for (int n = 1; n <= kPortCount; ++n) {
      if (value.name == PortSpeedName(n)) show(value, v.Lb_link[static_cast<std::size_t>(n - 1)]);
      if (value.name == PortDuplexName(n)) show(value, v.Lb_dup[static_cast<std::size_t>(n - 1)]);
    }
  }
  ::ShowWindow(label6_, v.Label6Visible ? SW_SHOWNA : SW_HIDE);
  std::wstring status = Wide(v.statusText);
  if (status != statusShown_) {
    statusShown_ = status;
    ::SendMessageW(status_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(status.c_str()));
  }

  for (const ToolButtonDesign& design : kToolbar) {
    const CommandLook& look = v.Look(design.look);
    const WPARAM id = static_cast<WPARAM>(CommandId(design.command));
    if (look.image >= 0) ::SendMessageW(toolbar_, TB_CHANGEBITMAP, id, ImagePosition(look.image));
    ::SendMessageW(toolbar_, TB_ENABLEBUTTON, id, MAKELPARAM(look.enabled ? TRUE : FALSE, 0));
  }
  UINT position = 0;
  for (const MenuDesign& design : kMainMenu) {
    HMENU popup = ::GetSubMenu(menu_, static_cast<int>(position));
    const bool menuEnabled = design.enabled == nullptr || v.*design.enabled;
    ::EnableMenuItem(menu_, position, MF_BYPOSITION | (menuEnabled ? MF_ENABLED : MF_GRAYED));
    for (const MenuItemDesign& item : design.items) {
      if (item.enabled == nullptr) continue;
      ::EnableMenuItem(popup, static_cast<UINT>(CommandId(item.command)),
                       MF_BYCOMMAND | (v.*item.enabled ? MF_ENABLED : MF_GRAYED));
    }
    ++position;
  }
  ::DrawMenuBar(window_);
}

void TForm_MainWindow::ShowAtSavedBounds() {
  // The saved bounds are pixels at 96 dots per inch, as the window is designed: on a monitor of
  // another scale the window keeps its size to the eye.
  const WindowBounds& saved = host_.core().session.mainWindowBounds;
  const int width = std::min(Scaled(saved.width, dpi_), Scaled(kMainDesignedWidth, dpi_));
  const int height = std::min(Scaled(saved.height, dpi_), Scaled(kMainDesignedHeight, dpi_));
  const int left = Scaled(saved.left, dpi_);
  const int top = Scaled(saved.top, dpi_);
  RECT wanted{left, top, left + width, top + height};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ::GetMonitorInfoW(::MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  WindowBounds placed =
      PlacedWithin({top, left, width, height},
                   {work.top, work.left, work.right - work.left, work.bottom - work.top});
  ::SetWindowPos(window_, nullptr, placed.left, placed.top, placed.width, placed.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  shownOnce_ = true;
  ::ShowWindow(window_, SW_SHOW);
  ::UpdateWindow(window_);
  ::SetForegroundWindow(window_);
}

WindowBounds TForm_MainWindow::CurrentBounds() const {
  // A window that was never shown has no place of its own: the saved one stays.
  if (!shownOnce_) return host_.core().session.mainWindowBounds;
  RECT r{};
  if (::IsIconic(window_)) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    ::GetWindowPlacement(window_, &placement);
    r = placement.rcNormalPosition;
  } else {
    ::GetWindowRect(window_, &r);
  }
  auto designed = [this](int pixels) { return ::MulDiv(pixels, kDesignDpi, dpi_); };
  return WindowBounds{designed(r.top), designed(r.left), designed(r.right - r.left),
                      designed(r.bottom - r.top)};
}

void TForm_MainWindow::Close() {
  ::SendMessageW(window_, WM_CLOSE, 0, 0);
}

void TForm_MainWindow::Shutdown() {
  if (shutdownDone_) return;
  shutdownDone_ = true;
  const WindowBounds bounds = CurrentBounds();
  host_.runner().Run([&] { MainWindowClosed(host_.core(), bounds); });
}

void TForm_MainWindow::Chosen(MenuCommand command) {
  if (command == MenuCommand::kClose) {
    Close();
    return;
  }
  // Each sequence is handed the part of the program's state it works on.
  host_.runner().Run([&] {
    Render();
    RunMenuCommand(host_.core(), command);
  });
  Render();
}

LRESULT CALLBACK TForm_MainWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TForm_MainWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);
  LRESULT result = 0;
  Guarded([&] { result = self->Handle(message, wParam, lParam); });
  return result;
}

LRESULT TForm_MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  CommandRunner& runner = host_.runner();
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (!IsCommandId(id)) break;
      const MenuCommand command = CommandOfId(id);
      // A shortcut runs its command only while its menu item can be chosen.
      if (HIWORD(wParam) == 1 && !MenuCommandEnabled(host_.core().monitor.view, command)) return 0;
      Chosen(command);
      return 0;
    }
    case WM_NOTIFY: {
      // The toolbar's tooltips: each button's hint.
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->code != TTN_GETDISPINFOW) break;
      auto* tip = reinterpret_cast<NMTTDISPINFOW*>(lParam);
      for (std::size_t i = 0; i < std::size(kToolbar); ++i) {
        if (static_cast<UINT_PTR>(CommandId(kToolbar[i].command)) != header->idFrom) continue;
        tip->lpszText = const_cast<wchar_t*>(hints_[i].c_str());
        tip->hinst = nullptr;
      }
      return 0;
    }
    case WM_SHOWWINDOW:
      if (wParam) ::PostMessageW(window_, kFormShowMessage, 0, 0);
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) {
        const bool first = !activatedOnce_;
        activatedOnce_ = true;
        if (RunsActivationHandler(first, ActivatedFromWindow(reinterpret_cast<HWND>(lParam))))
          ::PostMessageW(window_, kFormActivateMessage, 0, 0);
      }
      break;
    case WM_SETCURSOR:
      // The wait cursor over the window while a sequence runs.
      if (runner.Busy() && LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case kFormShowMessage:
      runner.RunWhenIdle([this] { MainWindowShown(host_.core()); });
      return 0;
    case kFormActivateMessage:
      runner.RunWhenIdle([this] { MainWindowActivated(host_.core()); });
      return 0;
    case WM_TIMER:
      // A close asked for from the console (Ctrl+C and the like) is looked at here.
      if (CloseRequested()) {
        ::KillTimer(window_, 1);
        runner.SystemEnds();
        runner.RequestClose();
      }
      return 0;
    case WM_CLOSE:
      if (runner.Busy()) {
        runner.RequestClose();
        return 0;
      }
      Shutdown();
      host_.MainWindowClosed();
      ::ShowWindow(window_, SW_HIDE);
      host_.CloseLogInWindow();
      return 0;
    case WM_QUERYENDSESSION:
      // The system is shutting down or the user logs off: the running sequence ends first, then
      // the program's shutdown, without a box; the system waits meanwhile.
      runner.SystemEnds();
      if (runner.Busy()) {
        ::ShutdownBlockReasonCreate(window_, L"TAVIRON is finishing its work with the switch.");
        runner.RequestClose();
        return FALSE;
      }
      Shutdown();
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) {
        runner.SystemEnds();
        Shutdown();
      }
      return 0;
    case WM_SIZE:
      ::SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
      ::SendMessageW(status_, WM_SIZE, 0, 0);
      break;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      info->ptMaxTrackSize.x = Scaled(kMainDesignedWidth, dpi_);
      info->ptMaxTrackSize.y = Scaled(kMainDesignedHeight, dpi_);
      return 0;
    }
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wParam);
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      ::SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
      LoadImages();
      Place();
      return 0;
    }
    default:
      break;
  }
  return ::DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace taviron
