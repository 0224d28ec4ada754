#include "cli/TerminalText.h"

#include "base/EscapedText.h"

namespace taviron::cli {

std::string Printable(std::string_view text) {
  return EscapedText(text);
}

std::string PrintableName(std::string_view text) {
  return EscapedText(text, false);
}

}  // namespace taviron::cli
