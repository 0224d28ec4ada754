#include "tests/support/FailMatrix.h"

#include <algorithm>
#include <string_view>

#include "access/Login.h"
#include "link/LinkState.h"
#include "monitor/MainDisplay.h"
#include "session/ConnectionLifecycle.h"

namespace taviron::test {
namespace {

bool IsCodeText(const std::string& text) {
  if (text.size() != 11 || text.substr(8) != "   ") return false;
  for (char ch : text.substr(0, 8)) {
    if (ch < '0' || ch > '9') return false;
  }
  return true;
}

bool StartsEntry(std::string_view log, std::size_t at) {
  // "2024:03:05 14:07:09  " then the code text.
  static constexpr std::string_view kShape = "dddd:dd:dd dd:dd:dd  ";
  if (log.size() < at + kShape.size() + 11) return false;
  for (std::size_t i = 0; i < kShape.size(); ++i) {
    const char ch = log[at + i];
    if (kShape[i] == 'd' ? (ch < '0' || ch > '9') : ch != kShape[i]) return false;
  }
  return true;
}

// The records of what the log gained: each entry is its code text and the message after it,
// up to the next entry; what stands before the first entry was written without a code.
std::vector<WrittenRecord> Entries(std::string_view log) {
  std::vector<std::size_t> starts;
  // Each line's start: an entry begins only there.
  for (std::size_t at = 0; at < log.size();) {
    if (StartsEntry(log, at)) starts.push_back(at);
    const std::size_t end = log.find("\r\n", at);
    at = end == std::string_view::npos ? log.size() : end + 2;
  }
  std::vector<WrittenRecord> records;
  const std::size_t first = starts.empty() ? log.size() : starts.front();
  if (first > 0) records.push_back({{}, std::string(log.substr(0, first))});
  for (std::size_t i = 0; i < starts.size(); ++i) {
    const std::size_t end = i + 1 < starts.size() ? starts[i + 1] : log.size();
    const std::string_view entry = log.substr(starts[i] + 21, end - starts[i] - 21);
    records.push_back({std::string(entry.substr(0, 11)), std::string(entry.substr(11))});
  }
  return records;
}

// A message followed by texts written without a code, in one entry of the log.
bool AllowedMessage(const Allowed& a, const std::string& message) {
  if (a.messages.count(message)) return true;
  for (const std::string& text : a.texts) {
    if (message.size() > text.size() &&
        message.compare(message.size() - text.size(), text.size(), text) == 0 &&
        AllowedMessage(a, message.substr(0, message.size() - text.size())))
      return true;
  }
  return false;
}

}  // namespace

Allowed operator+(Allowed a, const Allowed& b) {
  a.codes.insert(b.codes.begin(), b.codes.end());
  a.messages.insert(b.messages.begin(), b.messages.end());
  a.texts.insert(b.texts.begin(), b.texts.end());
  a.boxes.insert(b.boxes.begin(), b.boxes.end());
  return a;
}

FailRun RunWithFailure(const FailSequence& sequence, int n) {
  FailRun run;
  auto h = std::make_unique<Harness>();
  h->EnableLog();
  // The switch's password, when it has one, is what the operator types when asked.
  h->frontend.onReLogin = [&h] {
    PassIn2Ok(h->c.exchange, h->c.monitor, h->c.access, h->model.state.userPassword);
  };
  sequence.arrange(*h);
  const std::size_t logBefore = h->Log().size();
  h->frontend.boxes.clear();

  run.descriptorsBefore = OpenDescriptors();
  const TimeMs start = h->clock.Now();
  h->port.FailOperation(n);
  sequence.run(*h);
  run.operations = h->port.Operations();
  run.failed = run.operations >= n ? n : 0;
  run.took = h->clock.Now() - start;
  run.linkState = h->c.exchange.link.LinkState;
  run.portOpen = h->port.IsOpen();
  run.descriptorsAfter = OpenDescriptors();
  const std::string log = h->Log();
  run.records = Entries(std::string_view(log).substr(std::min(logBefore, log.size())));
  // A box about a port that would not open says why after a blank line; the box is its text.
  for (const RecordingFrontend::Box& box : h->frontend.boxes)
    run.boxes.push_back(box.text.substr(0, box.text.find("\r\n\r\n")) + "|" + box.caption);

  h->port.FailOperation(0);
  if (sequence.recover) sequence.recover(*h);
  ConnectSwitch(h->c.exchange, h->c.monitor, h->c.access);
  RefreshAll(h->c.exchange, h->c.monitor);
  run.statusAfterRecovery = h->c.monitor.view.statusText;
  run.linkStateAfterRecovery = h->c.exchange.link.LinkState;
  return run;
}

std::vector<std::string> Violations(const FailSequence& s, const FailRun& run) {
  std::vector<std::string> found;
  const Allowed& a = s.allowed;
  for (const WrittenRecord& r : run.records) {
    if (r.codeText.empty()) {
      if (!a.texts.count(r.message) && !AllowedMessage(a + Allowed{{}, a.texts, {}, {}}, r.message))
        found.push_back("text without a code: " + r.message);
      continue;
    }
    if (!IsCodeText(r.codeText)) {
      found.push_back("code text: '" + r.codeText + "'");
    } else if (!a.codes.count(static_cast<std::uint32_t>(std::stoul(r.codeText)))) {
      found.push_back("code: " + r.codeText);
    }
    if (!AllowedMessage(a, r.message)) found.push_back("message: " + r.message);
  }
  for (const std::string& box : run.boxes) {
    if (!a.boxes.count(box)) found.push_back("box: " + box);
  }
  if (!s.linkStates.count(run.linkState)) {
    found.push_back("LinkState " + std::to_string(run.linkState));
  }
  // A sequence that ends disconnected or failing to connect has closed the port; one that
  // says connected has it open.
  if ((run.linkState == kLinkDisconnect || run.linkState == kLinkConnectingFailure) &&
      run.portOpen) {
    found.push_back("port left open in LinkState " + std::to_string(run.linkState));
  }
  if (run.linkState == kLinkConnected && !run.portOpen) found.push_back("connected, port closed");
  if (run.descriptorsAfter != run.descriptorsBefore) {
    found.push_back("descriptors " + std::to_string(run.descriptorsBefore) + " -> " +
                    std::to_string(run.descriptorsAfter));
  }
  if (run.took > s.timeBound) found.push_back("took " + std::to_string(run.took) + " ms");
  if (run.statusAfterRecovery != "Connected") {
    found.push_back("next command: '" + run.statusAfterRecovery + "'");
  }
  return found;
}

}  // namespace taviron::test
