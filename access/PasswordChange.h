#pragma once

#include <string>

#include "access/Access.h"
#include "link/Exchange.h"

namespace taviron {

// The longest user password the switch takes.
inline constexpr int kUserPasswordMaxLength = 8;

// "Change" of Tpass_set with the new password and its confirmation: true when the switch took
// it (the dialog closes), false after a refusal (the dialog shows again).
bool PassSetOk(Exchange& exchange, Access& access, const std::string& newPassword,
               const std::string& confirmation);

}  // namespace taviron
