#pragma once

#include <string_view>

namespace taviron {

// A password goes to the switch as one line: a line end, a tab or any other control character
// in it would end that line early or send the rest as a command of its own. Such a password is
// refused before anything is sent.
bool HoldsControlCharacters(std::string_view password);

// What the operator is told when a typed password is refused for them.
inline constexpr std::string_view kControlCharactersRefused =
    "A password cannot hold control characters such as a line end or a tab.";

}  // namespace taviron
