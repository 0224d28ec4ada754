#include "win/common/Win32Text.h"

#include <windows.h>

#include <optional>

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

namespace {

// The path in the ANSI code page, or none when a character of it has no place there.
std::optional<std::string> InCodePage(std::wstring_view path) {
  if (::GetACP() == CP_UTF8) return FromWide(CP_UTF8, path);
  BOOL lossy = FALSE;
  int length = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.data(),
                                     static_cast<int>(path.size()), nullptr, 0, nullptr, &lossy);
  if (lossy) return std::nullopt;
  std::string narrow(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.data(), static_cast<int>(path.size()),
                        narrow.data(), length, nullptr, nullptr);
  return narrow;
}

std::wstring ShortPath(const std::wstring& path) {
  std::wstring shortened(32768, L'\0');
  DWORD length =
      ::GetShortPathNameW(path.c_str(), shortened.data(), static_cast<DWORD>(shortened.size()));
  if (length == 0 || length >= shortened.size()) return path;
  shortened.resize(length);
  return shortened;
}

}  // namespace

std::string SystemPath(std::wstring_view path) {
  if (std::optional<std::string> narrow = InCodePage(path)) return *narrow;
  // A name the code page cannot write is reached by its short form: the file's, or its
  // folder's for a file still to be made.
  std::wstring whole(path);
  std::wstring shortened = ShortPath(whole);
  if (shortened == whole) {
    const std::size_t slash = whole.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
      shortened = ShortPath(whole.substr(0, slash)) + whole.substr(slash);
  }
  return InCodePage(shortened).value_or(FromWide(CP_ACP, shortened));
}

std::wstring WidePath(std::string_view path) {
  return ToWide(CP_ACP, path);
}

}  // namespace taviron
