#include "base/PasswordText.h"

#include <algorithm>

namespace taviron {

bool HoldsUnsendableCharacters(std::string_view password) {
  return std::any_of(password.begin(), password.end(), [](char ch) {
    unsigned char u = static_cast<unsigned char>(ch);
    return u < 0x20 || u >= 0x7F;  // printable ASCII runs from the space to the tilde
  });
}

}  // namespace taviron
