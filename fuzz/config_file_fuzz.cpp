// libFuzzer: the configuration file reader over arbitrary bytes. Reading, checking and the file
// text of what was read must never crash, overflow or loop.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "config/ConfigFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::FILE* file = ::fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
  if (file == nullptr) return 0;
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
  std::fclose(file);
  std::string text = taviron::ConfigFileText(config);
  (void)taviron::WithTxtExtension(std::string(reinterpret_cast<const char*>(data), size));
  return text.empty() ? 1 : 0;
}
