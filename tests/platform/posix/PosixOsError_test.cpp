// Why a call failed, as the POSIX side tells it: errno mapped once, and the port keeping the
// error of the call that failed (never a stale errno).
#include <cerrno>

#include <gtest/gtest.h>

#include "base/OsError.h"
#include "platform/posix/PosixSerialPort.h"
#include "tests/support/TempDir.h"

namespace taviron::test {
namespace {

TEST(PosixOsErrorTest, ErrnoValuesMapToTheirKindWithTheSystemsText) {
  const struct {
    int code;
    OsErrorKind kind;
  } kCases[] = {
      {0, OsErrorKind::kNone},
      {ENOENT, OsErrorKind::kNotFound},
      {ENXIO, OsErrorKind::kNotFound},
      {EACCES, OsErrorKind::kNoPermission},
      {EPERM, OsErrorKind::kNoPermission},
      {EBUSY, OsErrorKind::kInUse},
      {EWOULDBLOCK, OsErrorKind::kInUse},
      {ENOTTY, OsErrorKind::kNotSerialDevice},
      {ENOMEM, OsErrorKind::kShortage},
      {ENOBUFS, OsErrorKind::kShortage},
      {EBADF, OsErrorKind::kNotOpen},
      {EIO, OsErrorKind::kOther},
  };
  for (const auto& c : kCases) {
    OsError error = SystemError(c.code);
    EXPECT_EQ(error.kind, c.kind) << c.code;
    EXPECT_EQ(error.code, c.code);
    EXPECT_EQ(error.text.empty(), c.code == 0) << c.code;
  }
}

TEST(PosixOsErrorTest, TheSerialPortTellsWhyItDidNotOpen) {
  TempDir dir;
  WriteFile(dir / "plain", "");
  PosixSerialPort port;
  EXPECT_FALSE(port.Open((dir / "missing").string()));
  EXPECT_EQ(port.LastError().kind, OsErrorKind::kNotFound);
  EXPECT_FALSE(port.Open((dir / "plain").string()));
  EXPECT_EQ(port.LastError().kind, OsErrorKind::kNotSerialDevice);
  EXPECT_FALSE(port.Open("COM9"));  // a name that leads nowhere
  EXPECT_EQ(port.LastError().kind, OsErrorKind::kNotFound);
}

TEST(PosixOsErrorTest, ACallOnAClosedPortSaysSoWhateverErrnoHeld) {
  PosixSerialPort port;
  errno = ENOMEM;  // left over from something else: must not read as a passing shortage
  EXPECT_FALSE(port.SetLine());
  EXPECT_EQ(port.LastError().kind, OsErrorKind::kNotOpen);
  EXPECT_FALSE(port.LastErrorWasShortage());
  errno = ENOMEM;
  EXPECT_FALSE(port.Purge(purge::kRxClear));
  EXPECT_EQ(port.LastError().kind, OsErrorKind::kNotOpen);
}

}  // namespace
}  // namespace taviron::test
