#include "base/Failure.h"

namespace taviron {

int ExitStatusOf(FailureKind kind) {
  switch (kind) {
    case FailureKind::kInput:
      return 2;
    case FailureKind::kFile:
      return 3;
    case FailureKind::kLink:
    case FailureKind::kRefused:
      break;
  }
  return 1;
}

}  // namespace taviron
