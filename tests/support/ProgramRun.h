#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

namespace taviron::test {

// The program, copied into a directory of its own (its settings and log lie beside it), run
// offscreen with COM1 pointed at a device.
class ProgramRun {
 public:
  explicit ProgramRun(const std::string& com1Device);
  // Starts a copy of the program; more than one may be started.
  std::unique_ptr<Process> Start(const std::map<std::string, std::string>& extraEnv = {},
                                 const std::vector<std::string>& args = {});
  const std::filesystem::path& directory() const { return dir_.path(); }
  std::string Settings() const { return ReadFile(dir_ / "SWITCH.INI"); }
  std::string Log() const { return ReadFile(dir_ / "LOG.TXT"); }
  void WriteSettings(const std::string& text) { WriteFile(dir_ / "SWITCH.INI", text); }

 private:
  TempDir dir_;
  std::string device_;
};

}  // namespace taviron::test
