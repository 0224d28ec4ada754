#include "tests/support/FailMatrix.h"

#include <filesystem>

#include "access/Login.h"
#include "link/ConnectionLifecycle.h"
#include "link/LinkState.h"
#include "monitor/MainDisplay.h"

namespace taviron::test {
namespace {

bool IsCodeText(const std::string& text) {
  if (text.size() != 11 || text.substr(8) != "   ") return false;
  for (char ch : text.substr(0, 8)) {
    if (ch < '0' || ch > '9') return false;
  }
  return true;
}

// Each record is a code text and one message piece; a piece without a code stands alone.
void Collect(ErrorLog& log, std::vector<WrittenRecord>& records) {
  log.listener = [&records](std::string_view text, int flag) {
    if (flag == 1) {
      records.push_back({std::string(text), {}});
    } else if (!records.empty() && !records.back().codeText.empty() &&
               records.back().message.empty()) {
      records.back().message = text;
    } else {
      records.push_back({{}, std::string(text)});
    }
  };
}

}  // namespace

Allowed operator+(Allowed a, const Allowed& b) {
  a.codes.insert(b.codes.begin(), b.codes.end());
  a.messages.insert(b.messages.begin(), b.messages.end());
  a.texts.insert(b.texts.begin(), b.texts.end());
  a.boxes.insert(b.boxes.begin(), b.boxes.end());
  return a;
}

int OpenDescriptors() {
  int n = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
    ++n;
  return n;
}

FailRun RunWithFailure(const FailSequence& sequence, int n) {
  FailRun run;
  auto h = std::make_unique<Harness>();
  h->EnableLog();
  // The switch's password, when it has one, is what the operator types when asked.
  h->frontend.onReLogin = [&h] { PassIn2Ok(h->c, h->model.state.userPassword); };
  sequence.arrange(*h);
  Collect(h->c.log, run.records);
  h->frontend.boxes.clear();

  run.descriptorsBefore = OpenDescriptors();
  const TimeMs start = h->clock.Now();
  h->port.FailOperation(n);
  sequence.run(*h);
  run.operations = h->port.Operations();
  run.failed = run.operations >= n ? n : 0;
  run.took = h->clock.Now() - start;
  run.linkState = h->c.link.LinkState;
  run.portOpen = h->port.IsOpen();
  run.descriptorsAfter = OpenDescriptors();
  for (const RecordingFrontend::Box& box : h->frontend.boxes)
    run.boxes.push_back(box.text + "|" + box.caption);

  h->port.FailOperation(0);
  h->c.log.listener = nullptr;
  if (sequence.recover) sequence.recover(*h);
  ConnectSwitch(h->c);
  RefreshAll(h->c);
  run.statusAfterRecovery = h->c.view.statusText;
  run.linkStateAfterRecovery = h->c.link.LinkState;
  return run;
}

std::vector<std::string> Violations(const FailSequence& s, const FailRun& run) {
  std::vector<std::string> found;
  const Allowed& a = s.allowed;
  for (const WrittenRecord& r : run.records) {
    if (r.codeText.empty()) {
      if (!a.texts.count(r.message)) found.push_back("text without a code: " + r.message);
      continue;
    }
    if (!IsCodeText(r.codeText)) {
      found.push_back("code text: '" + r.codeText + "'");
    } else if (!a.codes.count(static_cast<std::uint32_t>(std::stoul(r.codeText)))) {
      found.push_back("code: " + r.codeText);
    }
    if (!a.messages.count(r.message)) found.push_back("message: " + r.message);
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
