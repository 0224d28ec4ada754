// Each program and its manual page name the version of the build.
#include <gtest/gtest.h>

#include <string>

#include "base/Version.h"
#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

namespace taviron::test {
namespace {

TEST(VersionIntegrationTest, EveryProgramAndPageSaysTheBuildsVersion) {
  const std::string version(ProgramVersion());
  for (const char* program : {"taviron", "taviron-cli", "taviron-switchsim"}) {
    SCOPED_TRACE(program);
    Process run({BinaryPath(program).string(), "--version"});
    EXPECT_EQ(run.ReadLine(10000).value_or("(nothing)"), std::string(program) + " " + version);
    EXPECT_EQ(run.ReadLine(10000), std::nullopt);
    EXPECT_EQ(run.Wait(10000), 0);
    const std::string page = ReadFile(BinaryPath(std::string(program) + ".1"));
    EXPECT_NE(page.find("\"TAVIRON " + version + "\""), std::string::npos);
  }
}

}  // namespace
}  // namespace taviron::test
