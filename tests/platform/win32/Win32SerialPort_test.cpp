#include "platform/win32/Win32SerialPort.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

namespace taviron::test {
namespace {

bool RunsUnderWine() {
  HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::string Text(const std::uint8_t* bytes, std::uint32_t count) {
  return std::string(reinterpret_cast<const char*>(bytes), count);
}

TEST(Win32SerialPortTest, ANameThatIsNoWindowsPortIsRefusedWithItsReason) {
  for (const char* name : {"/dev/ttyS0", "COM0", "", "LPT1"}) {
    Win32SerialPort port;
    EXPECT_FALSE(port.Open(name)) << name;
    EXPECT_EQ(port.LastErrorCode(), static_cast<std::uint32_t>(ERROR_INVALID_NAME)) << name;
    EXPECT_FALSE(port.IsOpen());
  }
}

TEST(Win32SerialPortTest, AnAbsentPortFailsToOpenWithTheSystemsReason) {
  Win32SerialPort port;
  EXPECT_FALSE(port.Open("COM255"));
  EXPECT_EQ(port.LastErrorCode(), static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(port.LastErrorText().empty());
  EXPECT_FALSE(port.LastErrorWasShortage());
}

TEST(Win32SerialPortTest, EveryCallOnAClosedPortFailsWithoutEffect) {
  Win32SerialPort port;
  std::uint8_t buffer[4] = {'a', 'b', 'c', 'd'};
  std::uint32_t done = 7;
  EXPECT_FALSE(port.SetLine());
  EXPECT_FALSE(port.SetTimeouts(CommTimeouts{}));
  EXPECT_FALSE(port.Read(buffer, 4, done));
  EXPECT_EQ(done, 0u);
  EXPECT_FALSE(port.Write(buffer, 4, done));
  EXPECT_EQ(done, 0u);
  EXPECT_FALSE(port.ClearCommError().ok);
  EXPECT_FALSE(port.Purge(purge::kRxClear));
  EXPECT_FALSE(port.LowerDtr());
  EXPECT_FALSE(port.ReleaseFlowControl());
  port.Close();
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(port.LastErrorCode(), static_cast<std::uint32_t>(ERROR_INVALID_HANDLE));
}

// A COM port that leads to a simulated switch (scripts/test-windows.sh leads one to
// taviron-switchsim and names it in TAVIRON_TEST_COM); skipped without one.
class LivePortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* name = std::getenv("TAVIRON_TEST_COM");
    if (name == nullptr || *name == '\0') GTEST_SKIP() << "no COM port to a simulated switch";
    name_ = name;
    ASSERT_TRUE(port_.Open(name_)) << port_.LastErrorText();
    ASSERT_TRUE(port_.SetLine()) << port_.LastErrorText();
  }
  void Send(const std::string& line) {
    std::uint32_t done = 0;
    ASSERT_TRUE(port_.Write(reinterpret_cast<const std::uint8_t*>(line.data()),
                            static_cast<std::uint32_t>(line.size()), done));
    ASSERT_EQ(done, line.size());
  }
  static void Wait(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

  std::string name_;
  Win32SerialPort port_;
};

TEST_F(LivePortTest, AQueryIsAnsweredAndCountedInTheReceiveQueue) {
  Send("fwv\r\n");
  Wait(300);
  CommStatus status = port_.ClearCommError();
  ASSERT_TRUE(status.ok);
  EXPECT_EQ(status.errors, 0u);
  EXPECT_EQ(status.bytesQueued, 9u);
  std::uint8_t reply[16] = {};
  std::uint32_t done = 0;
  ASSERT_TRUE(port_.Read(reply, 9, done));
  ASSERT_EQ(done, 9u);
  EXPECT_EQ(Text(reply, 3), "\r\n[");
  EXPECT_EQ(port_.ClearCommError().bytesQueued, 0u);
}

TEST_F(LivePortTest, PurgeDiscardsAnUnreadReplyAndAnEmptyReadEndsAtTheTotalTimeOut) {
  Send("fwv\r\n");
  Wait(300);
  ASSERT_TRUE(port_.Purge(purge::kTxClear));
  ASSERT_TRUE(port_.Purge(purge::kRxClear));
  EXPECT_EQ(port_.ClearCommError().bytesQueued, 0u);
  ASSERT_TRUE(port_.SetTimeouts(CommTimeouts{500, 0, 200, 2, 0}));
  std::uint8_t reply[16] = {};
  std::uint32_t done = 99;
  auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(port_.Read(reply, 9, done));
  auto took = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(done, 0u);
  EXPECT_GE(took, std::chrono::milliseconds(150));
  EXPECT_LT(took, std::chrono::milliseconds(1500));
}

TEST_F(LivePortTest, IsHeldExclusively) {
  // Wine opens the device beneath without asking for it alone; Windows' serial driver refuses a
  // second opener by itself.
  if (RunsUnderWine()) GTEST_SKIP() << "Wine does not keep a COM port to its first opener";
  Win32SerialPort second;
  EXPECT_FALSE(second.Open(name_));
  EXPECT_EQ(second.LastErrorCode(), static_cast<std::uint32_t>(ERROR_ACCESS_DENIED));
}

TEST_F(LivePortTest, TheClosingStepsSucceedAndFreeThePortForTheNextOpener) {
  // A pseudo-terminal behind Wine has no DTR; that counts as lowered.
  EXPECT_TRUE(port_.LowerDtr()) << port_.LastErrorText();
  EXPECT_TRUE(port_.Purge(purge::kTxAbort | purge::kRxAbort | purge::kTxClear | purge::kRxClear));
  EXPECT_TRUE(port_.ReleaseFlowControl()) << port_.LastErrorText();
  port_.Close();
  EXPECT_FALSE(port_.IsOpen());
  Win32SerialPort next;
  ASSERT_TRUE(next.Open(name_)) << next.LastErrorText();
  EXPECT_EQ(next.DevicePath().substr(0, 4), "\\\\.\\");
  EXPECT_TRUE(next.SetLine()) << next.LastErrorText();
}

// The port's line state as another program set it, read or written through a handle of its own.
bool LineState(const std::string& device, DCB& dcb, bool write) {
  HANDLE h = ::CreateFileA(device.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  dcb.DCBlength = sizeof dcb;
  bool ok = write ? ::SetCommState(h, &dcb) : ::GetCommState(h, &dcb);
  ::CloseHandle(h);
  return ok;
}

TEST_F(LivePortTest, TheLineIsLeftAsItWasFound) {
  const std::string device = port_.DevicePath();
  port_.Close();
  DCB before{};
  ASSERT_TRUE(LineState(device, before, false));
  DCB other = before;
  other.BaudRate = CBR_9600;
  other.ByteSize = 7;
  other.Parity = EVENPARITY;
  ASSERT_TRUE(LineState(device, other, true));
  ASSERT_TRUE(LineState(device, other, false));
  Win32SerialPort port;
  ASSERT_TRUE(port.Open(name_)) << port.LastErrorText();
  ASSERT_TRUE(port.SetLine());
  EXPECT_TRUE(port.ReleaseFlowControl());
  port.Close();
  DCB after{};
  ASSERT_TRUE(LineState(device, after, false));
  LineState(device, before, true);
  EXPECT_EQ(after.BaudRate, other.BaudRate);
  EXPECT_EQ(after.ByteSize, other.ByteSize);
  EXPECT_EQ(after.Parity, other.Parity);
  EXPECT_EQ(after.fRtsControl, other.fRtsControl);
}

}  // namespace
}  // namespace taviron::test
