#include "access/PasswordChange.h"

#include "base/FailureCatalogue.h"
#include "base/PasswordText.h"
#include "link/CommandTable.h"
#include "link/Transfer.h"

namespace taviron {
namespace {

constexpr std::string_view kChanged = "User password was changed.";
constexpr std::string_view kChangedCaption = "Changed User Password";

// Asks the switch; true when it took the password.
bool Change(Exchange& exchange, const std::string& password) {
  std::string line(command::kPasswordChange.text);
  if (!password.empty()) line += " " + password;
  line += kLineEnd;
  Transfer t(exchange.link);
  if (!t.Send(line)) return false;
  exchange.clock().Sleep(command::kPasswordChange.pause);
  if (!t.Receive(command::kPasswordChange.replyBytes)) return false;
  return t.ByteAt(command::kPasswordChange.verdictIndex) == '0';
}

}  // namespace

bool PassSetOk(Exchange& exchange, Access& access, const std::string& newPassword,
               const std::string& confirmation) {
  if (HoldsUnsendableCharacters(newPassword) || HoldsUnsendableCharacters(confirmation)) {
    // Refused before anything is sent: the dialog shows again for another try.
    exchange.Report(failure::kPasswordUnsendableCharacters);
    return false;
  }
  bool accepted = newPassword != kMaintenancePassword && confirmation == newPassword &&
                  newPassword.size() <= static_cast<std::size_t>(kUserPasswordMaxLength) &&
                  Change(exchange, newPassword);
  if (accepted) {
    access.LoginPassword = newPassword;
    access.LoggedIn = 1;
    exchange.frontend().MessageBox(kChanged, kChangedCaption);
    return true;
  }
  exchange.Report(failure::kPasswordChangeRefused);
  return false;
}

}  // namespace taviron
