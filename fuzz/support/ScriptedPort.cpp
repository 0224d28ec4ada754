#include "fuzz/support/ScriptedPort.h"

#include <algorithm>
#include <cstring>

namespace taviron::fuzz {

bool ScriptedPort::Read(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) {
  done = 0;
  if (!open_) return false;
  done = static_cast<std::uint32_t>(std::min<std::size_t>(count, received_.size()));
  std::memcpy(buffer, received_.data(), done);
  reads.push_back(received_.substr(0, done));
  received_.erase(0, done);
  return true;
}

bool ScriptedPort::Write(const std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) {
  done = 0;
  if (!open_) return false;
  std::string_view bytes(reinterpret_cast<const char*>(buffer), count);
  writes.emplace_back(bytes);
  if (responder) received_ += responder(bytes);
  done = count;
  return true;
}

CommStatus ScriptedPort::ClearCommError() {
  if (!open_) return {};
  return {true, 0, static_cast<std::uint32_t>(received_.size())};
}

bool ScriptedPort::Purge(unsigned what) {
  if (!open_) return false;
  if (what & (purge::kRxClear | purge::kRxAbort)) received_.clear();
  return true;
}

}  // namespace taviron::fuzz
