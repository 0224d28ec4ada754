#include "tests/support/ProgramRun.h"

namespace taviron::test {

ProgramRun::ProgramRun(const std::string& com1Device) : device_(com1Device) {
  std::filesystem::copy_file(BinaryPath("taviron"), dir_ / "taviron");
  // A screen of a common size, on which the window's default place lies wholly.
  WriteFile(dir_ / "screen.json",
            R"({"screens":[{"name":"screen","x":0,"y":0,"width":1024,"height":768,)"
            R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
}

std::unique_ptr<Process> ProgramRun::Start(const std::map<std::string, std::string>& extraEnv,
                                           const std::vector<std::string>& args) {
  std::map<std::string, std::string> env{
      {"TAVIRON_COM1", device_},
      {"QT_QPA_PLATFORM", "offscreen:configfile=" + (dir_ / "screen.json").string()},
      {"XDG_RUNTIME_DIR", dir_.path().string()},
  };
  for (const auto& [k, v] : extraEnv)
    env[k] = v;
  std::vector<std::string> argv{(dir_ / "taviron").string()};
  argv.insert(argv.end(), args.begin(), args.end());
  return std::make_unique<Process>(argv, env, dir_.path());
}

}  // namespace taviron::test
