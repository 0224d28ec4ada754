#include "access/Maintenance.h"

#include "base/FailureCatalogue.h"
#include "base/PasswordText.h"
#include "link/CommandTable.h"
#include "link/Transfer.h"

namespace taviron {
namespace {

constexpr std::string_view kPrompt = "Please type maintenance password.";
constexpr std::string_view kIncorrect = "Password is incorrect.";
constexpr std::string_view kRetype = "Please retype maintenance password.";

}  // namespace

bool MaintenanceGate(Exchange& exchange, Access& access) {
  if (access.LoginPassword == kMaintenancePassword || access.MaintenanceAdmitted == 1) return true;
  exchange.frontend().ShowMaintenancePassword();
  return access.MaintenanceAdmitted == 1;
}

void SuperPassInShow(Access& access) {
  access.superPassIn.Label1 = kPrompt;
  access.superPassIn.Label6.clear();
}

bool SuperPassInOk(Exchange& exchange, Access& access, const std::string& typed) {
  access.superPassIn.Ed_pass = typed;
  if (HoldsUnsendableCharacters(typed)) {
    access.superPassIn.Label1 = kUnsendableCharactersRefused;
    access.superPassIn.Label6 = kRetype;
    return false;
  }
  if (typed != kMaintenancePassword) {
    access.superPassIn.Label1 = kIncorrect;
    access.superPassIn.Label6 = kRetype;
    exchange.Report(failure::kMaintenanceWrong);
    return false;
  }
  // A switch in its ROM loader has no firmware to confirm the password: the program's own
  // check admits, for the firmware upload that restores the switch, and a reconnect to the
  // restored firmware asks again.
  if (exchange.link.SwitchInLoader) {
    access.MaintenanceAdmitted = 1;
    return true;
  }
  Transfer t(exchange.link, 36);
  if (!t.Send(command::kMaintenanceLogin.text)) {
    exchange.Report(failure::kMaintenanceNotSent);
    return false;
  }
  exchange.clock().Sleep(command::kMaintenanceLogin.pause);
  if (!t.Receive(command::kMaintenanceLogin.replyBytes)) {
    exchange.Report(failure::kMaintenanceNoReply);
    return false;
  }
  if (t.ByteAt(command::kMaintenanceLogin.verdictIndex) != '0') {
    exchange.Report(failure::kMaintenanceNotConfirmed);
    return false;
  }
  access.MaintenanceAdmitted = 1;
  return true;
}

}  // namespace taviron
