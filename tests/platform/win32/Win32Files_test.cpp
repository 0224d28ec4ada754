#include <windows.h>
#undef ReplaceFile

#include <gtest/gtest.h>

#include <filesystem>

#include "base/ErrorLog.h"
#include "base/HeldLogFile.h"
#include "base/InputFile.h"
#include "base/ReplaceFile.h"
#include "sim/VirtualClock.h"
#include "tests/support/TempDir.h"

namespace taviron::test {
namespace {

void MakeReadOnly(const std::filesystem::path& file) {
  ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
}

void MakeWritable(const std::filesystem::path& file) {
  ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(Win32ReplaceFileTest, AReadOnlyFileKeepsItsContent) {
  TempDir dir;
  WriteFile(dir / "SWITCH.INI", "old");
  MakeReadOnly(dir / "SWITCH.INI");
  EXPECT_FALSE(ReplaceFile(dir / "SWITCH.INI", "new"));
  MakeWritable(dir / "SWITCH.INI");
  EXPECT_EQ(ReadFile(dir / "SWITCH.INI"), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(Win32ReplaceFileTest, AFileHeldByAnotherProgramKeepsItsContent) {
  TempDir dir;
  WriteFile(dir / "ports.txt", "old");
  HANDLE held = ::CreateFileW((dir / "ports.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(ReplaceFile(dir / "ports.txt", "new"));
  ::CloseHandle(held);
  EXPECT_EQ(ReadFile(dir / "ports.txt"), "old");
}

TEST(Win32HeldLogFileTest, NobodyElseMayEvenReadTheHeldLog) {
  TempDir dir;
  HeldLogFile log;
  ASSERT_TRUE(log.Open(dir / "LOG.TXT"));
  HANDLE reader = ::CreateFileW((dir / "LOG.TXT").c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  EXPECT_EQ(reader, INVALID_HANDLE_VALUE);
  EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  if (reader != INVALID_HANDLE_VALUE) ::CloseHandle(reader);
}

TEST(Win32HeldLogFileTest, AReadOnlyLogCannotBeTaken) {
  TempDir dir;
  WriteFile(dir / "LOG.TXT", "earlier");
  MakeReadOnly(dir / "LOG.TXT");
  sim::VirtualClock clock;
  ErrorLog errorLog(dir.path(), clock);
  EXPECT_EQ(errorLog.CanWriteFile(kLogFile), 0);
  MakeWritable(dir / "LOG.TXT");
  EXPECT_EQ(errorLog.CanWriteFile(kLogFile), 1);
}

TEST(Win32InputFileTest, OnlyARegularFileWithinItsBoundIsRead) {
  TempDir dir;
  WriteFile(dir / "SWITCH.INI", "[Serial]\r\nPort=2\r\n");
  std::filesystem::create_directory(dir / "folder");
  EXPECT_EQ(ReadInputFile(dir / "SWITCH.INI", 64), "[Serial]\r\nPort=2\r\n");
  EXPECT_FALSE(ReadInputFile(dir / "SWITCH.INI", 8));    // past its bound
  EXPECT_FALSE(ReadInputFile(dir / "folder", 64));       // a directory
  EXPECT_FALSE(ReadInputFile("NUL", 64));                // a device
  EXPECT_FALSE(ReadInputFile(dir / "missing.ini", 64));  // nothing there
}

}  // namespace
}  // namespace taviron::test
