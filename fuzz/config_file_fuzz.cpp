// libFuzzer: the configuration file reader over arbitrary bytes. Reading, checking and the file
// text of what was read must never crash, overflow or loop.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/ConfigFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view file(reinterpret_cast<const char*>(data), size);
  std::string config;
  std::string line;
  int lines = 0;
  while (taviron::ReadConfigLine(file, line)) {
    if (line.size() > 255) __builtin_trap();
    char code = 0;
    if (taviron::ParseConfigLine(line, code) == taviron::ConfigLine::kValue) {
      if (code < '1' || code > '6') __builtin_trap();
      config += code;
    }
    if (++lines > static_cast<int>(size) + 1) __builtin_trap();  // every line consumes input
  }
  std::string text = taviron::ConfigFileText(config);
  (void)taviron::WithTxtExtension(std::string(reinterpret_cast<const char*>(data), size));
  return text.empty() ? 1 : 0;
}
