// Why a call failed, as the Windows side tells it: GetLastError values mapped once.
#include <windows.h>

#include <gtest/gtest.h>

#include "base/OsError.h"

namespace taviron::test {
namespace {

TEST(Win32OsErrorTest, ErrorCodesMapToTheirKindWithTheSystemsText) {
  const struct {
    long code;
    OsErrorKind kind;
  } kCases[] = {
      {ERROR_SUCCESS, OsErrorKind::kNone},
      {ERROR_FILE_NOT_FOUND, OsErrorKind::kNotFound},
      {ERROR_PATH_NOT_FOUND, OsErrorKind::kNotFound},
      {ERROR_ACCESS_DENIED, OsErrorKind::kNoPermission},
      {ERROR_SHARING_VIOLATION, OsErrorKind::kInUse},
      {ERROR_NOT_ENOUGH_MEMORY, OsErrorKind::kShortage},
      {ERROR_INVALID_USER_BUFFER, OsErrorKind::kShortage},
      {ERROR_INVALID_HANDLE, OsErrorKind::kNotOpen},
      {ERROR_GEN_FAILURE, OsErrorKind::kOther},
  };
  for (const auto& c : kCases) {
    OsError error = SystemError(c.code);
    EXPECT_EQ(error.kind, c.kind) << c.code;
    EXPECT_EQ(error.text.empty(), c.code == ERROR_SUCCESS) << c.code;
  }
}

}  // namespace
}  // namespace taviron::test
