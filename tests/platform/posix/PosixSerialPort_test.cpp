#include "platform/posix/PosixSerialPort.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "base/ComPortNames.h"
#include "tests/support/TempDir.h"
#include "tests/support/posix/PtyPair.h"

namespace taviron::test {
namespace {

class PosixSerialPortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(port.Open(pty.path()));
    ASSERT_TRUE(port.SetLine());
  }
  std::string ReadAll(std::uint32_t count) {
    std::uint8_t buffer[256] = {};
    std::uint32_t done = 0;
    EXPECT_TRUE(port.Read(buffer, count, done));
    return std::string(reinterpret_cast<char*>(buffer), done);
  }
  PtyPair pty;
  PosixSerialPort port;
};

TEST_F(PosixSerialPortTest, ASecondOpenerIsRefusedUntilThePortIsClosed) {
  PosixSerialPort second;
  EXPECT_FALSE(second.Open(pty.path()));
  port.Close();
  EXPECT_TRUE(second.Open(pty.path()));
}

TEST(PosixSerialPortCloseTest, TheLineIsLeftAsItWasFound) {
  PtyPair pty;  // a fresh pseudo-terminal: cooked, with echo, as a serial terminal leaves it
  int device = ::open(pty.path().c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(device, 0);
  termios found{};
  ASSERT_EQ(::tcgetattr(device, &found), 0);
  found.c_cflag = (found.c_cflag & ~CSIZE) | CS7 | PARENB;
  ::cfsetspeed(&found, B9600);
  ASSERT_EQ(::tcsetattr(device, TCSANOW, &found), 0);
  ASSERT_EQ(::tcgetattr(device, &found), 0);
  PosixSerialPort port;
  ASSERT_TRUE(port.Open(pty.path()));
  ASSERT_TRUE(port.SetLine());
  EXPECT_TRUE(port.ReleaseFlowControl());
  port.Close();
  termios after{};
  ASSERT_EQ(::tcgetattr(device, &after), 0);
  ::close(device);
  EXPECT_EQ(after.c_iflag, found.c_iflag);
  EXPECT_EQ(after.c_oflag, found.c_oflag);
  EXPECT_EQ(after.c_cflag, found.c_cflag);
  EXPECT_EQ(after.c_lflag, found.c_lflag);
  EXPECT_EQ(::cfgetospeed(&after), ::cfgetospeed(&found));
}

TEST_F(PosixSerialPortTest, RawLineNeitherTranslatesNorEchoes) {
  pty.Send("ab\r\n\x02\x11\x13");
  EXPECT_EQ(ReadAll(7), "ab\r\n\x02\x11\x13");
  EXPECT_EQ(pty.Take(), "");  // nothing came back to the switch
  std::uint32_t done = 0;
  const std::uint8_t line[] = {'f', 'w', 'v', '\r', '\n'};
  ASSERT_TRUE(port.Write(line, 5, done));
  EXPECT_EQ(done, 5u);
  EXPECT_EQ(pty.Take(), "fwv\r\n");
}

TEST_F(PosixSerialPortTest, CountsBytesWaitingAndPurgesThem) {
  EXPECT_EQ(port.ClearCommError().bytesQueued, 0u);
  pty.Send("\r\n[01.09]");
  CommStatus status = port.ClearCommError();
  EXPECT_TRUE(status.ok);
  EXPECT_EQ(status.bytesQueued, 9u);
  EXPECT_EQ(status.errors, 0u);  // a pseudo-terminal has no error counters
  ASSERT_TRUE(port.Purge(purge::kRxClear));
  EXPECT_EQ(port.ClearCommError().bytesQueued, 0u);
}

TEST_F(PosixSerialPortTest, AReadTakesWhatHasArrivedWhenItsTimeOutPasses) {
  port.SetTimeouts(CommTimeouts{50, 0, 200, 2, 0});
  pty.Send("\r\n[");
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ReadAll(9), "\r\n[");
  auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_LT(waited, std::chrono::milliseconds(190));  // the interval, not the total, ended it
  EXPECT_EQ(ReadAll(3), "");  // nothing at all: the total time-out ends it with no bytes
}

TEST_F(PosixSerialPortTest, DtrAndFlowControlOnADeviceWithoutModemLines) {
  EXPECT_TRUE(port.LowerDtr());
  EXPECT_TRUE(port.ReleaseFlowControl());
  port.Close();
  EXPECT_FALSE(port.IsOpen());
  EXPECT_FALSE(port.ClearCommError().ok);
  std::uint32_t done = 1;
  const std::uint8_t byte = 2;
  EXPECT_FALSE(port.Write(&byte, 1, done));
  EXPECT_EQ(done, 0u);
}

TEST(PosixSerialPortOpenTest, OnlyAnExistingTerminalDeviceOpens) {
  TempDir dir;
  WriteFile(dir / "plain", "");
  PosixSerialPort port;
  EXPECT_FALSE(port.Open((dir / "plain").string()));
  EXPECT_FALSE(port.Open((dir / "missing").string()));
  EXPECT_FALSE(port.Open("COM9"));
  EXPECT_FALSE(port.Open(""));
}

TEST(ComPortNamesTest, NamesLeadToDevicesOrToTheEnvironmentsChoice) {
  ::unsetenv("TAVIRON_COM2");
  EXPECT_EQ(ComPortDevice("COM2"), "/dev/ttyS1");
  ::setenv("TAVIRON_COM2", "/dev/ttyUSB0", 1);
  EXPECT_EQ(ComPortDevice("COM2"), "/dev/ttyUSB0");
  ::unsetenv("TAVIRON_COM2");
  EXPECT_EQ(ComPortDevice("COM6"), "/dev/ttyS5");
  EXPECT_EQ(ComPortDevice("COM7"), "");
  EXPECT_EQ(ComPortDevice("com1"), "");
  EXPECT_EQ(ComPortDevice("/dev/pts/3"), "/dev/pts/3");
  EXPECT_EQ(ComPortName(0), "COM1");
  EXPECT_EQ(ComPortName(5), "COM6");
  EXPECT_EQ(ComPortName(6), "");
}

TEST(ComPortNamesTest, AComNameOpensTheDeviceItIsPointedAt) {
  PtyPair pty;
  ::setenv("TAVIRON_COM3", pty.path().c_str(), 1);
  PosixSerialPort port;
  EXPECT_TRUE(port.Open("COM3"));
  EXPECT_EQ(port.DevicePath(), pty.path());
  ::unsetenv("TAVIRON_COM3");
}

}  // namespace
}  // namespace taviron::test
