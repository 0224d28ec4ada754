#include "platform/posix/PosixSerialPort.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

#include "base/ComPortAssignments.h"
#include "base/ComPortNames.h"
#include "base/SystemSerialPort.h"

namespace taviron {
namespace {

std::int64_t NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Waits until the descriptor is ready for the given events or the deadline passes.
bool WaitReady(int fd, short events, std::int64_t deadline) {
  for (;;) {
    std::int64_t left = deadline - NowMs();
    if (left < 0) left = 0;
    pollfd p{fd, events, 0};
    int n = ::poll(&p, 1, static_cast<int>(left));
    if (n < 0 && errno == EINTR) continue;
    return n > 0 && (p.revents & events) != 0;
  }
}

}  // namespace

std::unique_ptr<SerialPort> NewSystemSerialPort(const ComPortAssignments* assignments) {
  auto port = std::make_unique<PosixSerialPort>();
  port->UseAssignments(assignments);
  return port;
}

void LeadComNames(SerialPort& systemPort, const ComPortAssignments* assignments) {
  static_cast<PosixSerialPort&>(systemPort).UseAssignments(assignments);
}

PosixSerialPort::~PosixSerialPort() {
  Close();
}

bool PosixSerialPort::Fail() {
  return Fail(errno);
}

bool PosixSerialPort::Fail(int code) {
  lastError_ = SystemError(code);
  return false;
}

std::string PosixSerialPort::DeviceFor(std::string_view deviceName) const {
  return assignments_ != nullptr ? ComPortDevice(deviceName, *assignments_)
                                 : ComPortDevice(deviceName);
}

bool PosixSerialPort::Open(std::string_view deviceName) {
  if (fd_ >= 0) return Fail(EBUSY);
  std::string device = DeviceFor(deviceName);
  if (device.empty()) return Fail(ENOENT);
  int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return Fail();
  // Only a terminal device is a port, and only one opener may hold it.
  int refused = 0;
  if (!::isatty(fd)) {
    refused = ENOTTY;
  } else if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    refused = errno;
  }
  if (refused != 0) {
    ::close(fd);
    return Fail(refused);
  }
  ::ioctl(fd, TIOCEXCL);
  haveFoundLine_ = ::tcgetattr(fd, &foundLine_) == 0;
  fd_ = fd;
  device_ = device;
  timeouts_ = CommTimeouts{};
  haveCounters_ = ReadCounters(counters_);
  return true;
}

bool PosixSerialPort::SetLine() {
  termios tio{};
  if (fd_ < 0) return Fail(EBADF);
  if (::tcgetattr(fd_, &tio) != 0) return Fail();
  // Raw binary transfer: no translation, no echo, no line editing, no signals, no parity check.
  // Software flow control would swallow data bytes, so it goes too; hardware flow control stays
  // as the driver had it.
  tio.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL |
                                        INPCK | IXON | IXOFF | IXANY);
  tio.c_oflag &= ~static_cast<tcflag_t>(OPOST);
  tio.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
  tio.c_cflag |= CS8 | CREAD | CLOCAL;
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  ::cfsetispeed(&tio, B38400);
  ::cfsetospeed(&tio, B38400);
  if (::tcsetattr(fd_, TCSANOW, &tio) != 0) return Fail();
  return true;
}

bool PosixSerialPort::SetTimeouts(const CommTimeouts& timeouts) {
  if (fd_ < 0) return false;
  timeouts_ = timeouts;
  return true;
}

bool PosixSerialPort::Read(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) {
  done = 0;
  if (fd_ < 0) return Fail(EBADF);
  if (count == 0) return true;
  const std::int64_t start = NowMs();
  const std::int64_t total = start + timeouts_.readTotalConstant +
                             static_cast<std::int64_t>(timeouts_.readTotalMultiplier) * count;
  std::int64_t lastByte = start;
  while (done < count) {
    ssize_t n = ::read(fd_, buffer + done, count - done);
    if (n > 0) {
      done += static_cast<std::uint32_t>(n);
      lastByte = NowMs();
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN) return Fail();
    // Nothing queued: wait for more until the interval (after a first byte) or the total passes.
    std::int64_t deadline = total;
    if (done > 0) deadline = std::min<std::int64_t>(total, lastByte + timeouts_.readInterval);
    if (!WaitReady(fd_, POLLIN, deadline)) break;
  }
  return true;
}

bool PosixSerialPort::Write(const std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) {
  done = 0;
  if (fd_ < 0) return Fail(EBADF);
  const std::int64_t deadline = NowMs() + timeouts_.writeTotalConstant +
                                static_cast<std::int64_t>(timeouts_.writeTotalMultiplier) * count;
  while (done < count) {
    ssize_t n = ::write(fd_, buffer + done, count - done);
    if (n > 0) {
      done += static_cast<std::uint32_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN) return Fail();
    if (!WaitReady(fd_, POLLOUT, deadline)) break;
  }
  // A write is done when its bytes have left, as a serial driver completes it: what the line
  // has not sent when the time-out passes does not count as written.
  for (;;) {
    std::uint32_t queued = OutputQueued();
    if (queued == 0 || NowMs() >= deadline) {
      done -= std::min(done, queued);
      return true;
    }
    ::usleep(200);
  }
}

std::uint32_t PosixSerialPort::OutputQueued() const {
  int queued = 0;
  if (::ioctl(fd_, TIOCOUTQ, &queued) != 0 || queued < 0) return 0;
  return static_cast<std::uint32_t>(queued);
}

bool PosixSerialPort::ReadCounters(ErrorCounters& counters) const {
  serial_icounter_struct icount{};
  if (::ioctl(fd_, TIOCGICOUNT, &icount) != 0) return false;  // a pty has none
  counters = {icount.overrun, icount.parity, icount.frame, icount.brk, icount.buf_overrun};
  return true;
}

CommStatus PosixSerialPort::ClearCommError() {
  if (fd_ < 0) {
    Fail(EBADF);
    return {};
  }
  CommStatus status;
  status.ok = true;
  int queued = 0;
  if (::ioctl(fd_, FIONREAD, &queued) == 0 && queued > 0) {
    status.bytesQueued = static_cast<std::uint32_t>(queued);
  }
  ErrorCounters now;
  if (haveCounters_ && ReadCounters(now)) {
    // The word holds what the counters gained since they were last read.
    if (now.bufferOverrun != counters_.bufferOverrun) status.errors |= line_error::kRxOver;
    if (now.overrun != counters_.overrun) status.errors |= line_error::kOverrun;
    if (now.parity != counters_.parity) status.errors |= line_error::kRxParity;
    if (now.frame != counters_.frame) status.errors |= line_error::kFrame;
    if (now.brk != counters_.brk) status.errors |= line_error::kBreak;
    counters_ = now;
  }
  return status;
}

bool PosixSerialPort::Purge(unsigned what) {
  if (fd_ < 0) return Fail(EBADF);
  int failed = 0;  // the error of the flush that failed, if one did
  if ((what & (purge::kRxAbort | purge::kRxClear)) && ::tcflush(fd_, TCIFLUSH) != 0) failed = errno;
  // Only bytes still waiting to leave are discarded: a pseudo-terminal reports none, and
  // flushing it would drop bytes already on their way to the other side.
  if ((what & (purge::kTxAbort | purge::kTxClear)) && OutputQueued() > 0 &&
      ::tcflush(fd_, TCOFLUSH) != 0) {
    failed = errno;
  }
  return failed == 0 || Fail(failed);
}

bool PosixSerialPort::LowerDtr() {
  if (fd_ < 0) return Fail(EBADF);
  int bits = TIOCM_DTR;
  if (::ioctl(fd_, TIOCMBIC, &bits) == 0) return true;
  // A device without modem lines has no DTR to lower.
  return errno == ENOTTY || errno == EINVAL || Fail();
}

bool PosixSerialPort::ReleaseFlowControl() {
  termios tio{};
  if (fd_ < 0) return Fail(EBADF);
  if (::tcgetattr(fd_, &tio) != 0) return Fail();
  tio.c_cflag &= ~CRTSCTS;
  return ::tcsetattr(fd_, TCSANOW, &tio) == 0 || Fail();
}

void PosixSerialPort::Close() {
  if (fd_ < 0) return;
  // The line as it was found: raw mode without echo belongs to this opening, as does the
  // exclusive mode; a later opener must inherit neither.
  if (haveFoundLine_) ::tcsetattr(fd_, TCSANOW, &foundLine_);
  haveFoundLine_ = false;
  ::ioctl(fd_, TIOCNXCL);
  ::flock(fd_, LOCK_UN);
  ::close(fd_);
  fd_ = -1;
  haveCounters_ = false;
}

}  // namespace taviron
