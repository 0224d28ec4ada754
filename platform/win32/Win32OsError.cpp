#include <windows.h>

#include "base/OsError.h"
#include "platform/win32/Win32ErrorText.h"

namespace taviron {
namespace {

OsErrorKind KindOf(long code) {
  switch (code) {
    case ERROR_SUCCESS:
      return OsErrorKind::kNone;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_UNIT:
      return OsErrorKind::kNotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
      return OsErrorKind::kNoPermission;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_BUSY:
      return OsErrorKind::kInUse;
    case ERROR_BAD_DEVICE:
    case ERROR_INVALID_FUNCTION:
      return OsErrorKind::kNotSerialDevice;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_INVALID_USER_BUFFER:
    case ERROR_OUTOFMEMORY:
      return OsErrorKind::kShortage;
    case ERROR_INVALID_HANDLE:
      return OsErrorKind::kNotOpen;
    default:
      return OsErrorKind::kOther;
  }
}

}  // namespace

OsError SystemError(long code) {
  OsError error{KindOf(code), code, {}};
  if (code != ERROR_SUCCESS) error.text = SystemErrorText(static_cast<std::uint32_t>(code));
  return error;
}

}  // namespace taviron
