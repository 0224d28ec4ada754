#pragma once

#include <string_view>

namespace taviron {

// A password goes to the switch as one line of ASCII: a line end, a tab or any other control
// character in it would end that line early or send the rest as a command of its own, and a
// character outside ASCII arrives as bytes the switch never matches. Such a password is refused
// before anything is sent.
bool HoldsUnsendableCharacters(std::string_view password);

// What the operator is told when a typed password is refused for them.
inline constexpr std::string_view kUnsendableCharactersRefused =
    "A password can hold only ASCII letters, digits, punctuation and spaces: no accented or "
    "other characters, line ends or tabs.";

}  // namespace taviron
