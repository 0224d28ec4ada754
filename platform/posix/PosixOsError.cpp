#include <cerrno>
#include <cstring>

#include "base/OsError.h"

namespace taviron {
namespace {

OsErrorKind KindOf(long code) {
  switch (code) {
    case 0:
      return OsErrorKind::kNone;
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR:
      return OsErrorKind::kNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
      return OsErrorKind::kNoPermission;
    case EBUSY:
    case EWOULDBLOCK:
      return OsErrorKind::kInUse;
    case ENOTTY:
      return OsErrorKind::kNotSerialDevice;
    case ENOMEM:
    case ENOBUFS:
      return OsErrorKind::kShortage;
    case EBADF:
      return OsErrorKind::kNotOpen;
    default:
      return OsErrorKind::kOther;
  }
}

}  // namespace

OsError SystemError(long code) {
  OsError error{KindOf(code), code, {}};
  if (code != 0) error.text = std::strerror(static_cast<int>(code));
  return error;
}

}  // namespace taviron
