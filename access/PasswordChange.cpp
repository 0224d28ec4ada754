#include "access/PasswordChange.h"

#include "link/CommandTable.h"
#include "link/Transfer.h"

namespace taviron {
namespace {

constexpr std::string_view kChanged = "User password was changed.";
constexpr std::string_view kChangedCaption = "Changed User Password";
constexpr std::string_view kRefused =
    "User password is incorrect.\r\nPlease retype the user password.";
constexpr std::string_view kRefusedCaption = "User Password Changing Error";
constexpr std::string_view kRefusedLog = "Failed to set the user password.";

// Asks the switch; true when it took the password.
bool Change(const Access& c, const std::string& password) {
  std::string line(command::kPasswordChange.text);
  if (!password.empty()) line += " " + password;
  line += kLineEnd;
  Transfer t(c.link);
  if (!t.Send(line)) return false;
  c.clock.Sleep(command::kPasswordChange.pause);
  if (!t.Receive(command::kPasswordChange.replyBytes)) return false;
  return t.ReplyAt(command::kPasswordChange.verdictIndex) == '0';
}

}  // namespace

bool PassSetOk(const Access& c, const std::string& newPassword, const std::string& confirmation) {
  bool accepted = newPassword != kMaintenancePassword && confirmation == newPassword &&
                  newPassword.size() <= static_cast<std::size_t>(kUserPasswordMaxLength) &&
                  Change(c, newPassword);
  if (accepted) {
    c.LoginPassword = newPassword;
    c.LoggedIn = 1;
    c.frontend.MessageBox(kChanged, kChangedCaption);
    return true;
  }
  c.frontend.MessageBox(kRefused, kRefusedCaption);
  c.Record(10230401, c.WithCommError(kRefusedLog));
  return false;
}

}  // namespace taviron
