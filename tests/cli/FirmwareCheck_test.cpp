#include "cli/FirmwareCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "cli/Tool.h"
#include "sim/ModelPort.h"
#include "tests/support/HexImage.h"
#include "tests/support/TempDir.h"

namespace taviron::test {
namespace {

struct FileCase {
  std::string file;
  std::uint32_t refusal;
  int line;
};

TEST(FirmwareCheckTest, EveryFixtureGetsItsCode) {
  const FileCase cases[] = {
      {BuiltFixture("walk.hex").string(), 0, 0},
      {BuiltFixture("linear-crlf.hex").string(), 0, 0},
      {BuiltFixture("linear-lower-crlf.hex").string(), 0, 0},
      {BuiltFixture("records26.hex").string(), 0, 0},
      {BuiltFixture("blank-lines.hex").string(), 0, 0},
      {SourceFixture("no-record-mark.hex").string(), 10230680, 0},
      {SourceFixture("bad-hex-digit.hex").string(), 10230681, 0},
      {SourceFixture("one-digit-short.hex").string(), 10230682, 0},
      {SourceFixture("bad-checksum.hex").string(), 10230683, 0},
      {SourceFixture("record-type-6.hex").string(), 10230617, 2},
      {SourceFixture("address-0010.hex").string(), 10230618, 2},
      {"/no/such/file.hex", 10230610, 0},
  };
  for (const FileCase& c : cases) {
    cli::FirmwareFileReport report = cli::CheckFirmwareFile(c.file);
    EXPECT_EQ(report.refusal ? report.refusal->code : 0, c.refusal) << c.file;
    EXPECT_EQ(report.refusedLine, c.line) << c.file;
  }
}

TEST(FirmwareCheckTest, CountsWhatTheUploadWouldSend) {
  std::string file = BuiltFixture("linear-crlf.hex").string();
  cli::FirmwareFileReport report = cli::CheckFirmwareFile(file);
  FirmwareImage image = ImageOfHexFile(file);
  EXPECT_EQ(report.dataBytes, static_cast<long>(image.size()));
  EXPECT_EQ(report.lowest, image.begin()->first);
  EXPECT_EQ(report.highest, image.rbegin()->first);
  EXPECT_GT(report.lowest, 0xFFFFu);  // the extended linear address counts
  EXPECT_TRUE(report.endRecord);
}

TEST(FirmwareCheckTest, TheToolPrintsTheReportAndTheRefusal) {
  TempDir dir;
  sim::VirtualClock clock;
  sim::SwitchModel model;
  sim::ModelPort port{model, clock};
  std::ostringstream out, err;
  cli::Tool tool(port, clock, cli::ToolOptions{}, out, err);
  EXPECT_EQ(tool.FirmwareCheck(SourceFixture("address-0010.hex").string()), 3);
  EXPECT_EQ(err.str(), "10230618 Record address Error (line 2)\n");
  EXPECT_TRUE(model.Lines().empty());  // no switch needed
  std::ostringstream out2, err2;
  cli::Tool again(port, clock, cli::ToolOptions{}, out2, err2);
  EXPECT_EQ(again.FirmwareCheck(SourceFixture("bad-checksum.hex").string()), 3);
  EXPECT_EQ(err2.str(), "10230683 File format error.\n");
}

TEST(FirmwareUploadToolTest, UploadsWithProgressLinesAndReconnects) {
  TempDir dir;
  sim::VirtualClock clock;
  sim::SwitchModel model;
  sim::ModelPort port{model, clock};
  std::ostringstream out, err;
  cli::ToolOptions options;
  options.maintenancePassword = "qorplemt";
  options.settingsDirectory = dir.path();
  cli::Tool tool(port, clock, options, out, err);
  std::string file = BuiltFixture("walk.hex").string();
  EXPECT_EQ(tool.FirmwareUpload(file), 0);
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(model.loader.image, ImageOfHexFile(file));
  std::string progress = out.str();
  EXPECT_EQ(progress.rfind("00% 0:00\nFirmware Upgrading......\n", 0), 0u) << progress;
  EXPECT_NE(progress.find("Firmware Upgrade:Restoration was completed.\n"), std::string::npos);
  // The share counts the file's own records: it rises in steps to 100 and never beyond.
  std::vector<int> shares;
  std::istringstream lines(progress);
  for (std::string line; std::getline(lines, line);) {
    if (line.find("% ") != std::string::npos) shares.push_back(std::stoi(line));
  }
  EXPECT_GT(shares.size(), 10u) << progress;
  EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end())) << progress;
  EXPECT_EQ(shares.back(), 100) << progress;
  EXPECT_EQ(model.Restarts(), 1);  // the loader left, the switch came back
}

}  // namespace
}  // namespace taviron::test
