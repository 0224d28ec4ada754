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

bool MaintenanceGate(const Access& c) {
  if (c.LoginPassword == kMaintenancePassword || c.MaintenanceAdmitted == 1) return true;
  c.frontend.ShowMaintenancePassword();
  return c.MaintenanceAdmitted == 1;
}

void SuperPassInShow(const Access& c) {
  c.superPassIn.Label1 = kPrompt;
  c.superPassIn.Label6.clear();
}

bool SuperPassInOk(const Access& c, const std::string& typed) {
  c.superPassIn.Ed_pass = typed;
  if (HoldsControlCharacters(typed)) {
    c.superPassIn.Label1 = kControlCharactersRefused;
    c.superPassIn.Label6 = kRetype;
    return false;
  }
  if (typed != kMaintenancePassword) {
    c.superPassIn.Label1 = kIncorrect;
    c.superPassIn.Label6 = kRetype;
    c.Report(failure::kMaintenanceWrong);
    return false;
  }
  Transfer t(c.link, 36);
  if (!t.Send(command::kMaintenanceLogin.text)) {
    c.Report(failure::kMaintenanceNotSent);
    return false;
  }
  c.clock.Sleep(command::kMaintenanceLogin.pause);
  if (!t.Receive(command::kMaintenanceLogin.replyBytes)) {
    c.Report(failure::kMaintenanceNoReply);
    return false;
  }
  if (t.ByteAt(command::kMaintenanceLogin.verdictIndex) != '0') {
    c.Report(failure::kMaintenanceNotConfirmed);
    return false;
  }
  c.MaintenanceAdmitted = 1;
  return true;
}

}  // namespace taviron
