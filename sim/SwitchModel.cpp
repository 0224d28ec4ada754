#include "sim/SwitchModel.h"

#include <algorithm>
#include <cstdio>

#include "link/CommandTable.h"

namespace taviron::sim {
namespace {

constexpr std::string_view kProbeKeyword = "probe";
constexpr std::string_view kPasswordKeyword = "password";
constexpr std::string_view kLoaderKeyword = "loader";
constexpr std::size_t kLongestLine = 256;

// A status answer: CR LF, '[', the data, ']', filled up to the length the program reads.
std::string Status(std::string_view data, std::uint32_t length) {
  std::string reply = "\r\n[" + std::string(data) + "]";
  if (reply.size() < length) reply.append(length - reply.size(), '\r');
  return reply;
}

// The eight per-port characters, blank-separated.
std::string PerPort(const std::string& codes) {
  std::string text;
  for (std::size_t i = 0; i < static_cast<std::size_t>(kPortCount); ++i) {
    if (i > 0) text += ' ';
    text += i < codes.size() ? codes[i] : '0';
  }
  return text;
}

bool IsHexPair(std::string_view pair) {
  auto hex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); };
  return pair.size() == 2 && hex(pair[0]) && hex(pair[1]);
}

bool ValidMac(std::string_view text) {
  if (text.size() != 17) return false;
  for (std::size_t i = 0; i < 6; ++i) {
    if (!IsHexPair(text.substr(i * 3, 2))) return false;
    if (i < 5 && text[i * 3 + 2] != ' ') return false;
  }
  return true;
}

}  // namespace

SwitchModel::Mode SwitchModel::CurrentMode(TimeMs now) const {
  if (restartUntil_ && now < *restartUntil_) return Mode::kRestarting;
  return inLoader_ ? Mode::kLoader : Mode::kCommandLine;
}

void SwitchModel::Receive(std::string_view bytes, TimeMs now) {
  for (char byte : bytes) {
    ++received_;
    ReceiveByte(byte, now);
  }
}

void SwitchModel::ReceiveByte(char byte, TimeMs now) {
  if (restartUntil_) {
    if (now < *restartUntil_) return;  // still starting up: the byte is lost
    FinishRestart(now);
  }
  if (inLoader_) {
    std::vector<RomLoader::Output> out;
    bool stays = loader.Receive(byte, now, out);
    for (RomLoader::Output& o : out)
      Answer(kLoaderKeyword, std::move(o.bytes), now, o.delay);
    if (!stays) {
      StartRestart(now);
      // Without a whole firmware the processor starts its loader again.
      if (!loader.firmwareIntact) loader.Enter();
      inLoader_ = !loader.firmwareIntact;
    }
    return;
  }
  if (byte == kProbeByte) {
    line_.clear();
    lastLine_.clear();
    ++probes_;
    std::string mode = state.userPassword.empty() ? "0" : "1";
    Answer(kProbeKeyword, Status(mode, command::kProbe.replyBytes), now);
    return;
  }
  if (byte == '\n') return;
  if (byte != '\r') {
    if (line_.size() <= kLongestLine) line_ += byte;
    return;
  }
  std::string line;
  line.swap(line_);
  HandleLine(line, now);
}

void SwitchModel::HandleLine(const std::string& line, TimeMs now) {
  // A simulator that serves for days keeps only its recent lines.
  if (lines_.size() >= 2 * kKeptLines) {
    lines_.erase(lines_.begin(), lines_.begin() + static_cast<std::ptrdiff_t>(kKeptLines));
  }
  lines_.push_back(line);
  lastLine_ = line;
  if (line == "q") {  // the session ends
    loggedIn_ = false;
    maintenance_ = false;
    return;
  }
  if (!state.userPassword.empty() && !loggedIn_) {
    bool accepted = line == state.userPassword && !Refuses(kPasswordKeyword);
    if (accepted) loggedIn_ = true;
    Verdict(kPasswordKeyword, accepted, now);
    return;
  }
  HandleCommand(line, now);
}

void SwitchModel::HandleCommand(const std::string& line, TimeMs now) {
  std::string keyword = line.substr(0, line.find(' '));
  std::string argument = line.size() > keyword.size() ? line.substr(keyword.size() + 1) : "";
  if (line.size() > kLongestLine) {
    Answer(keyword, "\r\n?\r\n", now);
    return;
  }
  if (line == "fwv") {
    Answer(keyword, Status(state.firmwareVersion, command::kFirmwareVersion.replyBytes), now);
  } else if (line == "lci") {
    char counter[8];
    std::snprintf(counter, sizeof counter, "%04X",
                  std::min<std::uint32_t>(state.surgeCounter, 0xFFFF));
    Answer(keyword, Status(counter, command::kDischargeElement.replyBytes), now);
  } else if (line == "rg") {
    Answer(keyword, Status(std::string(1, state.relay), command::kRelayGet.replyBytes), now);
  } else if (keyword == "rs") {
    bool ok = (argument == "0" || argument == "1") && !Refuses(keyword);
    if (ok) state.relay = argument[0];
    Verdict(keyword, ok, now);
  } else if (line == "feg") {
    Answer(keyword, Status(state.firmwareError, command::kFirmwareError.replyBytes), now);
  } else if (line == "peg 8") {
    Answer(keyword, Status(PerPort(state.portErrors), command::kPortErrors.replyBytes), now);
  } else if (line == "pg 8") {
    Answer(keyword, Status(PerPort(state.portModes), command::kPortConfig.replyBytes), now);
  } else if (keyword == "ps") {
    // "ps <index 0-7> <switch code>"
    bool ok =
        argument.size() == 3 && argument[0] >= '0' && argument[0] <= '7' && argument[1] == ' ' &&
        std::string_view("012356").find(argument[2]) != std::string_view::npos && !Refuses(keyword);
    if (ok) state.portModes[static_cast<std::size_t>(argument[0] - '0')] = argument[2];
    Verdict(keyword, ok, now);
  } else if (line == "eini") {
    bool ok = !Refuses(keyword);
    if (ok) {
      state.portModes = "55555555";
      state.userPassword.clear();
    }
    Verdict(keyword, ok, now, timing.factoryDefault);
  } else if (line == "arst") {
    StartRestart(now);
  } else if (line == "mg") {
    Answer(keyword, Status(state.mac, command::kMacGet.replyBytes), now);
  } else if (keyword == "ms") {
    bool ok = ValidMac(argument) && !Refuses(keyword);
    if (ok) state.mac = argument;
    Answer(keyword, ok ? "[0]\r\n" : "[1]\r\n", now);
  } else if (line == "lcc 0") {
    bool ok = !Refuses(keyword);
    if (ok) state.surgeCounter = 0;
    Verdict(keyword, ok, now);
  } else if (keyword == "passwd") {
    bool ok = argument.size() <= 8 && !Refuses(keyword);
    if (ok && argument == kMaintenancePassword) {
      maintenance_ = true;  // the maintenance password admits; the user password stays
    } else if (ok) {
      state.userPassword = argument;
      loggedIn_ = true;  // the session that changed the password stays in
    }
    Verdict(keyword, ok, now);
  } else if (line == "fupm") {
    inLoader_ = true;
    loader.Enter();
  } else {
    Answer(keyword, "\r\n?\r\n", now);
  }
}

void SwitchModel::Verdict(std::string_view keyword, bool accepted, TimeMs now, TimeMs extraDelay) {
  Answer(keyword, Status(accepted ? "0" : "1", 5), now, extraDelay);
}

void SwitchModel::Answer(std::string_view keyword, std::string reply, TimeMs now,
                         TimeMs extraDelay) {
  if (faults.silentAfterBytes >= 0 && received_ > faults.silentAfterBytes) return;
  TimeMs delay = extraDelay;
  if (faults.Applies(keyword)) {
    if (faults.silent) return;
    if (auto it = faults.replies.find(lastLine_); it != faults.replies.end()) {
      reply = it->second;
    } else if (auto kw = faults.replies.find(std::string(keyword)); kw != faults.replies.end()) {
      reply = kw->second;
    }
    if (faults.garbled) {
      for (char& c : reply)
        c = static_cast<char>(c ^ 0x20);
    }
    if (faults.shortReply >= 0 && reply.size() > static_cast<std::size_t>(faults.shortReply)) {
      reply.resize(static_cast<std::size_t>(faults.shortReply));
    }
    delay += faults.replyDelay;
  }
  if (reply.empty()) return;
  TimeMs due = now + delay;
  // Answers leave the switch in the order they were made.
  if (!pending_.empty()) due = std::max(due, pending_.back().due);
  pending_.push_back({due, std::move(reply)});
}

void SwitchModel::StartRestart(TimeMs now) {
  ++restarts_;
  restartUntil_ = now + timing.restart;
  pending_.clear();
  line_.clear();
  loggedIn_ = false;
  maintenance_ = false;
}

void SwitchModel::PowerCycle(TimeMs now) {
  StartRestart(now);
  inLoader_ = !loader.firmwareIntact;
  if (inLoader_) loader.Enter();
}

void SwitchModel::StrandInLoader() {
  loader.firmwareIntact = false;
  inLoader_ = true;
  loader.Enter();
}

void SwitchModel::FinishRestart(TimeMs) {
  restartUntil_.reset();
}

std::string SwitchModel::TakeDue(TimeMs now) {
  std::string bytes;
  while (!pending_.empty() && pending_.front().due <= now) {
    bytes += pending_.front().bytes;
    pending_.pop_front();
  }
  return bytes;
}

std::optional<TimeMs> SwitchModel::NextDue() const {
  if (pending_.empty()) return std::nullopt;
  return pending_.front().due;
}

}  // namespace taviron::sim
