#include "platform/win32/Win32SerialPort.h"

#include <windows.h>

#include "base/ComPortNames.h"
#include "base/SystemSerialPort.h"
#include "platform/win32/Win32ErrorText.h"

namespace taviron {
namespace {

constexpr DWORD kQueueSize = 4096;

HANDLE AsHandle(void* handle) {
  return static_cast<HANDLE>(handle);
}

COMMTIMEOUTS ToWindows(const CommTimeouts& t) {
  COMMTIMEOUTS w{};
  w.ReadIntervalTimeout = t.readInterval;
  w.ReadTotalTimeoutMultiplier = t.readTotalMultiplier;
  w.ReadTotalTimeoutConstant = t.readTotalConstant;
  w.WriteTotalTimeoutMultiplier = t.writeTotalMultiplier;
  w.WriteTotalTimeoutConstant = t.writeTotalConstant;
  return w;
}

DWORD ToWindowsPurge(unsigned what) {
  DWORD flags = 0;
  if (what & purge::kTxAbort) flags |= PURGE_TXABORT;
  if (what & purge::kRxAbort) flags |= PURGE_RXABORT;
  if (what & purge::kTxClear) flags |= PURGE_TXCLEAR;
  if (what & purge::kRxClear) flags |= PURGE_RXCLEAR;
  return flags;
}

}  // namespace

struct Win32SerialPort::FoundLine {
  DCB dcb{};
  bool haveTimeouts = false;
  COMMTIMEOUTS timeouts{};
};

std::unique_ptr<SerialPort> NewSystemSerialPort(const ComPortAssignments*) {
  // Every COM name reaches its own port on Windows; there is nothing to assign.
  return std::make_unique<Win32SerialPort>();
}

void LeadComNames(SerialPort&, const ComPortAssignments*) {}

Win32SerialPort::Win32SerialPort() = default;

Win32SerialPort::~Win32SerialPort() {
  Close();
}

bool Win32SerialPort::Fail() {
  return Fail(::GetLastError());
}

bool Win32SerialPort::Fail(std::uint32_t code) {
  lastError_ = code;
  return false;
}

OsError Win32SerialPort::LastError() const {
  OsError error = SystemError(static_cast<long>(lastError_));
  // A COM port another program holds is refused with "access denied".
  if (lastError_ == ERROR_ACCESS_DENIED) error.kind = OsErrorKind::kInUse;
  return error;
}

std::string Win32SerialPort::LastErrorText() const {
  return SystemErrorText(lastError_);
}

bool Win32SerialPort::Open(std::string_view deviceName) {
  if (handle_ != nullptr) return Fail(ERROR_BUSY);
  // A device path of another system, or any other name, is not a port here.
  std::string device = ComPortDevice(deviceName);
  if (device.empty()) return Fail(ERROR_INVALID_NAME);
  HANDLE h = ::CreateFileA(device.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return Fail();
  // Only a device with a line state is a serial port; a file or a printer behind the name is not.
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (::GetFileType(h) != FILE_TYPE_CHAR || !::GetCommState(h, &dcb)) {
    DWORD code = ::GetLastError();
    ::CloseHandle(h);
    return Fail(code != ERROR_SUCCESS ? code : ERROR_BAD_DEVICE);
  }
  handle_ = h;
  keptErrors_ = 0;
  device_ = device;
  found_ = std::make_unique<FoundLine>();
  found_->dcb = dcb;
  found_->haveTimeouts = ::GetCommTimeouts(h, &found_->timeouts) != 0;
  // The preparation of every opening; a step the driver refuses shows in the first exchange.
  ::SetCommMask(h, EV_RXCHAR);
  ::SetupComm(h, kQueueSize, kQueueSize);
  ::PurgeComm(h, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
  COMMTIMEOUTS timeouts = ToWindows(CommTimeouts{});
  ::SetCommTimeouts(h, &timeouts);
  return true;
}

bool Win32SerialPort::SetLine() {
  if (handle_ == nullptr) return Fail(ERROR_INVALID_HANDLE);
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (!::GetCommState(AsHandle(handle_), &dcb)) return Fail();
  // Exactly these fields; flow control and the rest stay as the driver had them.
  dcb.BaudRate = CBR_38400;
  dcb.ByteSize = 8;
  dcb.Parity = NOPARITY;
  dcb.StopBits = ONESTOPBIT;
  dcb.fBinary = 1;
  dcb.fParity = 0;
  return ::SetCommState(AsHandle(handle_), &dcb) || Fail();
}

bool Win32SerialPort::SetTimeouts(const CommTimeouts& timeouts) {
  if (handle_ == nullptr) return Fail(ERROR_INVALID_HANDLE);
  COMMTIMEOUTS w = ToWindows(timeouts);
  return ::SetCommTimeouts(AsHandle(handle_), &w) || Fail();
}

bool Win32SerialPort::Read(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) {
  done = 0;
  if (handle_ == nullptr) return Fail(ERROR_INVALID_HANDLE);
  DWORD n = 0;
  bool ok = ::ReadFile(AsHandle(handle_), buffer, count, &n, nullptr);
  done = n;
  return ok || Fail();
}

bool Win32SerialPort::Write(const std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) {
  done = 0;
  if (handle_ == nullptr) return Fail(ERROR_INVALID_HANDLE);
  DWORD n = 0;
  bool ok = ::WriteFile(AsHandle(handle_), buffer, count, &n, nullptr);
  done = n;
  return ok || Fail();
}

CommStatus Win32SerialPort::ClearCommError() {
  if (handle_ == nullptr) {
    Fail(ERROR_INVALID_HANDLE);
    return {};
  }
  DWORD errors = 0;
  COMSTAT status{};
  if (!::ClearCommError(AsHandle(handle_), &errors, &status)) {
    Fail();
    return {};
  }
  errors |= keptErrors_;
  keptErrors_ = 0;
  return CommStatus{true, errors, status.cbInQue};
}

bool Win32SerialPort::Purge(unsigned what) {
  if (handle_ == nullptr) return Fail(ERROR_INVALID_HANDLE);
  DWORD flags = ToWindowsPurge(what);
  constexpr DWORD kOutput = PURGE_TXABORT | PURGE_TXCLEAR;
  if ((flags & kOutput) != 0) {
    // Only bytes still waiting to leave are discarded: where the driver holds none (a
    // pseudo-terminal behind Wine always), discarding would drop bytes already on their way to
    // the other side, such as the reset command just before the port closes. The look clears the
    // line errors; they are kept for the next ClearCommError.
    DWORD errors = 0;
    COMSTAT status{};
    if (::ClearCommError(AsHandle(handle_), &errors, &status)) {
      keptErrors_ |= errors;
      if (status.cbOutQue == 0) flags &= ~kOutput;
    }
  }
  if (flags == 0) return true;
  return ::PurgeComm(AsHandle(handle_), flags) || Fail();
}

bool Win32SerialPort::LowerDtr() {
  if (handle_ == nullptr) return Fail(ERROR_INVALID_HANDLE);
  if (::EscapeCommFunction(AsHandle(handle_), CLRDTR)) return true;
  // A device without modem lines (a USB bridge without them, a pseudo-terminal behind Wine) has
  // no DTR to lower.
  DWORD code = ::GetLastError();
  return code == ERROR_INVALID_FUNCTION || code == ERROR_NOT_SUPPORTED || Fail(code);
}

bool Win32SerialPort::ReleaseFlowControl() {
  if (handle_ == nullptr) return Fail(ERROR_INVALID_HANDLE);
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (!::GetCommState(AsHandle(handle_), &dcb)) return Fail();
  dcb.fOutxCtsFlow = 0;
  dcb.fOutxDsrFlow = 0;
  dcb.fRtsControl = RTS_CONTROL_DISABLE;
  dcb.fAbortOnError = 1;
  return ::SetCommState(AsHandle(handle_), &dcb) || Fail();
}

void Win32SerialPort::Close() {
  if (handle_ == nullptr) return;
  HANDLE h = AsHandle(handle_);
  // The line as it was found: this opening's settings are not the next program's.
  if (found_) {
    ::SetCommState(h, &found_->dcb);
    if (found_->haveTimeouts) ::SetCommTimeouts(h, &found_->timeouts);
    found_.reset();
  }
  ::SetCommMask(h, 0);
  ::CloseHandle(h);
  handle_ = nullptr;
}

}  // namespace taviron
