#include "win/common/Win32Text.h"

#include <windows.h>

namespace taviron {
namespace {

std::wstring ToWide(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  int length =
      ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        length);
  return wide;
}

std::string FromWide(UINT codePage, std::wstring_view text) {
  if (text.empty()) return {};
  int length = ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()),
                                     nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), narrow.data(),
                        length, nullptr, nullptr);
  return narrow;
}

}  // namespace

std::wstring Wide(std::string_view utf8) {
  return ToWide(CP_UTF8, utf8);
}

std::string Utf8(std::wstring_view text) {
  return FromWide(CP_UTF8, text);
}

std::string SystemPath(std::wstring_view path) {
  return FromWide(CP_ACP, path);
}

std::wstring WidePath(std::string_view path) {
  return ToWide(CP_ACP, path);
}

}  // namespace taviron
