#include "access/Maintenance.h"

#include "link/CommandTable.h"
#include "link/Transfer.h"

namespace taviron {
namespace {

constexpr std::string_view kPrompt = "Please type maintenance password.";
constexpr std::string_view kIncorrect = "Password is incorrect.";
constexpr std::string_view kRetype = "Please retype maintenance password.";
constexpr std::string_view kWrongLog = "Failed to enter maintenance password.\r\n";
constexpr std::string_view kCaption = "Maintenance Password Setting Error";
constexpr std::string_view kNotSent = "Failed to send maintenance password.";
constexpr std::string_view kNoReply = "Failed to receive maintenance password response.";
constexpr std::string_view kNotConfirmed = "Failed to set maintenance password.";

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
  if (typed != kMaintenancePassword) {
    c.superPassIn.Label1 = kIncorrect;
    c.superPassIn.Label6 = kRetype;
    c.Record(10110904, kWrongLog);
    return false;
  }
  Transfer t(c.link, 36);
  if (!t.Send(command::kMaintenanceLogin.text)) {
    c.Report(kNotSent, kCaption, 10110901);
    return false;
  }
  c.clock.Sleep(command::kMaintenanceLogin.pause);
  if (!t.Receive(command::kMaintenanceLogin.replyBytes)) {
    c.Report(kNoReply, kCaption, 10110902);
    return false;
  }
  if (t.ReplyAt(command::kMaintenanceLogin.verdictIndex) != '0') {
    c.Report(kNotConfirmed, kCaption, 10110903);
    return false;
  }
  c.MaintenanceAdmitted = 1;
  return true;
}

}  // namespace taviron
