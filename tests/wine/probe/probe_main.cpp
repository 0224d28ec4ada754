// taviron-probe: prints what the window program's windows show, for the tests under Wine. It runs
// beside taviron.exe (in the same Wine prefix) and reads the windows as a screen reader or any
// other program of the desktop does: their titles, the texts and states of their controls, the
// label a screen reader names each input by, the toolbar's buttons and the keyboard focus. It
// sends no input: the tests type and click through the X server.
//
// One line per window and per control, fields separated by tabs:
//   W  name  class  title  flags  x y width height
//   C  name  class  text  flags  x y width height  label  extra
//   B  ToolButtonN  flags  image  width height
// flags: v visible, e enabled, f has the keyboard focus, a active window, p password box,
// d default button. A line break in a text reads as "\n". The lines end with "end". With
// --serve it stays and looks again at each line "look N" on its standard input, ending that look
// with "end N", until its input ends.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "win/common/CommandIds.h"

namespace {

constexpr const wchar_t* kNameProperty = L"TavironName";

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  int length = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                     nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), length,
                        nullptr, nullptr);
  return out;
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += ' ';
    } else {
      out += c;
    }
  }
  return out;
}

std::string Name(HWND window) {
  auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(::GetPropW(window, kNameProperty)));
  if (atom == 0) return "-";
  wchar_t name[64] = {};
  UINT length = ::GlobalGetAtomNameW(atom, name, 64);
  return Utf8(std::wstring(name, length));
}

// In lower case, as the system compares class names.
std::string ClassOf(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  ::CharLowerW(name);
  return Utf8(name);
}

// A window of another process answers WM_GETTEXT itself; its text is copied across.
std::string TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
    return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  ::SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 2000, &copied);
  text.resize(copied);
  return Escaped(Utf8(text));
}

LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result);
  return static_cast<LRESULT>(result);
}

std::string Place(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  return std::to_string(r.left) + " " + std::to_string(r.top) + " " +
         std::to_string(r.right - r.left) + " " + std::to_string(r.bottom - r.top);
}

// The label a screen reader names a control by: the static text before it, searching back
// until a control that starts a group of its own (as the system's accessibility does).
std::string LabelOf(HWND control) {
  for (HWND before = ::GetWindow(control, GW_HWNDPREV); before != nullptr;
       before = ::GetWindow(before, GW_HWNDPREV)) {
    if (ClassOf(before) == "static") {
      std::string text = TextOf(before);
      if (::GetWindowLongW(before, GWL_STYLE) & SS_NOPREFIX) return text;
      // The mnemonic's marker is not read out: "COM &Port" names "COM Port".
      std::string name;
      for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        name += text[i];
      }
      return name;
    }
    LONG style = ::GetWindowLongW(before, GWL_STYLE);
    if ((style & (WS_GROUP | WS_TABSTOP)) == (WS_GROUP | WS_TABSTOP)) break;
  }
  return {};
}

struct Target {
  DWORD process = 0;
  DWORD thread = 0;
  GUITHREADINFO gui{};
};

std::string Flags(HWND window, const Target& target) {
  std::string flags;
  if (::IsWindowVisible(window)) flags += 'v';
  if (::IsWindowEnabled(window)) flags += 'e';
  if (window == target.gui.hwndFocus) flags += 'f';
  if (window == target.gui.hwndActive) flags += 'a';
  const LONG style = ::GetWindowLongW(window, GWL_STYLE);
  const std::string kind = ClassOf(window);
  if (kind == "edit" && (style & ES_PASSWORD)) flags += 'p';
  if (kind == "button" && (style & 0x0F) == BS_DEFPUSHBUTTON) flags += 'd';
  return flags.empty() ? "-" : flags;
}

std::string Extra(HWND control) {
  const std::string kind = ClassOf(control);
  if (kind == "combobox") {
    const auto selected = static_cast<int>(Ask(control, CB_GETCURSEL));
    const auto count = static_cast<int>(Ask(control, CB_GETCOUNT));
    std::string items;
    for (int i = 0; i < count; ++i) {
      const auto length = static_cast<std::size_t>(Ask(control, CB_GETLBTEXTLEN, i));
      std::wstring item(length + 1, L'\0');
      Ask(control, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
      item.resize(length);
      items += (i ? "|" : "") + Escaped(Utf8(item));
    }
    return "selected=" + std::to_string(selected) + " items=" + items;
  }
  if (kind == "msctls_progress32") {
    return "position=" + std::to_string(Ask(control, PBM_GETPOS)) +
           " maximum=" + std::to_string(Ask(control, PBM_GETRANGE, FALSE, 0));
  }
  if (kind == "edit") {
    return "limit=" + std::to_string(Ask(control, EM_GETLIMITTEXT));
  }
  return "-";
}

void PrintToolbar(HWND toolbar) {
  for (const taviron::ToolButtonDesign& design : taviron::kToolbar) {
    const WPARAM id = static_cast<WPARAM>(taviron::CommandId(design.command));
    const LRESULT state = Ask(toolbar, TB_GETSTATE, id);
    const auto position = static_cast<int>(Ask(toolbar, TB_GETBITMAP, id));
    const int image = position >= 0 && position < static_cast<int>(std::size(taviron::kToolImages))
                          ? taviron::kToolImages[position]
                          : -1;
    const LRESULT size = Ask(toolbar, TB_GETBUTTONSIZE);
    std::printf("B\tToolButton%d\t%s\t%d\t%d %d\n", design.number,
                (state & TBSTATE_ENABLED) ? "e" : "-", image, LOWORD(size), HIWORD(size));
  }
}

struct Found {
  Target target;
  std::vector<HWND> windows;
};

BOOL CALLBACK Collect(HWND window, LPARAM lParam) {
  auto* found = reinterpret_cast<Found*>(lParam);
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  if (Name(window) != "-") {
    found->target.process = process;
    found->target.thread = ::GetWindowThreadProcessId(window, nullptr);
  }
  found->windows.push_back(window);
  return TRUE;
}

BOOL CALLBACK PrintControl(HWND control, LPARAM lParam) {
  const auto* target = reinterpret_cast<const Target*>(lParam);
  std::printf("C\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n", Name(control).c_str(), ClassOf(control).c_str(),
              TextOf(control).c_str(), Flags(control, *target).c_str(), Place(control).c_str(),
              LabelOf(control).c_str(), Extra(control).c_str());
  if (ClassOf(control) == "toolbarwindow32") PrintToolbar(control);
  return TRUE;
}

void Look(const std::string& end) {
  Found found;
  ::EnumWindows(&Collect, reinterpret_cast<LPARAM>(&found));
  if (found.target.process == 0) {
    std::printf("%s\n", end.c_str());
    return;
  }
  found.target.gui.cbSize = sizeof found.target.gui;
  ::GetGUIThreadInfo(found.target.thread, &found.target.gui);
  for (HWND window : found.windows) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process != found.target.process || !::IsWindowVisible(window)) continue;
    std::printf("W\t%s\t%s\t%s\t%s\t%s\n", Name(window).c_str(), ClassOf(window).c_str(),
                TextOf(window).c_str(), Flags(window, found.target).c_str(), Place(window).c_str());
    ::EnumChildWindows(window, &PrintControl, reinterpret_cast<LPARAM>(&found.target));
  }
  std::printf("%s\n", end.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || std::strcmp(argv[1], "--serve") != 0) {
    Look("end");
    return 0;
  }
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("look ", 0) != 0) continue;
    Look("end " + line.substr(5));
    std::fflush(stdout);
  }
  return 0;
}
