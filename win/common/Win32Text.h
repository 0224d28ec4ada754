#pragma once

#include <string>
#include <string_view>

namespace taviron {

// The core's texts are UTF-8; the windows take UTF-16. A line break stays CR LF, as a static
// control shows it.
std::wstring Wide(std::string_view utf8);
// What the operator typed, for the core.
std::string Utf8(std::wstring_view text);

// Paths travel through the core as the C library opens them, in the process's code page (UTF-8
// where the system honours the program's manifest, the ANSI code page otherwise).
std::string SystemPath(std::wstring_view path);
std::wstring WidePath(std::string_view path);

}  // namespace taviron
