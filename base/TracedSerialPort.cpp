#include "base/TracedSerialPort.h"

#include <cstdio>

#include "base/EscapedText.h"

namespace taviron {

std::string TraceText(const std::uint8_t* bytes, std::uint32_t count) {
  return EscapedText(std::string_view(reinterpret_cast<const char*>(bytes), count));
}

TracedSerialPort::TracedSerialPort(SerialPort& inner, std::ostream& trace)
    : inner_(inner), trace_(trace) {}

void TracedSerialPort::Line(char direction, std::string_view text) {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - start_)
                      .count();
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%8lld ms %c ", static_cast<long long>(ms), direction);
  trace_ << stamp << text << "\n";
  trace_.flush();
}

bool TracedSerialPort::Open(std::string_view deviceName) {
  const bool opened = inner_.Open(deviceName);
  const std::string name(deviceName);
  Line('=', (opened ? "open " : "cannot open ") +
                TraceText(reinterpret_cast<const std::uint8_t*>(name.data()),
                          static_cast<std::uint32_t>(name.size())));
  return opened;
}

bool TracedSerialPort::Read(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) {
  const bool ok = inner_.Read(buffer, count, done);
  if (done > 0) Line('<', TraceText(buffer, done));
  return ok;
}

bool TracedSerialPort::Write(const std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) {
  const bool ok = inner_.Write(buffer, count, done);
  if (done > 0) Line('>', TraceText(buffer, done));
  return ok;
}

void TracedSerialPort::Close() {
  if (inner_.IsOpen()) Line('=', "close");
  inner_.Close();
}

}  // namespace taviron
