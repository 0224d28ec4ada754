#include "base/ErrorLog.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/Harness.h"

namespace taviron::test {
namespace {

TEST(ErrorLogTest, SwitchingOnCreatesTheFileWithItsHeaderOnly) {
  Harness h;
  h.EnableLog();
  EXPECT_EQ(h.Log(), kLogHeader);
}

TEST(ErrorLogTest, AnExistingLogGetsNoSecondHeader) {
  Harness h;
  WriteFile(h.dir / "LOG.TXT", "earlier run\r\n");
  h.EnableLog();
  EXPECT_EQ(h.Log(), "earlier run\r\n");
}

TEST(ErrorLogTest, AnEmptyExistingLogGetsTheHeader) {
  Harness h;
  WriteFile(h.dir / "LOG.TXT", "");
  h.EnableLog();
  EXPECT_EQ(h.Log(), kLogHeader);
}

TEST(ErrorLogTest, AnEntryIsTimestampCodeAndMessageByteForByte) {
  Harness h;
  h.EnableLog();
  h.clock.Sleep(61'000);  // 2024:03:05 14:08:10
  h.c.exchange.log.Record(10230101, "Failed to obtain the Firmware version.\r\n");
  h.c.exchange.log.Record(10230102, "Failed to obtain the Firmware version.(Overrun Error)\r\n");
  EXPECT_EQ(h.LogEntries(),
            "2024:03:05 14:08:10  10230101   Failed to obtain the Firmware version.\r\n"
            "2024:03:05 14:08:10  10230102   Failed to obtain the Firmware version."
            "(Overrun Error)\r\n");
}

TEST(ErrorLogTest, TimestampHasTwentyOneColumns) {
  EXPECT_EQ(TimestampText({2024, 3, 5, 4, 7, 9}), "2024:03:05 04:07:09  ");
  EXPECT_EQ(TimestampText({2024, 12, 31, 23, 59, 59}).size(), 21u);
  EXPECT_EQ(CodeText(8202), "00008202   ");
  EXPECT_EQ(CodeText(10230101), "10230101   ");
}

TEST(ErrorLogTest, NothingIsWrittenWhileLoggingIsOff) {
  Harness h;
  h.EnableLog();
  for (std::uint8_t off : {0, 2, 255}) {
    h.c.exchange.log.LogEnabled = off;
    h.c.exchange.log.Record(10230101, "Failed to obtain the Firmware version.\r\n");
  }
  EXPECT_EQ(h.Log(), kLogHeader);
}

TEST(ErrorLogTest, TextEndsAtANulByte) {
  Harness h;
  h.EnableLog();
  h.c.exchange.log.WriteErrLog(std::string_view("abc\0def", 7), 0);
  EXPECT_EQ(h.LogEntries(), "abc");
}

TEST(ErrorLogTest, ClosingWritesTheEmptyLineOnlyWhileLoggingIsOn) {
  Harness h;
  h.EnableLog();
  h.c.exchange.log.CloseErrLog();
  EXPECT_EQ(h.LogEntries(), "\r\n");
  EXPECT_FALSE(h.c.exchange.log.StreamOpen());

  Harness off;
  off.EnableLog();
  off.c.exchange.log.LogEnabled = 0;  // as "Disable Get Error" does before closing
  off.c.exchange.log.CloseErrLog();
  EXPECT_EQ(off.LogEntries(), "");
}

TEST(ErrorLogTest, TheOpenLogIsHeldExclusively) {
  Harness h;
  h.EnableLog();
  ErrorLog other(h.dir.path(), h.clock);
  EXPECT_EQ(other.CanWriteFile(kLogFile), 0);
  h.c.exchange.log.CloseErrLog();
  EXPECT_EQ(other.CanWriteFile(kLogFile), 1);
}

TEST(ErrorLogTest, ALogThatCannotBeOpenedIsReported) {
  Harness h;
  std::filesystem::create_directory(h.dir / "LOG.TXT");
  EXPECT_EQ(h.c.exchange.log.CanWriteFile(kLogFile), 0);
}

TEST(ErrorLogTest, EveryWriteIsOnDiskAtOnce) {
  Harness h;
  h.EnableLog();
  h.c.exchange.log.WriteErrLog(CodeText(10230701), 1);
  // Read back while the log is still open: nothing waits in a buffer.
  EXPECT_EQ(h.LogEntries(), Stamp() + "10230701   ");
}

}  // namespace
}  // namespace taviron::test
