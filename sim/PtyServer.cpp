#include "sim/PtyServer.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

namespace taviron::sim {

PtyServer::~PtyServer() {
  if (deviceSide_ >= 0) ::close(deviceSide_);
  if (master_ >= 0) ::close(master_);
}

bool PtyServer::Start(std::string& error) {
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
    error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
    return false;
  }
  char name[128];
  if (::ptsname_r(master_, name, sizeof name) != 0) {
    error = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
    return false;
  }
  devicePath_ = name;
  deviceSide_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (deviceSide_ < 0) {
    error = std::string("cannot open ") + name + ": " + std::strerror(errno);
    return false;
  }
  // A fresh pseudo-terminal echoes and edits lines; a serial line does neither.
  termios tio{};
  ::tcgetattr(deviceSide_, &tio);
  ::cfmakeraw(&tio);
  ::tcsetattr(deviceSide_, TCSANOW, &tio);
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
  return true;
}

void PtyServer::OnReadable() {
  char bytes[512];
  for (;;) {
    ssize_t n = ::read(master_, bytes, sizeof bytes);
    if (n > 0) {
      model_.Receive(std::string_view(bytes, static_cast<std::size_t>(n)), clock_.Now());
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    return;  // EAGAIN, or EIO while no one has the device side open
  }
}

void PtyServer::Deliver() {
  const double now = static_cast<double>(clock_.Now());
  std::string due = model_.TakeDue(clock_.Now());
  const double byteTime = baud_ > 0 ? 10000.0 / baud_ : 0.0;
  for (char c : due) {
    // A byte is there when its stop bit has passed, one byte time after it started.
    double leaves = std::max(now, lineFreeAt_);
    lineFreeAt_ = leaves + byteTime;
    outgoing_.emplace_back(lineFreeAt_, c);
  }
  std::string ready;
  while (!outgoing_.empty() && outgoing_.front().first <= now) {
    ready += outgoing_.front().second;
    outgoing_.pop_front();
  }
  std::size_t sent = 0;
  blocked_ = false;
  while (sent < ready.size()) {
    ssize_t n = ::write(master_, ready.data() + sent, ready.size() - sent);
    if (n > 0) {
      sent += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    blocked_ = true;  // the line's buffer is full: what is left waits for the next turn
    break;
  }
  for (std::size_t i = ready.size(); i > sent; --i) {
    outgoing_.push_front({now, ready[i - 1]});
  }
}

int PtyServer::Service() {
  Deliver();
  double next = -1;
  if (!outgoing_.empty()) next = outgoing_.front().first;
  if (std::optional<TimeMs> due = model_.NextDue()) {
    next = next < 0 ? static_cast<double>(*due) : std::min(next, static_cast<double>(*due));
  }
  if (next < 0) return -1;
  if (blocked_) return 10;
  double wait = next - static_cast<double>(clock_.Now());
  return wait <= 0 ? 0 : static_cast<int>(std::ceil(wait));
}

}  // namespace taviron::sim
