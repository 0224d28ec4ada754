#include "win/common/ControlNames.h"

namespace taviron {
namespace {

constexpr const wchar_t* kNameProperty = L"TavironName";

struct Search {
  std::string_view name;
  HWND found = nullptr;
};

BOOL CALLBACK Match(HWND child, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  if (ControlName(child) != search->name) return TRUE;
  search->found = child;
  return FALSE;
}

}  // namespace

void SetControlName(HWND window, std::string_view name) {
  // A global atom, so that the name can be read from outside the process.
  std::wstring wide(name.begin(), name.end());
  ATOM atom = ::GlobalAddAtomW(wide.c_str());
  ::SetPropW(window, kNameProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(atom)));
}

std::string ControlName(HWND window) {
  auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(::GetPropW(window, kNameProperty)));
  if (atom == 0) return {};
  wchar_t name[64] = {};
  UINT length = ::GlobalGetAtomNameW(atom, name, 64);
  return std::string(name, name + length);
}

void ForgetControlName(HWND window) {
  auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(::RemovePropW(window, kNameProperty)));
  if (atom != 0) ::GlobalDeleteAtom(atom);
}

HWND FindControl(HWND parent, std::string_view name) {
  Search search{name};
  ::EnumChildWindows(parent, &Match, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace taviron
