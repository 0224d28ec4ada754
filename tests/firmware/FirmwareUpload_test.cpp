#include "firmware/FirmwareUpload.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/Descriptors.h"
#include "tests/support/Harness.h"
#include "tests/support/HexImage.h"

namespace taviron::test {
namespace {

using sim::PortEvent;

constexpr std::string_view kCompletedLog = "Firmware Upgrade:Restoration was completed.\r\n";

// The texts of a file's records as the loader must receive them: data records with CR LF,
// every other record bare. Blank lines carry nothing.
std::vector<std::string> RecordsAsSent(const std::filesystem::path& path) {
  std::vector<std::string> sent;
  std::ifstream in(path, std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    sent.push_back(line.substr(7, 2) == "00" ? line + "\r\n" : line);
  }
  return sent;
}

// Acts whenever the program writes exactly these bytes (every attempt of a retried write too).
void AtWrite(Harness& h, std::string bytes, std::function<void(Harness&)> action) {
  h.port.onWrite = [&h, bytes = std::move(bytes),
                    action = std::move(action)](const std::string& written) {
    if (written == bytes) action(h);
  };
}
void FailWritesOf(Harness& h, std::string bytes) {
  AtWrite(h, std::move(bytes), [](Harness& h) { h.port.failWrites = 1; });
}
void LoaderSilentFrom(Harness& h, std::string bytes) {
  AtWrite(h, std::move(bytes), [](Harness& h) {
    h.model.faults.only = "loader";
    h.model.faults.silent = true;
  });
}
void LoaderGarbledFrom(Harness& h, std::string bytes) {
  AtWrite(h, std::move(bytes), [](Harness& h) {
    h.model.faults.only = "loader";
    h.model.faults.garbled = true;
  });
}
void Choose(Harness& h, const std::filesystem::path& path) {
  FwUpdateOpenFile(h.c.exchange, h.c.fwUpdate, path.string());
}
// The chosen file is replaced after the whole-file check has passed it.
void SpoiledAfterTheCheck(Harness& h, const std::string& spoiled) {
  std::filesystem::path copy = h.dir / "changing.hex";
  std::filesystem::copy_file(BuiltFixture("walk.hex"), copy);
  Choose(h, copy);
  AtWrite(h, "fupm\r\n",
          [copy, spoiled](Harness&) { WriteFile(copy, ReadFile(SourceFixture(spoiled))); });
}

class UploadTest : public ::testing::Test {
 public:
  void SetUp() override {
    h.EnableLog();
    h.Connect();
    Choose(h, BuiltFixture("walk.hex"));
  }
  // Writes and reads with their virtual time.
  std::vector<std::string> Traffic() const {
    std::vector<std::string> out;
    for (const PortEvent& e : h.port.Events()) {
      std::string at = std::to_string(e.at) + " ";
      if (e.kind == PortEvent::kWrite) out.push_back(at + "write " + e.bytes);
      if (e.kind == PortEvent::kOpen) out.push_back(at + "open");
      if (e.kind == PortEvent::kClose) out.push_back(at + "close");
    }
    return out;
  }
  int Writes(std::string_view bytes) const {
    int n = 0;
    for (const std::string& w : h.Written())
      n += w == bytes;
    return n;
  }
  // The records of each load: what was written after every "L\r" up to the next command.
  std::vector<std::vector<std::string>> Loads() const {
    std::vector<std::vector<std::string>> loads;
    bool inLoad = false;
    for (const std::string& w : h.Written()) {
      if (w == "L\r") {
        loads.emplace_back();
        inLoad = true;
      } else if (inLoad && !w.empty() && w[0] == ':') {
        loads.back().push_back(w);
      } else {
        inLoad = false;
      }
    }
    return loads;
  }
  Harness h;
};

TEST_F(UploadTest, AGoodFileGoesThroughTheWholeDialogueIntoTheLoader) {
  const int descriptors = OpenDescriptors();
  CommTimeouts during{};
  AtWrite(h, "fupm\r\n", [&during](Harness& h) { during = h.port.Timeouts(); });
  FwUpdateUpload(h.c.exchange, h.c.monitor, h.c.access, h.c.fwUpdate);

  const std::vector<std::string> records = RecordsAsSent(BuiltFixture("walk.hex"));
  ASSERT_GT(records.size(), 10u);
  std::vector<std::string> expected{
      "0 write fupm\r\n", "1200 write \r\n", "3300 write B 0\r", "3410 write Z 0\r",
      "3630 write y\r",   "5630 write \r",   "5680 write L\r",
  };
  // A record every 30 ms; the end-of-file record ends the load without a pause.
  TimeMs t = 5720;
  for (const std::string& r : records) {
    expected.push_back(std::to_string(t) + " write " + r);
    t += 30;
  }
  t += 800 - 30 + 50;  // the load's verdict, then the pause before leaving
  for (int i = 0; i < 4; ++i)
    expected.push_back(std::to_string(t + 50 * i) + " write \r");
  t += 200;
  expected.push_back(std::to_string(t) + " write E\r");
  expected.push_back(std::to_string(t) + " close");
  expected.push_back(std::to_string(t + 2000) + " open");
  expected.push_back(std::to_string(t + 2000) + " write \x02");
  expected.push_back(std::to_string(t + 2150) + " write fwv\r\n");
  std::vector<std::string> traffic = Traffic();
  ASSERT_GE(traffic.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(traffic.begin(), traffic.begin() + expected.size()), expected);

  EXPECT_EQ(ImageText(h.model.loader.image), ImageText(ImageOfHexFile(BuiltFixture("walk.hex"))));
  EXPECT_EQ(h.model.loader.loads, 1);
  EXPECT_EQ(h.model.Restarts(), 1);
  EXPECT_EQ(during.readInterval, 13000u);
  EXPECT_EQ(during.readTotalConstant, 14000u);
  EXPECT_TRUE(h.frontend.boxes.empty());
  EXPECT_EQ(h.LogEntries(), kCompletedLog);
  EXPECT_EQ(h.c.fwUpdate.Lb_update, "Firmware Upgrade:Restoration was completed.");
  EXPECT_EQ(h.c.fwUpdate.Lb_per, "100");
  EXPECT_EQ(h.c.fwUpdate.ProgressBar1, h.c.fwUpdate.progressMaximum);
  EXPECT_TRUE(h.c.fwUpdate.buttonsEnabled);
  EXPECT_FALSE(h.c.fwUpdate.uploading);
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkConnected);
  EXPECT_EQ(h.c.monitor.view.Lb_fw_ver, "01.09");
  EXPECT_EQ(OpenDescriptors(), descriptors);
}

struct SentFile {
  const char* name;
  std::filesystem::path path;
};
void PrintTo(const SentFile& c, std::ostream* os) {
  *os << c.name;
}

class SentAsReadTest : public UploadTest, public ::testing::WithParamInterface<SentFile> {};

TEST_P(SentAsReadTest, EveryRecordIsSentAsItsTextAndLoaded) {
  Choose(h, GetParam().path);
  FwUpdateUpload(h.c.exchange, h.c.monitor, h.c.access, h.c.fwUpdate);
  ASSERT_EQ(Loads().size(), 1u);
  EXPECT_EQ(Loads()[0], RecordsAsSent(GetParam().path));
  EXPECT_EQ(ImageText(h.model.loader.image), ImageText(ImageOfHexFile(GetParam().path)));
  EXPECT_EQ(h.c.fwUpdate.Lb_update, "Firmware Upgrade:Restoration was completed.");
}

INSTANTIATE_TEST_SUITE_P(
    ToolMadeFiles, SentAsReadTest,
    ::testing::Values(SentFile{"linear addresses and a start address",
                               BuiltFixture("linear-lf.hex")},
                      SentFile{"CR LF", BuiltFixture("linear-crlf.hex")},
                      SentFile{"lower case", BuiltFixture("linear-lower-crlf.hex")},
                      SentFile{"26 data bytes a record", BuiltFixture("records26.hex")},
                      SentFile{"blank lines", BuiltFixture("blank-lines.hex")}),
    [](const auto& info) { return CaseName(info.param.name); });

struct Failure {
  const char* name;
  std::function<void(Harness&)> arrange;
  std::uint32_t code;
  std::string text;
  std::string caption;
  std::string logText;
  bool retried;  // inside the attempts: three more attempts and 10230690 follow
};
void PrintTo(const Failure& c, std::ostream* os) {
  *os << c.name;
}

class UploadFailureTest : public UploadTest, public ::testing::WithParamInterface<Failure> {};

TEST_P(UploadFailureTest, IsReportedAsTheTableSays) {
  const Failure& f = GetParam();
  const int descriptors = OpenDescriptors();
  f.arrange(h);
  FwUpdateUpload(h.c.exchange, h.c.monitor, h.c.access, h.c.fwUpdate);

  ASSERT_FALSE(h.frontend.boxes.empty());
  EXPECT_EQ(h.frontend.boxes[0].text, f.text);
  EXPECT_EQ(h.frontend.boxes[0].caption, f.caption);
  const std::string record = CodeText(f.code) + f.logText;
  EXPECT_EQ(h.LogEntries().substr(21, record.size()), record);
  if (f.retried) {
    ASSERT_EQ(h.frontend.boxes.size(), 5u);
    EXPECT_EQ(h.frontend.boxes[4],
              (RecordingFrontend::Box{"Failed to retry to write.", "Retry Error", {}}));
    EXPECT_NE(h.LogEntries().find(CodeText(10230690) + "Failed to retry to write.\r\n"),
              std::string::npos);
    EXPECT_EQ(h.c.fwUpdate.Lb_update, "Firmware Upgrade Failure. Unable to restore.");
  } else {
    EXPECT_EQ(h.frontend.boxes.size(), 1u);
  }
  EXPECT_EQ(h.LogEntries().find(kCompletedLog), std::string::npos);
  EXPECT_EQ(Writes("E\r"), 0);
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkFirmwareUpdateFailure);
  EXPECT_TRUE(h.c.fwUpdate.buttonsEnabled);
  EXPECT_FALSE(h.c.fwUpdate.uploading);
  if (h.c.exchange.link.HasPort()) {
    EXPECT_EQ(h.port.Timeouts().readInterval, 500u);
    EXPECT_EQ(h.port.Timeouts().readTotalConstant, 1000u);
  }
  EXPECT_EQ(OpenDescriptors(), descriptors);
}

Failure Fails(const char* name, std::function<void(Harness&)> arrange, std::uint32_t code,
              std::string text, std::string caption, std::string logText, bool retried = false) {
  return {name,   std::move(arrange), code, std::move(text), std::move(caption), std::move(logText),
          retried};
}
Failure Retried(const char* name, std::function<void(Harness&)> arrange, std::uint32_t code,
                std::string text, std::string logText) {
  return Fails(name, std::move(arrange), code, std::move(text), "Writing Error", std::move(logText),
               true);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UploadFailureTest,
    ::testing::Values(
        Fails(
            "upgrade command not sent", [](Harness& h) { FailWritesOf(h, "fupm\r\n"); }, 10230601,
            "Failed to run the Firmware upgrade command.", "Starting Error",
            "Failed to run the Firmware upgrade command.\r\n"),
        Fails(
            "no banner at all", [](Harness& h) { LoaderSilentFrom(h, "fupm\r\n"); }, 10230602,
            "Failed to start BOOTLOADER.[1]", "Starting Error",
            "Failed to start BOOTLOADER.[1]\r\n"),
        Fails(
            "banner without TINI", [](Harness& h) { h.model.loader.faults.noBanner = true; },
            10230603, "Failed to start BOOTLOADER.[2]", "Starting Error",
            "Failed to start BOOTLOADER.[2]\r\n"),
        Fails(
            "banner without DS80C400", [](Harness& h) { h.model.loader.faults.noDs80c400 = true; },
            10230604, "Failed to start BOOTLOADER.[3]", "Starting Error",
            "Failed to start BOOTLOADER.[3]\r\n"),
        Fails(
            "no file chosen", [](Harness& h) { h.c.fwUpdate.fileName.clear(); }, 10230610,
            "Failed to open program file.", "Starting Error", "Failed to open program file.\r\n"),
        Fails(
            "file gone", [](Harness& h) { Choose(h, h.dir / "gone.hex"); }, 10230610,
            "Failed to open program file.", "Starting Error", "Failed to open program file.\r\n"),
        Retried(
            "load command not sent", [](Harness& h) { FailWritesOf(h, "L\r"); }, 10230611,
            "Failed to send LOAD command.[1]\r\nRetry start.",
            "Failed to send LOAD command.[1]\r\n"),
        Retried(
            "no echo of the load command", [](Harness& h) { LoaderSilentFrom(h, "L\r"); }, 10230612,
            "Failed to send LOAD command.[2]\r\nRetry start.",
            "Failed to send LOAD command.[2]\r\n"),
        Retried(
            "line without record mark while sending",
            [](Harness& h) { SpoiledAfterTheCheck(h, "no-record-mark.hex"); }, 10230613,
            "File's record mark couldn't be found.\r\nRetry start.",
            "File's record mark couldn't be found.\r\n"),
        Retried(
            "bad digit while sending",
            [](Harness& h) { SpoiledAfterTheCheck(h, "bad-hex-digit.hex"); }, 10230614,
            "Records of the file is not normal.\r\nRetry start.",
            "Records of the file is not normal.\r\n"),
        Retried(
            "bad size while sending",
            [](Harness& h) { SpoiledAfterTheCheck(h, "one-digit-short.hex"); }, 10230615,
            "Record size of the file is not normal.\r\nRetry start.",
            "Record size of the file is not normal.\r\n"),
        Retried(
            "bad checksum while sending",
            [](Harness& h) { SpoiledAfterTheCheck(h, "bad-checksum.hex"); }, 10230616,
            "Check sum Error\r\nRetry start.", "Check sum Error\r\n"),
        Retried(
            "record type 6", [](Harness& h) { Choose(h, SourceFixture("record-type-6.hex")); },
            10230617, "Record type Error\r\nRetry start.", "Record type Error\r\n"),
        Retried(
            "linear address record at 0010",
            [](Harness& h) { Choose(h, SourceFixture("address-0010.hex")); }, 10230618,
            "Record address Error\r\nRetry start.", "Record address Error\r\n"),
        Retried(
            "garbled echo of the load command", [](Harness& h) { LoaderGarbledFrom(h, "L\r"); },
            10230620, "Response of load command is not normal.[1]\r\nRetry start.",
            "Response of load command is not normal.[1]\r\n"),
        Retried(
            "loader reports an error", [](Harness& h) { h.model.loader.faults.errorAtRecord = 2; },
            10230626, "Response of load command is not normal.[3]\r\nRetry start.",
            "Response of load command is not normal.[3]\r\n"),
        Fails(
            "bank command not sent", [](Harness& h) { FailWritesOf(h, "B 0\r"); }, 10230650,
            "Response of bank command is not normal.[1]", "Writing Error",
            "Response of bank command is not normal.[1]\r\n"),
        Fails(
            "no echo of the bank command", [](Harness& h) { LoaderSilentFrom(h, "B 0\r"); },
            10230651, "Response of bank command is not normal.[2]", "Writing Error",
            "Response of bank command is not normal.[2]\r\n"),
        Fails(
            "garbled echo of the bank command", [](Harness& h) { LoaderGarbledFrom(h, "B 0\r"); },
            10230652, "Response of bank command is not normal.[3]", "Writing Error",
            "Response of bank command is not normal.[3]\r\n"),
        Retried(
            "erase command not sent", [](Harness& h) { FailWritesOf(h, "Z 0\r"); }, 10230660,
            "Response of erase command is not normal.[1]",
            "Response of erase command is not normal.[1]\r\n"),
        Retried(
            "no echo of the erase command", [](Harness& h) { LoaderSilentFrom(h, "Z 0\r"); },
            10230661, "Response of erase command is not normal.[2]",
            "Response of erase command is not normal.[2]\r\n"),
        Retried(
            "garbled echo of the erase command", [](Harness& h) { LoaderGarbledFrom(h, "Z 0\r"); },
            10230662, "Response of erase command is not normal.[3]",
            "Response of erase command is not normal.[3]\r\n"),
        Retried(
            "erase without its question", [](Harness& h) { h.model.loader.faults.noSure = true; },
            10230663, "Response of erase command is not normal.[4]",
            "Response of erase command is not normal.[4]\r\n"),
        Retried(
            "confirmation not sent", [](Harness& h) { FailWritesOf(h, "y\r"); }, 10230664,
            "Response of erase command is not normal.[5]",
            "Response of erase command is not normal.[5]\r\n"),
        Retried(
            "prompt request not sent", [](Harness& h) { FailWritesOf(h, "\r"); }, 10230665,
            "Response of erase command is not normal.[6]",
            "Response of erase command is not normal.[6]\r\n"),
        Retried(
            "no prompt after the erase", [](Harness& h) { LoaderSilentFrom(h, "\r"); }, 10230666,
            "Response of erase command is not normal.[7]",
            "Response of erase command is not normal.[7]\r\n"),
        Retried(
            "garbled prompt after the erase", [](Harness& h) { LoaderGarbledFrom(h, "\r"); },
            10230667, "Response of erase command is not normal.[8]",
            "Response of erase command is not normal.[8]\r\n"),
        Fails(
            "line without record mark",
            [](Harness& h) { Choose(h, SourceFixture("no-record-mark.hex")); }, 10230680,
            "File format error.", "File check error", "File format error\r\n"),
        Fails(
            "bad hex digit", [](Harness& h) { Choose(h, SourceFixture("bad-hex-digit.hex")); },
            10230681, "File format error.", "File check error", "File format error\r\n"),
        Fails(
            "one digit short", [](Harness& h) { Choose(h, SourceFixture("one-digit-short.hex")); },
            10230682, "File format error.", "File check error", "File format error\r\n"),
        Fails(
            "32 data bytes a record", [](Harness& h) { Choose(h, BuiltFixture("records32.hex")); },
            10230682, "File format error.", "File check error", "File format error\r\n"),
        Fails(
            "bad checksum", [](Harness& h) { Choose(h, SourceFixture("bad-checksum.hex")); },
            10230683, "File format error.", "File check error", "File format error\r\n"),
        Fails(
            "disconnected",
            [](Harness& h) {
              h.c.exchange.link.CloseConnection();
              h.c.exchange.link.LinkState = kLinkDisconnect;
            },
            10230684, "COM connection error.", "Connection check error",
            "COM connection error\r\n")),
    [](const auto& info) { return CaseName(info.param.name); });

struct NothingSent {
  const char* name;
  std::filesystem::path file;
  int linkState;
  std::uint32_t code;
};
void PrintTo(const NothingSent& c, std::ostream* os) {
  *os << c.name;
}

class NothingSentTest : public UploadTest, public ::testing::WithParamInterface<NothingSent> {};

TEST_P(NothingSentTest, TheFileIsCheckedBeforeTheLine) {
  Choose(h, GetParam().file);
  h.c.exchange.link.LinkState = GetParam().linkState;
  FwUpdateUpload(h.c.exchange, h.c.monitor, h.c.access, h.c.fwUpdate);
  EXPECT_TRUE(h.Written().empty());
  EXPECT_EQ(h.LogEntries().substr(21, 8), std::to_string(GetParam().code));
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkFirmwareUpdateFailure);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NothingSentTest,
    ::testing::Values(
        NothingSent{"bad file", SourceFixture("bad-checksum.hex"), kLinkConnected, 10230683},
        NothingSent{"good file disconnected", BuiltFixture("walk.hex"), kLinkDisconnect, 10230684},
        NothingSent{"bad file disconnected", SourceFixture("bad-checksum.hex"), kLinkDisconnect,
                    10230683}),
    [](const auto& info) { return CaseName(info.param.name); });

TEST_F(UploadTest, FourFailedErasesEndTheUpload) {
  h.model.loader.faults.noSure = true;
  std::vector<std::string> texts;
  std::vector<bool> buttons;
  AtWrite(h, "Z 0\r", [&](Harness& h) {
    texts.push_back(h.c.fwUpdate.Lb_update);
    buttons.push_back(h.c.fwUpdate.buttonsEnabled);
  });
  FwUpdateUpload(h.c.exchange, h.c.monitor, h.c.access, h.c.fwUpdate);

  std::vector<std::string> boxes;
  for (const auto& box : h.frontend.boxes)
    boxes.push_back(box.text);
  EXPECT_EQ(boxes, (std::vector<std::string>{
                       "Response of erase command is not normal.[4]",
                       "Response of erase command is not normal.[4]",
                       "Response of erase command is not normal.[4]",
                       "Response of erase command is not normal.[4]",
                       "Failed to retry to write.",
                   }));
  EXPECT_EQ(texts,
            (std::vector<std::string>{"Firmware Upgrading......", "Firmware Upgrade:Retrying.",
                                      "Firmware Upgrade:Retrying.", "Firmware Upgrade:Retrying."}));
  // A retry is part of the upload: the dialog stays locked.
  EXPECT_EQ(buttons, (std::vector<bool>{false, false, false, false}));
  EXPECT_EQ(Writes("L\r"), 0);
  EXPECT_EQ(h.Written().back(), "Z 0\r");
  EXPECT_EQ(h.c.fwUpdate.Lb_update, "Firmware Upgrade Failure. Unable to restore.");
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkFirmwareUpdateFailure);
}

TEST_F(UploadTest, ALoadErrorRetriesFromTheFirstRecordWithTheProgressStartingOver) {
  h.model.loader.faults.errorAtRecord = 3;
  h.model.loader.faults.errorLoads = 1;
  int atRetry = -1;
  int atLeaving = -1;
  h.frontend.onUploadWindowChanged = [&] {
    if (atRetry < 0 && h.c.fwUpdate.Lb_update == "Firmware Upgrade:Retrying.") {
      atRetry = h.c.fwUpdate.ProgressBar1;
    }
  };
  AtWrite(h, "E\r", [&](Harness& h) { atLeaving = h.c.fwUpdate.ProgressBar1; });
  FwUpdateUpload(h.c.exchange, h.c.monitor, h.c.access, h.c.fwUpdate);

  const std::vector<std::string> records = RecordsAsSent(BuiltFixture("walk.hex"));
  const int counted = static_cast<int>(records.size()) - 1;  // not the end-of-file record
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  EXPECT_EQ(h.frontend.boxes[0].text, "Response of load command is not normal.[3]\r\nRetry start.");
  EXPECT_EQ(Loads(), (std::vector<std::vector<std::string>>{records, records}));
  EXPECT_EQ(Writes("Z 0\r"), 2);
  EXPECT_EQ(atRetry, counted);
  EXPECT_EQ(atLeaving, counted);
  EXPECT_EQ(ImageText(h.model.loader.image), ImageText(ImageOfHexFile(BuiltFixture("walk.hex"))));
  EXPECT_EQ(h.c.fwUpdate.Lb_update, "Firmware Upgrade:Restoration was completed.");
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkConnected);
  EXPECT_EQ(h.LogEntries().substr(21), CodeText(10230626) +
                                           "Response of load command is not normal.[3]\r\n" +
                                           std::string(kCompletedLog));
}

TEST_F(UploadTest, TheProgressCountsAgainstTheFilesOwnRecords) {
  Choose(h, BuiltFixture("progress.hex"));
  std::vector<std::pair<int, std::string>> shown;
  h.frontend.onUploadWindowChanged = [&] {
    shown.emplace_back(h.c.fwUpdate.ProgressBar1, h.c.fwUpdate.Lb_per);
  };
  FwUpdateUpload(h.c.exchange, h.c.monitor, h.c.access, h.c.fwUpdate);

  const int counted = static_cast<int>(RecordsAsSent(BuiltFixture("progress.hex")).size()) - 1;
  ASSERT_GT(counted, 4136);  // more than the 4096 a fixed scale would count against
  EXPECT_EQ(h.c.fwUpdate.progressMaximum, counted);
  auto at = [&](int records) {
    for (const auto& [bar, per] : shown) {
      if (bar == records) return per;
    }
    return std::string("never shown");
  };
  // Until the first record is sent, "00".
  ASSERT_FALSE(shown.empty());
  for (const auto& [bar, per] : shown) {
    if (bar > 0) break;
    EXPECT_EQ(per, "00");
  }
  EXPECT_EQ(at(1), "0");
  EXPECT_EQ(at(counted / 2), std::to_string((counted / 2) * 100 / counted));
  EXPECT_EQ(at(counted - 1), "99");
  EXPECT_EQ(at(counted), "100");  // with the last record
  for (const auto& [bar, per] : shown) {
    EXPECT_LE(bar, counted);
  }
  EXPECT_EQ(shown.back(), (std::pair<int, std::string>{counted, "100"}));
}

TEST_F(UploadTest, AnUploadCannotBeStartedAgainWhileItRuns) {
  bool tried = false;
  bool lockedMeanwhile = false;
  h.frontend.onProcessMessages = [&] {
    if (tried) return;
    tried = true;
    lockedMeanwhile = h.c.fwUpdate.uploading && !h.c.fwUpdate.buttonsEnabled;
    FwUpdateOpenFile(h.c.exchange, h.c.fwUpdate, SourceFixture("bad-checksum.hex").string());
    FwUpdateUpload(h.c.exchange, h.c.monitor, h.c.access, h.c.fwUpdate);
  };
  FwUpdateUpload(h.c.exchange, h.c.monitor, h.c.access, h.c.fwUpdate);
  EXPECT_TRUE(tried);
  EXPECT_TRUE(lockedMeanwhile);
  EXPECT_EQ(Writes("fupm\r\n"), 1);
  EXPECT_EQ(Loads().size(), 1u);
  EXPECT_EQ(h.c.fwUpdate.fileName, BuiltFixture("walk.hex").string());
  EXPECT_EQ(ImageText(h.model.loader.image), ImageText(ImageOfHexFile(BuiltFixture("walk.hex"))));
  EXPECT_FALSE(h.c.fwUpdate.uploading);
}

TEST_F(UploadTest, ADeadLineEndsInTheRetryFailureNotInSuccess) {
  int records = 0;
  h.port.onWrite = [&](const std::string& bytes) {
    if (!bytes.empty() && bytes[0] == ':' && ++records == 2) h.port.failWrites = 1000000;
  };
  FwUpdateUpload(h.c.exchange, h.c.monitor, h.c.access, h.c.fwUpdate);
  std::vector<std::string> texts;
  for (const auto& box : h.frontend.boxes)
    texts.push_back(box.text);
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "Response of load command is not normal.[3]\r\nRetry start.",
                       "Response of erase command is not normal.[1]",
                       "Response of erase command is not normal.[1]",
                       "Response of erase command is not normal.[1]",
                       "Failed to retry to write.",
                   }));
  EXPECT_EQ(h.c.fwUpdate.Lb_update, "Firmware Upgrade Failure. Unable to restore.");
  EXPECT_EQ(h.LogEntries().find(kCompletedLog), std::string::npos);
}

TEST_F(UploadTest, TheChosenFileIsUploadedNotTheTextOfTheBox) {
  FwUpdateOpenFile(h.c.exchange, h.c.fwUpdate, BuiltFixture("records26.hex").string());
  EXPECT_EQ(h.c.fwUpdate.Ed_file, BuiltFixture("records26.hex").string());
  FwUpdateOpenFile(h.c.exchange, h.c.fwUpdate, std::nullopt);  // cancelled
  EXPECT_EQ(h.c.fwUpdate.fileName, BuiltFixture("records26.hex").string());
  h.c.fwUpdate.Ed_file = (h.dir / "typed.hex").string();
  FwUpdateUpload(h.c.exchange, h.c.monitor, h.c.access, h.c.fwUpdate);
  EXPECT_TRUE(h.frontend.boxes.empty());
  EXPECT_EQ(Loads(),
            (std::vector<std::vector<std::string>>{RecordsAsSent(BuiltFixture("records26.hex"))}));
}

// The reconnect after the loader: the switch restarted and is greeted again.
class UploadReconnectTest : public UploadTest {
 public:
  std::vector<std::string> AfterLeaving() const {
    std::vector<std::string> w = h.Written();
    auto e = std::find(w.begin(), w.end(), "E\r");
    return e == w.end() ? std::vector<std::string>{} : std::vector<std::string>(e + 1, w.end());
  }
  void Protected(const std::string& remembered) {
    h.model.state.userPassword = "pw";
    h.model.Receive("pw\r", h.clock.Now());  // the session of the connect
    h.model.TakeDue(h.clock.Now() + 1000);
    h.c.access.LoggedIn = 1;
    h.c.access.LoginPassword = remembered;
  }
};

TEST_F(UploadReconnectTest, ASwitchWithoutPasswordIsRefreshedAtOnce) {
  h.c.access.MaintenanceAdmitted = 1;
  h.c.access.superPassIn.Ed_pass = "qorplemt";
  FwUpdateUpload(h.c.exchange, h.c.monitor, h.c.access, h.c.fwUpdate);
  std::vector<std::string> after = AfterLeaving();
  ASSERT_GE(after.size(), 2u);
  EXPECT_EQ(after[0], "\x02");
  EXPECT_EQ(after[1], "fwv\r\n");
  EXPECT_EQ(h.c.exchange.link.SwitchMode, '0');
  EXPECT_EQ(h.c.exchange.link.SwitchAnswered, 1);
  EXPECT_EQ(h.c.access.MaintenanceAdmitted, 0);
  EXPECT_EQ(h.c.access.superPassIn.Ed_pass, "");
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkConnected);
}

TEST_F(UploadReconnectTest, TheRememberedPasswordIsSentWithoutAsking) {
  Protected("pw");
  FwUpdateUpload(h.c.exchange, h.c.monitor, h.c.access, h.c.fwUpdate);
  std::vector<std::string> after = AfterLeaving();
  ASSERT_GE(after.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(after.begin(), after.begin() + 3),
            (std::vector<std::string>{"\x02", "pw\r\n", "fwv\r\n"}));
  EXPECT_EQ(h.frontend.reLogins, 0);
  EXPECT_TRUE(h.frontend.boxes.empty());
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkConnected);
}

struct ReconnectFailure {
  const char* name;
  std::function<void(UploadReconnectTest&)> arrange;
  std::string log;  // after the completion text
  int linkState;
  int switchAnswered;
};
void PrintTo(const ReconnectFailure& c, std::ostream* os) {
  *os << c.name;
}

class UploadReconnectFailureTest : public UploadReconnectTest,
                                   public ::testing::WithParamInterface<ReconnectFailure> {};

TEST_P(UploadReconnectFailureTest, IsReportedAsAFailedReset) {
  GetParam().arrange(*this);
  FwUpdateUpload(h.c.exchange, h.c.monitor, h.c.access, h.c.fwUpdate);
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  const RecordingFrontend::Box& box = h.frontend.boxes[0];
  EXPECT_EQ(box.caption, "Reset Failure");
  // A port that would not open is explained after the box's own text.
  EXPECT_EQ(box.text, GetParam().log.find("COM Port Open") != std::string::npos
                          ? "Failed to reset.\r\n\r\nCOM1 is in use by another program.\r\n"
                            "Close that program, then try again."
                          : "Failed to reset.");
  const std::string entries = h.LogEntries();
  ASSERT_EQ(entries.rfind(kCompletedLog, 0), 0u);
  EXPECT_EQ(entries.substr(kCompletedLog.size() + 21), GetParam().log);
  EXPECT_EQ(h.c.exchange.link.LinkState, GetParam().linkState);
  EXPECT_EQ(h.c.exchange.link.SwitchAnswered, GetParam().switchAnswered);
  EXPECT_FALSE(h.c.exchange.link.HasPort());
  EXPECT_EQ(h.c.fwUpdate.Lb_update, "Firmware Upgrade:Restoration was completed.");
}

const std::string kCliStarting = "Failed to reset.(CLI Starting Error)\r\n";

INSTANTIATE_TEST_SUITE_P(
    Points, UploadReconnectFailureTest,
    ::testing::Values(
        ReconnectFailure{"port taken meanwhile",
                         [](UploadReconnectTest& t) {
                           AtWrite(t.h, "E\r", [](Harness& h) { h.port.heldElsewhere = true; });
                         },
                         "10230901   Failed to reset.(COM Port Open Error)\r\n", kLinkDisconnect,
                         0},
        ReconnectFailure{"probe not sent",
                         [](UploadReconnectTest& t) { FailWritesOf(t.h, "\x02"); },
                         "10230911   " + kCliStarting, kLinkConnectingFailure, 0},
        ReconnectFailure{"switch still restarting",
                         [](UploadReconnectTest& t) { t.h.model.timing.restart = 5000; },
                         "10230912   " + kCliStarting, kLinkConnectingFailure, 0},
        ReconnectFailure{"no bracket",
                         [](UploadReconnectTest& t) {
                           t.h.model.faults.only = "probe";
                           t.h.model.faults.replies["probe"] = "\r\n(0]";
                         },
                         "10230913   " + kCliStarting, kLinkConnectingFailure, 0},
        ReconnectFailure{"bad mode",
                         [](UploadReconnectTest& t) {
                           t.h.model.faults.only = "probe";
                           t.h.model.faults.replies["probe"] = "\r\n[2]";
                         },
                         "10230914   " + kCliStarting, kLinkConnectingFailure, 0},
        ReconnectFailure{"password too long to send",
                         [](UploadReconnectTest& t) { t.Protected(std::string(30, 'p')); },
                         "10230913   " + kCliStarting, kLinkConnectingFailure, 1},
        ReconnectFailure{"no reply to the password",
                         [](UploadReconnectTest& t) {
                           t.Protected("pw");
                           AtWrite(t.h, "E\r", [](Harness& h) {
                             h.model.faults.only = "password";
                             h.model.faults.silent = true;
                           });
                         },
                         "10230914   " + kCliStarting, kLinkConnectingFailure, 1},
        ReconnectFailure{"empty password refused", [](UploadReconnectTest& t) { t.Protected(""); },
                         "10230915   " + kCliStarting, kLinkConnectingFailure, 1}),
    [](const auto& info) { return CaseName(info.param.name); });

TEST_F(UploadReconnectTest, AnEmptyRememberedPasswordIsSentAsALineEndAlone) {
  Protected("");
  FwUpdateUpload(h.c.exchange, h.c.monitor, h.c.access, h.c.fwUpdate);
  std::vector<std::string> after = AfterLeaving();
  ASSERT_GE(after.size(), 2u);
  EXPECT_EQ(after[1], "\r\n");
}

}  // namespace
}  // namespace taviron::test
