// The window program's trace file: every byte on the wire appended, a line per transfer.
#include "base/TraceFile.h"

#include <gtest/gtest.h>

#include "base/TracedSerialPort.h"
#include "sim/ModelPort.h"
#include "tests/support/TempDir.h"

namespace taviron::test {
namespace {

TEST(TraceFileTest, AppendsEveryTransfer) {
  TempDir dir;
  WriteFile(dir / "trace.txt", "earlier run\n");
  sim::VirtualClock clock;
  sim::SwitchModel model;
  sim::ModelPort inner(model, clock);
  {
    TraceFile file;
    ASSERT_TRUE(file.Open(dir / "trace.txt"));
    TracedSerialPort port(inner, file.stream());
    ASSERT_TRUE(port.Open("COM1"));
    const std::uint8_t probe[] = {'\x02'};
    std::uint32_t done = 0;
    ASSERT_TRUE(port.Write(probe, 1, done));
  }
  // Held while open (Windows shares it with no one): read once it is let go.
  const std::string text = ReadFile(dir / "trace.txt");
  ASSERT_EQ(text.substr(0, 12), "earlier run\n");
  EXPECT_NE(text.find(" ms = open COM1\n"), std::string::npos) << text;
  EXPECT_EQ(text.substr(text.size() - 8), " > \\x02\n") << text;
}

}  // namespace
}  // namespace taviron::test
