#include "sim/RomLoader.h"

#include <cctype>
#include <string_view>

namespace taviron::sim {
namespace {

constexpr std::string_view kPrompt = "\r\n> ";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string Trim(const std::string& text) {
  std::size_t b = text.find_first_not_of(' ');
  if (b == std::string::npos) return {};
  std::size_t e = text.find_last_not_of(' ');
  return text.substr(b, e - b + 1);
}

}  // namespace

void RomLoader::Enter() {
  active_ = true;
  bannerShown_ = false;
  state_ = State::kCommand;
  line_.clear();
  busyUntil_ = 0;
}

bool RomLoader::Receive(char byte, TimeMs now, std::vector<Output>& out) {
  if (!active_ || state_ == State::kDead) return true;
  if (now < busyUntil_) return true;  // erasing: the line is not read
  if (state_ == State::kLoad && now - lastByte_ > loadIdleTime) {
    state_ = State::kCommand;
    out.push_back({0, "\r\nErr: load timed out" + std::string(kPrompt)});
  }
  lastByte_ = now;
  if (state_ == State::kLoad) {
    LoadByte(byte, out);
    return true;
  }
  if (byte == '\n') return true;
  if (byte != '\r') {
    if (line_.size() < 80) line_ += byte;
    out.push_back({0, std::string(1, byte)});
    return true;
  }
  std::string line = Trim(line_);
  line_.clear();
  out.push_back({0, "\r\n"});
  if (state_ == State::kConfirmErase) {
    state_ = State::kCommand;
    if (line == "y" || line == "Y") {
      ++erases;
      if (eraseBank_ == 0) firmwareIntact = false;
      for (auto it = image.begin(); it != image.end();) {
        it = (it->first >> 16) == static_cast<std::uint32_t>(eraseBank_) ? image.erase(it)
                                                                         : std::next(it);
      }
      busyUntil_ = now + eraseTime;
      out.push_back({eraseTime, std::string(kPrompt)});
    } else {
      out.push_back({0, "Erase cancelled" + std::string(kPrompt)});
    }
    return true;
  }
  if (line == "E" || line == "e") {
    active_ = false;
    return false;
  }
  Command(line, now, out);
  return true;
}

void RomLoader::Command(const std::string& line, TimeMs, std::vector<Output>& out) {
  if (line.empty()) {
    if (bannerShown_ || faults.noBanner) {
      out.push_back({0, "> "});
      return;
    }
    bannerShown_ = true;
    std::string banner = faults.noDs80c400 ? "TINI loader, network microcontroller ROM 1.0"
                                           : "DS80C400 ROM loader for TINI 1.0";
    out.push_back({0, banner + "\r\nBank 0 selected" + std::string(kPrompt)});
    return;
  }
  char verb = static_cast<char>(std::toupper(static_cast<unsigned char>(line[0])));
  std::string argument = Trim(line.substr(1));
  int number = -1;
  if (!argument.empty() && argument.size() <= 3 &&
      argument.find_first_not_of("0123456789") == std::string::npos) {
    number = std::stoi(argument);
  }
  if (verb == 'B' && number >= 0 && number < 256) {
    upper_ = static_cast<std::uint32_t>(number);
    out.push_back({0, std::string(kPrompt.substr(2))});
  } else if (verb == 'Z' && number >= 0 && number < 256) {
    eraseBank_ = number;
    state_ = State::kConfirmErase;
    out.push_back({0, faults.noSure ? "Erase bank? " : "Are you sure? "});
  } else if (verb == 'L' && argument.empty()) {
    state_ = State::kLoad;
    ++loads;
    recordsInLoad = 0;
    inRecord_ = false;
    aborted_ = false;
    digits_.clear();
  } else {
    out.push_back({0, "Err: unknown command" + std::string(kPrompt)});
  }
}

void RomLoader::Fail(std::string_view why, std::vector<Output>& out) {
  aborted_ = true;
  out.push_back({0, "\r\nErr: " + std::string(why) + "\r\n"});
}

void RomLoader::LoadByte(char byte, std::vector<Output>& out) {
  if (!inRecord_) {
    if (byte != ':') return;  // anything between records is ignored
    inRecord_ = true;
    digits_.clear();
    return;
  }
  if (HexValue(byte) < 0) {
    inRecord_ = false;
    if (!aborted_) Fail("bad record", out);
    if (byte == ':') {  // a new record starts at once
      inRecord_ = true;
      digits_.clear();
    }
    return;
  }
  digits_ += byte;
  if (digits_.size() < 2) return;
  std::size_t length = static_cast<std::size_t>(HexValue(digits_[0])) * 16 +
                       static_cast<std::size_t>(HexValue(digits_[1]));
  if (digits_.size() < 2 * (length + 5)) return;
  inRecord_ = false;
  FinishRecord(out);
}

void RomLoader::FinishRecord(std::vector<Output>& out) {
  std::vector<std::uint8_t> bytes;
  for (std::size_t i = 0; i + 1 < digits_.size(); i += 2) {
    bytes.push_back(
        static_cast<std::uint8_t>(HexValue(digits_[i]) * 16 + HexValue(digits_[i + 1])));
  }
  ++recordsInLoad;
  if (faults.silentAfterRecords >= 0 && recordsInLoad > faults.silentAfterRecords) {
    state_ = State::kDead;
    return;
  }
  const std::uint8_t type = bytes[3];
  auto finishLoad = [&] {
    state_ = State::kCommand;
    out.push_back({0, std::string(kPrompt)});
  };
  if (aborted_) {
    out.push_back({0, "Err: load aborted\r\n"});
    if (type == 0x01) finishLoad();
    return;
  }
  std::uint8_t sum = 0;
  for (std::uint8_t b : bytes)
    sum = static_cast<std::uint8_t>(sum + b);
  bool spoiled = faults.errorAtRecord == recordsInLoad &&
                 (faults.errorLoads < 0 || loads <= faults.errorLoads);
  if (sum != 0 || spoiled) {
    Fail("checksum", out);
    if (type == 0x01) finishLoad();
    return;
  }
  const std::size_t length = bytes[0];
  const std::uint32_t offset = static_cast<std::uint32_t>(bytes[1]) << 8 | bytes[2];
  switch (type) {
    case 0x00:
      for (std::size_t i = 0; i < length; ++i) {
        image[(upper_ << 16) + ((offset + i) & 0xFFFF)] = bytes[4 + i];
      }
      break;
    case 0x01:
      firmwareIntact = true;
      finishLoad();
      break;
    case 0x04:
      if (length == 2)
        upper_ = static_cast<std::uint32_t>(bytes[4]) << 8 | bytes[5];
      else
        Fail("record", out);
      break;
    case 0x05:
      break;
    default:
      Fail("record type", out);
      break;
  }
}

}  // namespace taviron::sim
