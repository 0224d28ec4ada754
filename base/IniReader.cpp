#include "base/IniReader.h"

#include <algorithm>

namespace taviron {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && IsBlank(s.front()))
    s.remove_prefix(1);
  return s;
}

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && IsBlank(s.back()))
    s.remove_suffix(1);
  return s;
}

// Where the first of the characters stands, or a comment that a ';' after a blank starts;
// the text's end when neither does.
std::size_t FindCharsOrComment(std::string_view s, std::string_view chars) {
  bool afterBlank = false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (chars.find(s[i]) != std::string_view::npos) return i;
    if (afterBlank && s[i] == ';') return i;
    afterBlank = IsBlank(s[i]);
  }
  return s.size();
}

// The value without a trailing comment and without surrounding blanks.
std::string_view CleanValue(std::string_view value) {
  return TrimRight(TrimLeft(value.substr(0, FindCharsOrComment(value, {}))));
}

}  // namespace

bool SameIniName(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return lower(x) == lower(y); });
}

std::vector<IniEntry> ReadIni(std::string_view text) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  std::vector<IniEntry> entries;
  std::string section;
  std::string previousName;  // the key an indented line continues; none after a section line
  bool firstLine = true;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    // The text of a line ends at a NUL byte, as it always has for this file.
    line = line.substr(0, line.find('\0'));
    if (firstLine && line.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
      line.remove_prefix(kByteOrderMark.size());
    }
    firstLine = false;
    std::string_view content = TrimLeft(TrimRight(line));
    const bool indented = content.data() != line.data();
    if (content.empty() || content.front() == ';' || content.front() == '#') continue;
    if (!previousName.empty() && indented) {
      entries.push_back({section, previousName, std::string(CleanValue(content))});
    } else if (content.front() == '[') {
      std::size_t close = FindCharsOrComment(content.substr(1), "]");
      if (close < content.size() - 1 && content[1 + close] == ']') {
        section = std::string(content.substr(1, close));
        previousName.clear();
      }
    } else {
      std::size_t separator = FindCharsOrComment(content, "=:");
      if (separator < content.size() && (content[separator] == '=' || content[separator] == ':')) {
        std::string name(TrimRight(content.substr(0, separator)));
        entries.push_back({section, name, std::string(CleanValue(content.substr(separator + 1)))});
        previousName = std::move(name);
      }
    }
  }
  return entries;
}

}  // namespace taviron
