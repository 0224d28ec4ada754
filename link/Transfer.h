#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "link/SwitchLink.h"

namespace taviron {

// The command buffer of one exchange: the command is written from it and the reply read into
// it, as every sequence that talks to the switch does.
class Transfer {
 public:
  explicit Transfer(SwitchLink& link, std::size_t size = 32) : link_(link), bytes_(size, 0) {}

  // Writes the command with RWPort. A command longer than the buffer is not sent.
  bool Send(std::string_view command);
  // Writes the command with RWPort_ini (failures ignored).
  void SendIni(std::string_view command);
  // Reads up to count bytes with RWPort.
  bool Receive(std::uint32_t count);

  // The reply as text: the bytes read, ending early at a NUL byte.
  std::string_view Reply() const;
  // Byte of the reply text at a zero-based index, or 0 beyond its end.
  char ReplyAt(std::size_t index) const;
  // The byte received at a zero-based index, whatever it is (a NUL among them), or 0 beyond
  // what was received: the greeting and the one-byte verdicts look at bytes, not at text.
  char ByteAt(std::size_t index) const;
  std::uint32_t Done() const { return done_; }

 private:
  bool Load(std::string_view command);

  SwitchLink& link_;
  std::vector<std::uint8_t> bytes_;
  std::uint32_t done_ = 0;
  std::uint32_t length_ = 0;
  std::uint32_t replyLength_ = 0;
};

}  // namespace taviron
