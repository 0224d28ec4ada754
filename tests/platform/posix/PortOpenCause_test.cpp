// Why a port would not open, as the operator is told: each cause made real on this system.
#include <fcntl.h>
#include <grp.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

#include "base/ComPortAssignments.h"
#include "base/PortOpenExplanation.h"
#include "platform/posix/PosixSerialPort.h"
#include "tests/support/TempDir.h"
#include "tests/support/posix/PtyPair.h"

namespace taviron::test {
namespace {

std::string Explained(const std::string& device) {
  PosixSerialPort port;
  EXPECT_FALSE(port.Open(device));
  return ExplainPortOpenFailure(port, device);
}

TEST(PortOpenCauseTest, AMissingDeviceAFileAndAPortHeldElsewhereSayWhy) {
  TempDir dir;
  WriteFile(dir / "notes.txt", "");
  const std::string missing = (dir / "ttyUSB7").string();
  EXPECT_EQ(Explained(missing), missing +
                                    " does not exist.\r\nCheck that the serial cable or USB "
                                    "adapter is plugged in and that the right port is chosen.");
  const std::string file = (dir / "notes.txt").string();
  EXPECT_EQ(Explained(file), file +
                                 " is not a serial device.\r\nChoose the serial port or USB "
                                 "adapter the switch is connected to.");
  PtyPair pty;
  PosixSerialPort holder;
  ASSERT_TRUE(holder.Open(pty.path()));
  EXPECT_EQ(Explained(pty.path()),
            pty.path() + " is in use by another program.\r\nClose that program, then try again.");
}

TEST(PortOpenCauseTest, ACOMNameTellsTheDeviceItWasLedTo) {
  TempDir dir;
  ComPortAssignments assigned;
  assigned.device[2] = (dir / "ttyACM3").string();
  PosixSerialPort port;
  port.UseAssignments(&assigned);
  EXPECT_FALSE(port.Open("COM3"));
  EXPECT_EQ(ExplainPortOpenFailure(port, "COM3").substr(0, assigned.device[2].size() + 16),
            assigned.device[2] + " does not exist.");
  // A name that leads nowhere was never tried.
  EXPECT_EQ(ExplainPortOpenFailure(port, ""), "This COM port leads to no device.");
}

TEST(PortOpenCauseTest, ADeviceOfAGroupTheUserIsNotInNamesTheGroupAndHowToJoinIt) {
  if (::geteuid() != 0)
    GTEST_SKIP() << "needs root to hand the device to a group and drop privileges";
  const group* dialout = ::getgrnam("dialout");
  if (dialout == nullptr) GTEST_SKIP() << "this system has no dialout group";
  PtyPair pty;
  ASSERT_EQ(::chown(pty.path().c_str(), 0, dialout->gr_gid), 0);
  ASSERT_EQ(::chmod(pty.path().c_str(), 0660), 0);
  int out[2];
  ASSERT_EQ(::pipe(out), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // An ordinary user, in no group but its own.
    const gid_t nogroup = 65534;
    if (::setgroups(1, &nogroup) != 0 || ::setgid(nogroup) != 0 || ::setuid(65534) != 0) _exit(2);
    PosixSerialPort port;
    if (port.Open(pty.path())) _exit(3);
    const std::string text = ExplainPortOpenFailure(port, pty.path());
    (void)!::write(out[1], text.data(), text.size());
    _exit(0);
  }
  ::close(out[1]);
  std::string text;
  char buffer[512];
  for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;)
    text.append(buffer, static_cast<std::size_t>(n));
  ::close(out[0]);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(text, "You may not open " + pty.path() +
                      ": it is open to the group dialout.\r\nJoin the group with\r\n"
                      "    sudo usermod -aG dialout $USER\r\nthen log out and log in again.");
}

TEST(PortOpenCauseTest, EachCauseHasItsOwnWords) {
  struct Case {
    OsError error;
    std::string group;
    std::string said;
  };
  const Case cases[] = {
      {{OsErrorKind::kNoPermission, 13, "Permission denied"},
       "root",
       "You may not open /dev/ttyS0.\r\nAsk the administrator of this computer for access to it."},
      {{OsErrorKind::kNoPermission, 13, "Permission denied"},
       "",
       "You may not open /dev/ttyS0.\r\nAsk the administrator of this computer for access to it."},
      {{OsErrorKind::kOther, 5, "Input/output error"},
       "dialout",
       "/dev/ttyS0 could not be opened: Input/output error."},
      {{OsErrorKind::kOther, 0, ""}, "", "/dev/ttyS0 could not be opened."},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PortOpenExplanation("/dev/ttyS0", c.error, c.group), c.said) << c.said;
  EXPECT_EQ(WithExplanation("Failed to Open COM port.", "Why."),
            "Failed to Open COM port.\r\n\r\nWhy.");
}

}  // namespace
}  // namespace taviron::test
