// SWITCH.INI of arbitrary bytes: the INI reader and the settings read from it. Every key is
// given without its blanks and comment, and settings written and read back are the same.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include <unistd.h>

#include "base/IniReader.h"
#include "base/Settings.h"
#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzRig.h"

namespace {

using namespace taviron;

const std::filesystem::path& Path() {
  static const std::filesystem::path path =
      std::filesystem::temp_directory_path() /
      ("taviron-settings-fuzz-" + std::to_string(::getpid()) + ".ini");
  return path;
}

void Write(std::string_view text) {
  std::FILE* f = std::fopen(Path().c_str(), "wb");
  if (f == nullptr) return;
  std::fwrite(text.data(), 1, text.size(), f);
  std::fclose(f);
}

bool Blank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

void CheckEntries(std::string_view text) {
  for (const IniEntry& e : ReadIni(text)) {
    for (const std::string* s : {&e.section, &e.name, &e.value}) {
      FUZZ_CHECK(s->find('\n') == std::string::npos && s->find('\0') == std::string::npos);
    }
    FUZZ_CHECK(e.value.empty() || (!Blank(e.value.front()) && !Blank(e.value.back())));
    FUZZ_CHECK(e.name.empty() || !Blank(e.name.back()));
    FUZZ_CHECK(e.value.find(" ;") == std::string::npos && e.value.find("\t;") == std::string::npos);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 4096) return -1;
  const std::string_view text = fuzz::AsText(data, size);
  CheckEntries(text);

  Write(text);
  const Settings read = LoadSettings(Path());
  // Written as the program writes it at shutdown, the file gives the same settings back.
  const std::string written = SettingsText(read);
  FUZZ_CHECK(ReadIni(written).size() == 6);
  Write(written);
  FUZZ_CHECK(LoadSettings(Path()) == read);
  // And a key repeated after the file's own keys wins, as the last one does.
  Write(std::string(text) + "\n[Serial]\nPort=3\n");
  FUZZ_CHECK(LoadSettings(Path()).comPortIndex == 3);
  return 0;
}
