#include "config/ConfigFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/Harness.h"
#include "tests/support/ReplaceBlocker.h"

namespace taviron::test {
namespace {

TEST(ConfigFileNameTest, TheFileNameGetsTheTxtExtension) {
  struct Case {
    const char* chosen;
    const char* written;
  } cases[] = {
      {"/home/op/ports", "/home/op/ports.txt"},
      {"/home/op/ports.cfg", "/home/op/ports.txt"},
      {"/home/op/a.b.txt", "/home/op/a.txt"},
      {"/home/op/ports.txt", "/home/op/ports.txt"},
      {"/home/op.d/ports", "/home/op.d/ports.txt"},
      {"/home/op.d/ports.x", "/home/op.d/ports.txt"},
      {"C:\\site.1\\ports", "C:\\site.1\\ports.txt"},
      {"ports", "ports.txt"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(WithTxtExtension(c.chosen), c.written) << c.chosen;
}

class ConfigFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.EnableLog();
    h.Connect();
  }
  std::vector<std::string> PortCommands() const {
    std::vector<std::string> out;
    for (const std::string& w : h.Written()) {
      if (w.rfind("ps ", 0) == 0) out.push_back(w);
    }
    return out;
  }
  bool Refreshed() const {
    for (const std::string& w : h.Written()) {
      if (w == "pg 8\r\n") return true;
    }
    return false;
  }
  Harness h;
};

TEST_F(ConfigFileTest, SavesEightyBytesOfCrCrLfLines) {
  h.c.monitor.status.PortConfig = "55554666";
  SaveConfigFile(h.c.exchange, h.c.monitor, (h.dir / "site").string());
  std::string bytes = ReadFile(h.dir / "site.txt");
  EXPECT_EQ(bytes,
            "port1=5\r\r\nport2=5\r\r\nport3=5\r\r\nport4=5\r\r\nport5=4\r\r\nport6=6\r\r\n"
            "port7=6\r\r\nport8=6\r\r\n");
  EXPECT_EQ(bytes.size(), 80u);
  EXPECT_TRUE(h.frontend.boxes.empty());
  EXPECT_FALSE(std::filesystem::exists(h.dir / "site.txt.new"));
}

TEST_F(ConfigFileTest, SavingIntoAFolderWithADot) {
  std::filesystem::create_directory(h.dir / "site.2");
  h.c.monitor.status.PortConfig = "11111111";
  SaveConfigFile(h.c.exchange, h.c.monitor, (h.dir / "site.2" / "ports").string());
  EXPECT_TRUE(std::filesystem::exists(h.dir / "site.2" / "ports.txt"));
}

TEST_F(ConfigFileTest, AFileUnderTheSavedNameIsReplacedOnlyOnYes) {
  h.c.monitor.status.PortConfig = "11111111";
  for (bool yes : {false, true}) {
    WriteFile(h.dir / "site.txt", "earlier");
    h.frontend.questions.clear();
    h.frontend.answerYes = yes;
    SaveConfigFile(h.c.exchange, h.c.monitor, (h.dir / "site.conf").string());
    ASSERT_EQ(h.frontend.questions.size(), 1u) << yes;
    EXPECT_EQ(h.frontend.questions[0].text,
              (h.dir / "site.txt").string() + " already exists.\r\nDo you want to replace it?");
    EXPECT_EQ(ReadFile(h.dir / "site.txt"), yes ? ConfigFileText("11111111") : "earlier") << yes;
  }
  // A new name asks nothing.
  h.frontend.questions.clear();
  SaveConfigFile(h.c.exchange, h.c.monitor, (h.dir / "new").string());
  EXPECT_TRUE(h.frontend.questions.empty());
  EXPECT_TRUE(h.frontend.boxes.empty());
}

TEST_F(ConfigFileTest, AFailedSaveKeepsTheEarlierFileAndSaysSo) {
  WriteFile(h.dir / "ports.txt", "earlier");
  ReplaceBlocker blocker(h.dir / "ports.txt");
  SaveConfigFile(h.c.exchange, h.c.monitor, (h.dir / "ports.txt").string());
  EXPECT_EQ(ReadFile(h.dir / "ports.txt"), "earlier");
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  // The system's reason follows a blank line.
  const std::string& box = h.frontend.boxes[0].text;
  const std::string told = "Failed to save the file.\r\n\r\n" + (h.dir / "ports.txt").string() +
                           " could not be written: ";
  EXPECT_EQ(box.substr(0, told.size()), told);
  EXPECT_GT(box.size(), told.size() + 1);
  EXPECT_EQ(h.frontend.boxes[0].caption, "File Saving Error");
  EXPECT_EQ(h.LogEntries().substr(21), "10110133   Failed to save the configuration file.\r\n");
}

TEST_F(ConfigFileTest, SaveThenLoadSendsWhatTheSwitchReported) {
  h.model.state.portModes = "01235665";
  h.model.Receive("pg 8\r", 0);
  h.model.TakeDue(100000);
  h.c.monitor.status.PortConfig = "12345665";
  SaveConfigFile(h.c.exchange, h.c.monitor, (h.dir / "ports").string());
  h.model.state.portModes = "55555555";
  LoadConfigFile(h.c.exchange, h.c.monitor, (h.dir / "ports.txt").string());
  EXPECT_EQ(PortCommands(),
            (std::vector<std::string>{"ps 0 0\r\n", "ps 1 1\r\n", "ps 2 2\r\n", "ps 3 3\r\n",
                                      "ps 4 5\r\n", "ps 5 6\r\n", "ps 6 6\r\n", "ps 7 5\r\n"}));
  EXPECT_EQ(h.model.state.portModes, "01235665");
  EXPECT_TRUE(h.frontend.boxes.empty());
  EXPECT_EQ(h.LogEntries(), "");
  EXPECT_TRUE(Refreshed());
  EXPECT_EQ(h.c.monitor.portSelection, (std::array<int, 8>{0, 1, 2, 3, 4, 5, 5, 4}));
}

struct LoadCase {
  const char* name;
  std::string file;
  std::uint32_t code;  // 0: loads and sends
};

class ConfigFileLoadTest : public ConfigFileTest, public ::testing::WithParamInterface<LoadCase> {};

std::string Lines(const std::string& values, const std::string& end) {
  std::string text;
  for (std::size_t i = 0; i < values.size(); ++i) {
    text += "port" + std::to_string(i + 1) + "=" + values[i] + end;
  }
  return text;
}

TEST_P(ConfigFileLoadTest, ChecksEveryLine) {
  WriteFile(h.dir / "load.txt", GetParam().file);
  LoadConfigFile(h.c.exchange, h.c.monitor, (h.dir / "load.txt").string());
  EXPECT_TRUE(Refreshed());
  if (GetParam().code == 0) {
    EXPECT_EQ(PortCommands().size(), 8u);
    EXPECT_TRUE(h.frontend.boxes.empty());
    EXPECT_EQ(h.LogEntries(), "");
    return;
  }
  EXPECT_TRUE(PortCommands().empty());
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  EXPECT_EQ(h.frontend.boxes[0].text, "Configuration file is incorrect.");
  EXPECT_EQ(h.frontend.boxes[0].caption, "Configuration Error");
  EXPECT_EQ(h.LogEntries().substr(21),
            std::to_string(GetParam().code) + "   Configuration file is incorrect.\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Files, ConfigFileLoadTest,
    ::testing::Values(
        LoadCase{"cr cr lf", Lines("12345656", "\r\r\n"), 0},
        LoadCase{"cr lf", Lines("12345656", "\r\n"), 0}, LoadCase{"lf", Lines("12345656", "\n"), 0},
        LoadCase{"no final line end", Lines("1234565", "\n") + "port8=6", 0},
        LoadCase{"any key", "a=1\n=2\nport9=3\nx y z=4\nport1=5\n?=6\n\x01=5\nkey=5\n", 0},
        LoadCase{"5x is 5", Lines("1234565", "\n") + "port8=5x\n", 0},
        LoadCase{"end of file byte", Lines("12345656", "\n") + "\x1Agarbage\n", 0},
        LoadCase{"05", "port1=05\n" + Lines("2345656", "\n"), 10110130},
        LoadCase{"+5", "port1=+5\n", 10110130}, LoadCase{"blank before 5", "port1= 5\n", 10110130},
        LoadCase{"12", "port1=12\n", 10110130}, LoadCase{"7", "port1=7\n", 10110130},
        LoadCase{"0", "port1=0\n", 10110130},
        LoadCase{"F as saved without a configuration", Lines("FFFFFFFF", "\r\r\n"), 10110130},
        LoadCase{"no equals", "port1:5\n", 10110129},
        LoadCase{"empty line", Lines("1234", "\n") + "\n" + Lines("5656", "\n"), 10110129},
        LoadCase{"trailing empty line", Lines("12345656", "\n") + "\n", 10110129},
        LoadCase{"seven lines", Lines("1234565", "\n"), 10110131},
        LoadCase{"nine lines", Lines("123456561", "\n"), 10110131},
        LoadCase{"bad ninth line", Lines("12345656", "\n") + "port9=9\n", 10110130},
        LoadCase{"end of file byte too early", Lines("1234", "\n") + "\x1A" + Lines("5656", "\n"),
                 10110131},
        LoadCase{"empty file", "", 10110131},
        LoadCase{"a line longer than 255 characters", "port1=5" + std::string(300, 'x') + "\n",
                 10110129}),
    [](const auto& info) { return CaseName(info.param.name); });

TEST_F(ConfigFileTest, ALineOfExactly255CharactersIsOneLine) {
  std::string file = "port1=5" + std::string(248, 'x') + "\n" + Lines("2345656", "\n").substr(0);
  ASSERT_EQ(file.find('\n'), 255u);
  WriteFile(h.dir / "long.txt", file);
  LoadConfigFile(h.c.exchange, h.c.monitor, (h.dir / "long.txt").string());
  EXPECT_EQ(PortCommands().size(), 8u);
}

TEST_F(ConfigFileTest, NineGoodLinesPreselectTheFirstEightAndSendNothing) {
  WriteFile(h.dir / "nine.txt", Lines("654321123", "\n"));
  h.model.faults.only = "pg";
  h.model.faults.silent = true;  // the closing refresh cannot read the ports back
  LoadConfigFile(h.c.exchange, h.c.monitor, (h.dir / "nine.txt").string());
  EXPECT_EQ(h.c.monitor.portSelection, (std::array<int, 8>{5, 4, 3, 2, 1, 0, 0, 1}));
  EXPECT_TRUE(PortCommands().empty());
}

TEST_F(ConfigFileTest, AFileThatCannotBeOpenedIsReportedWithoutRefresh) {
  LoadConfigFile(h.c.exchange, h.c.monitor, (h.dir / "missing.txt").string());
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  EXPECT_EQ(h.frontend.boxes[0].text, "Failed to open the file.");
  EXPECT_EQ(h.frontend.boxes[0].caption, "File Open Error");
  EXPECT_EQ(h.LogEntries().substr(21), "10110128   Failed to open the Configration file.\r\n");
  EXPECT_TRUE(h.Written().empty());
}

TEST_F(ConfigFileTest, ARefusalWhileSendingIsReportedAndRefreshed) {
  WriteFile(h.dir / "ok.txt", Lines("12345656", "\n"));
  h.model.faults.only = "ps";
  h.model.faults.refuse = true;
  LoadConfigFile(h.c.exchange, h.c.monitor, (h.dir / "ok.txt").string());
  EXPECT_EQ(PortCommands().size(), 8u);
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  EXPECT_EQ(h.frontend.boxes[0].text, "Failed to set the configuration.");
  EXPECT_EQ(h.frontend.boxes[0].caption, "Configuration Error");
  EXPECT_EQ(h.LogEntries().substr(21), "10230132   Setting Configuration Failure\r\n");
  EXPECT_TRUE(Refreshed());
  EXPECT_EQ(h.c.monitor.status.PortConfig, "55555555");  // back in step with the switch
}

TEST_F(ConfigFileTest, TheCommandsAskForTheFileWithTheirFilter) {
  h.frontend.fileToSave = (h.dir / "asked").string();
  h.c.monitor.status.PortConfig = "55555555";
  FileSaveCommand(h.c.exchange, h.c.monitor);
  EXPECT_TRUE(std::filesystem::exists(h.dir / "asked.txt"));
  h.frontend.fileToOpen = "";  // cancelled
  FileOpenCommand(h.c.exchange, h.c.monitor);
  EXPECT_TRUE(PortCommands().empty());
  ASSERT_EQ(h.frontend.fileFilters.size(), 2u);
  EXPECT_EQ(h.frontend.fileFilters[0], "テキストファイル(*.txt)|*.txt|すべてのファイル(*.*)|*.*");
}

}  // namespace
}  // namespace taviron::test
