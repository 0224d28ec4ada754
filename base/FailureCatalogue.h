#pragma once

#include "base/Failure.h"
#include "base/PasswordText.h"

namespace taviron::failure {

// Every failure point of the program by its name (failure::kStartupPortOpen), made from the one
// table in base/FailureTable.h. A sequence reports an entry, never a bare code.
#define TAVIRON_FAILURE(name, ...) inline constexpr Failure name __VA_ARGS__;
#include "base/FailureTable.h"
#undef TAVIRON_FAILURE

// All of them in the table's order, for those that look a failure up by its code or check the
// table as a whole.
inline constexpr const Failure* kAll[] = {
#define TAVIRON_FAILURE(name, ...) &name,
#include "base/FailureTable.h"
#undef TAVIRON_FAILURE
};

}  // namespace taviron::failure
