#include "tests/support/ProgramRun.h"

namespace taviron::test {

ProgramRun::ProgramRun(const std::string& com1Device) : device_(com1Device) {
  std::filesystem::copy_file(BinaryPath("taviron"), dir_ / "taviron");
}

std::unique_ptr<Process> ProgramRun::Start(const std::map<std::string, std::string>& extraEnv) {
  std::map<std::string, std::string> env{
      {"TAVIRON_COM1", device_},
      {"QT_QPA_PLATFORM", "offscreen"},
      {"XDG_RUNTIME_DIR", dir_.path().string()},
  };
  for (const auto& [k, v] : extraEnv)
    env[k] = v;
  return std::make_unique<Process>(std::vector<std::string>{(dir_ / "taviron").string()}, env,
                                   dir_.path());
}

}  // namespace taviron::test
