#include <gtest/gtest.h>

#include <sys/stat.h>

#include "base/ComPortAssignments.h"
#include "base/ProgramFilePlaces.h"
#include "base/ProgramFiles.h"
#include "tests/support/TempDir.h"

namespace taviron::test {
namespace {

struct PlaceCase {
  const char* name;
  ProgramFileFacts facts;
  ProgramFilePlaces places;
};

ProgramFileFacts Installed() {
  ProgramFileFacts f;
  f.executableDirectory = "/usr/bin";
  f.home = "/home/ann";
  return f;
}

ProgramFileFacts With(ProgramFileFacts f, void (*change)(ProgramFileFacts&)) {
  change(f);
  return f;
}

ProgramFileFacts Windows(const char* executableDirectory, bool writable, bool systemFolder) {
  ProgramFileFacts f;
  f.layout = BuildLayout::kPortable;
  f.userDirectories = false;
  f.executableDirectory = executableDirectory;
  f.appData = "C:/Users/ann/AppData/Roaming";
  f.besideWritable = writable;
  f.inSystemFolder = systemFolder;
  return f;
}

TEST(ProgramFilePlacesTest, APortableBuildKeepsItsFilesBesideItAndAnInstalledOneInTheUsers) {
  const PlaceCase cases[] = {
      {"installed, no variables",
       Installed(),
       {"/home/ann/.config/taviron", "/home/ann/.local/state/taviron", true}},
      {"installed, variables set",
       With(Installed(),
            [](ProgramFileFacts& f) {
              f.configHome = "/cfg";
              f.stateHome = "/state";
            }),
       {"/cfg/taviron", "/state/taviron", true}},
      {"installed, relative variables count as unset",
       With(Installed(),
            [](ProgramFileFacts& f) {
              f.configHome = "cfg";
              f.stateHome = "state";
            }),
       {"/home/ann/.config/taviron", "/home/ann/.local/state/taviron", true}},
      {"installed, no home: beside, failing as before",
       With(Installed(), [](ProgramFileFacts& f) { f.home.clear(); }),
       {"/usr/bin", "/usr/bin", true}},
      {"a portable build keeps its files beside it, wherever it lies",
       With(Installed(), [](ProgramFileFacts& f) { f.layout = BuildLayout::kPortable; }),
       {"/usr/bin", "/usr/bin", false}},
      {"SWITCH.INI beside makes it portable",
       With(Installed(), [](ProgramFileFacts& f) { f.settingsBeside = true; }),
       {"/usr/bin", "/usr/bin", false}},
      {"a system without user directories",
       With(Installed(), [](ProgramFileFacts& f) { f.userDirectories = false; }),
       {"/usr/bin", "/usr/bin", false}},
      {"Windows: a portable copy in a folder of its own keeps its files beside it",
       Windows("C:/Tools/TAVIRON", true, false),
       {"C:/Tools/TAVIRON", "C:/Tools/TAVIRON", false}},
      {"Windows: a folder this user cannot write",
       Windows("D:/", false, false),
       {"C:/Users/ann/AppData/Roaming/TAVIRON", "C:/Users/ann/AppData/Roaming/TAVIRON", true}},
      {"Windows: in Program Files, also for an administrator who could write there",
       Windows("C:/Program Files/TAVIRON", true, true),
       {"C:/Users/ann/AppData/Roaming/TAVIRON", "C:/Users/ann/AppData/Roaming/TAVIRON", true}},
  };
  for (const PlaceCase& c : cases)
    EXPECT_EQ(PlaceProgramFiles(c.facts), c.places) << c.name;
}

TEST(ProgramFilePlacesTest, TheUsersDirectoriesAreMadeForThemAlone) {
  TempDir dir;
  const std::filesystem::path made = dir / "a/b/taviron";
  ASSERT_TRUE(MakeUserDirectory(made));
  struct stat info {};
  ASSERT_EQ(::stat(made.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  EXPECT_TRUE(MakeUserDirectory(made));  // there already
  WriteFile(dir / "file", "");
  EXPECT_FALSE(MakeUserDirectory(dir / "file" / "taviron"));
}

TEST(ComPortAssignmentsTest, WhatIsWrittenIsReadBackAndOddEntriesArePassedOver) {
  TempDir dir;
  ComPortAssignments a;
  a.device[0] = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A600-if00-port0";
  a.device[3] = "/dev/ttyACM0";
  ASSERT_TRUE(SaveComPortAssignments(dir / "COMPORTS.INI", a));
  EXPECT_EQ(ReadFile(dir / "COMPORTS.INI"),
            "[Ports]\nCOM1=/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A600-if00-port0\n"
            "COM4=/dev/ttyACM0\n");
  EXPECT_EQ(LoadComPortAssignments(dir / "COMPORTS.INI"), a);

  // Names in any case; relative paths, other keys, other sections and COM7 assign nothing.
  WriteFile(dir / "odd.ini",
            "[ports]\ncom2=/dev/ttyUSB1\nCOM3=ttyUSB2\nCOM7=/dev/ttyUSB3\nSpeed=9600\n"
            "[Other]\nCOM5=/dev/ttyUSB4\n");
  ComPortAssignments odd;
  odd.device[1] = "/dev/ttyUSB1";
  EXPECT_EQ(LoadComPortAssignments(dir / "odd.ini"), odd);
  EXPECT_EQ(LoadComPortAssignments(dir / "missing.ini"), ComPortAssignments{});

  // A path the file could not give back as it was is not written.
  ComPortAssignments unstorable;
  unstorable.device[0] = "/dev/tty\nCOM2=/dev/evil";
  unstorable.device[1] = "/dev/a ;comment";
  EXPECT_EQ(ComPortAssignmentsText(unstorable), "[Ports]\n");
}

}  // namespace
}  // namespace taviron::test
