#include "link/Transfer.h"

#include <algorithm>
#include <cstring>

namespace taviron {

bool Transfer::Load(std::string_view command) {
  if (command.size() >= bytes_.size()) return false;
  std::fill(bytes_.begin(), bytes_.end(), 0);
  std::memcpy(bytes_.data(), command.data(), command.size());
  length_ = static_cast<std::uint32_t>(command.size());
  replyLength_ = 0;
  return true;
}

bool Transfer::Send(std::string_view command) {
  if (!Load(command)) return false;
  return link_.RWPort(kWrite, bytes_, done_, length_);
}

void Transfer::SendIni(std::string_view command) {
  if (Load(command)) link_.RWPort_ini(kWrite, bytes_, done_, length_);
}

bool Transfer::Receive(std::uint32_t count) {
  bool ok = link_.RWPort(kRead, bytes_, done_, count);
  replyLength_ = ok ? done_ : 0;
  return ok;
}

std::string_view Transfer::Reply() const {
  std::string_view text(reinterpret_cast<const char*>(bytes_.data()), replyLength_);
  return text.substr(0, text.find('\0'));
}

char Transfer::ByteAt(std::size_t index) const {
  return index < replyLength_ ? static_cast<char>(bytes_[index]) : '\0';
}

char Transfer::ReplyAt(std::size_t index) const {
  std::string_view text = Reply();
  return index < text.size() ? text[index] : '\0';
}

}  // namespace taviron
