#include "tests/support/Harness.h"

#include <cctype>

#include "base/ErrorLog.h"
#include "tests/support/HeldLog.h"

namespace taviron::test {

const std::string kLogHeader =
    "----------------------------------------------------------\r\n"
    "DATE                 ErrorCode  ErrorMessage\r\n"
    "----------------------------------------------------------\r\n";

Harness::Harness() {
  frontend.log = &c.exchange.log;
  // No serial devices but those a test makes: the machine's own stay out of the sequences.
  c.session.deviceRoots = {dir / "sys", dir / "dev"};
}

void Harness::EnableLog() {
  c.exchange.log.LogEnabled = 1;
  c.exchange.log.OpenErrLog();
}

void Harness::Connect() {
  c.exchange.link.OpenConfiguredPort();
  c.exchange.link.SetupConnection();
  c.exchange.link.LinkState = kLinkConnected;
  c.exchange.link.SwitchAnswered = 1;
  if (!model.state.userPassword.empty()) {
    model.Receive(model.state.userPassword + "\r", clock.Now());
    model.TakeDue(clock.Now() + 100000);
  }
  port.ClearEvents();
}

std::string Harness::Log() {
  return ReadHeldLog(c.exchange.log);
}

std::string Harness::LogEntries() {
  std::string log = Log();
  return log.rfind(kLogHeader, 0) == 0 ? log.substr(kLogHeader.size()) : log;
}

std::vector<std::string> Harness::Written() const {
  std::vector<std::string> out;
  for (const sim::PortEvent& e : port.Writes())
    out.push_back(e.bytes);
  return out;
}

std::string CaseName(std::string_view description) {
  std::string name;
  for (char ch : description)
    name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
  return name;
}

std::string Stamp(TimeMs t) {
  sim::VirtualClock clock;
  clock.AdvanceTo(t);
  return TimestampText(clock.LocalNow());
}

}  // namespace taviron::test
