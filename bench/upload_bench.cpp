// The firmware upload against taviron-switchsim over a pseudo-terminal whose answers come at
// 38400 baud: how close the whole upload comes to its floor, the protocol's fixed waits plus
// the time its bytes need on the line. Then the memory of the whole-file check of a 1 MB and a
// 10 MB file, which must not grow with the file.
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>
#include <string>
#include <thread>

#include "bench/BenchSupport.h"
#include "firmware/FileCheck.h"
#include "firmware/FirmwareUpload.h"
#include "firmware/HexFile.h"
#include "link/CommandTable.h"
#include "platform/posix/PosixSerialPort.h"
#include "program/Configurator.h"

using namespace taviron;

// Heap bytes in use and their peak, for the memory figures of the check.
namespace {
std::size_t heapNow = 0;
std::size_t heapPeak = 0;
}  // namespace

void* operator new(std::size_t size) {
  void* p = std::malloc(size + sizeof(std::max_align_t));
  if (p == nullptr) throw std::bad_alloc();
  *static_cast<std::size_t*>(p) = size;
  heapNow += size;
  if (heapNow > heapPeak) heapPeak = heapNow;
  return static_cast<char*>(p) + sizeof(std::max_align_t);
}
void operator delete(void* p) noexcept {
  if (p == nullptr) return;
  char* block = static_cast<char*>(p) - sizeof(std::max_align_t);
  heapNow -= *reinterpret_cast<std::size_t*>(block);
  std::free(block);
}
void operator delete(void* p, std::size_t) noexcept {
  operator delete(p);
}

namespace {

constexpr int kBaud = 38400;

double LineMs(double bytes) {
  return bytes * 10.0 * 1000.0 / kBaud;
}

// A port whose writes take the time the bytes need on a 38400 baud line, as a real port's
// writes do; a pseudo-terminal alone takes them at once. Counts what went each way.
class LinePacedPort : public SerialPort {
 public:
  explicit LinePacedPort(SerialPort& line) : line_(line) {}
  bool Open(std::string_view name) override { return line_.Open(name); }
  bool IsOpen() const override { return line_.IsOpen(); }
  bool SetLine() override { return line_.SetLine(); }
  bool SetTimeouts(const CommTimeouts& t) override { return line_.SetTimeouts(t); }
  bool Read(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) override {
    bool ok = line_.Read(buffer, count, done);
    bytesRead += done;
    return ok;
  }
  bool Write(const std::uint8_t* buffer, std::uint32_t count, std::uint32_t& done) override {
    auto start = std::chrono::steady_clock::now();
    bool ok = line_.Write(buffer, count, done);
    bytesWritten += done;
    std::this_thread::sleep_until(start + std::chrono::microseconds(static_cast<long long>(
                                              LineMs(static_cast<double>(done)) * 1000.0)));
    return ok;
  }
  CommStatus ClearCommError() override { return line_.ClearCommError(); }
  bool Purge(unsigned what) override { return line_.Purge(what); }
  bool LowerDtr() override { return line_.LowerDtr(); }
  bool ReleaseFlowControl() override { return line_.ReleaseFlowControl(); }
  void Close() override { line_.Close(); }
  OsError LastError() const override { return line_.LastError(); }

  std::uint64_t bytesWritten = 0;
  std::uint64_t bytesRead = 0;

 private:
  SerialPort& line_;
};

// The steady clock, adding up the waits the program asks for.
class CountingClock : public Clock {
 public:
  TimeMs Now() const override { return clock_.Now(); }
  void Sleep(TimeMs ms) override {
    slept += ms;
    clock_.Sleep(ms);
  }
  LocalDateTime LocalNow() const override { return clock_.LocalNow(); }
  TimeMs slept = 0;

 private:
  SteadyClock clock_;
};

// An Intel HEX file of 16-byte data records from address 0, an extended linear address record
// at every 64 KiB, and the end record. Returns the records the upload counts.
long WriteHexFile(const std::filesystem::path& path, std::uint64_t dataRecords) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  std::vector<char> buffer(1 << 16);
  out.rdbuf()->pubsetbuf(buffer.data(), static_cast<std::streamsize>(buffer.size()));
  long counted = 0;
  char line[64];
  auto record = [&](int length, unsigned address, int type, const std::uint8_t* data) {
    unsigned sum = static_cast<unsigned>(length) + (address >> 8) + (address & 0xFF) +
                   static_cast<unsigned>(type);
    int n = std::snprintf(line, sizeof line, ":%02X%04X%02X", length, address, type);
    for (int i = 0; i < length; ++i) {
      n += std::snprintf(line + n, sizeof line - static_cast<std::size_t>(n), "%02X", data[i]);
      sum += data[i];
    }
    std::snprintf(line + n, sizeof line - static_cast<std::size_t>(n), "%02X\n", -sum & 0xFF);
    out << line;
    if (type != 1) ++counted;
  };
  std::uint8_t data[16];
  for (std::uint64_t r = 0; r < dataRecords; ++r) {
    std::uint64_t address = r * 16;
    if (address % 0x10000 == 0) {
      std::uint8_t upper[2] = {static_cast<std::uint8_t>(address >> 24),
                               static_cast<std::uint8_t>(address >> 16)};
      record(2, 0, 4, upper);
    }
    for (int i = 0; i < 16; ++i)
      data[i] = static_cast<std::uint8_t>(address + static_cast<std::uint64_t>(i) * 7);
    record(16, static_cast<unsigned>(address & 0xFFFF), 0, data);
  }
  record(0, 0, 1, nullptr);
  return counted;
}

// The waits the loader dialogue fixes for an upload of this many records that succeeds at the
// first attempt, with the refresh after the reconnect: pauses, and 10 ms per byte of every read.
TimeMs UploadWaits(long records) {
  const TimeMs enter = 1200 + 100 + 200 * 10;     // fupm, the wake-up line, the banner
  const TimeMs bank = 50 + 6 * 10;                // B 0
  const TimeMs erase = 10 + 20 * 10 + 10 + 2000;  // Z 0, its question, y and the erase
  const TimeMs load = 5 * 10 + 10 + 3 * 10;       // the prompt, then L
  const TimeMs result = 80 * 10;                  // the loader's verdict
  const TimeMs leave = 50 + 4 * 50;               // four CRs before E
  const TimeMs reconnect = 2000 + 100 + 5 * 10;   // the restart, the probe
  TimeMs refresh = 0;
  for (const SwitchCommand* c :
       {&command::kFirmwareVersion, &command::kDischargeElement, &command::kFirmwareError,
        &command::kRelayGet, &command::kPortConfig, &command::kPortErrors}) {
    refresh += c->pause + 10 * static_cast<TimeMs>(c->replyBytes);
  }
  return enter + bank + erase + load + 30 * records + result + leave + reconnect + refresh;
}

// Child modes: one whole-file check, or (for comparison) the file held in memory whole.
int CheckChild(const char* path) {
  std::size_t before = heapNow;
  heapPeak = heapNow;
  HexFile file;
  const Failure* refused = CheckWholeFile(file, path);
  std::printf("%u %zu\n", refused ? refused->code : 0u, heapPeak - before);
  return 0;
}
int HoldChild(const char* path) {
  std::size_t before = heapNow;
  heapPeak = heapNow;
  std::ifstream in(path, std::ios::binary);
  std::stringstream whole;
  whole << in.rdbuf();
  std::string text = whole.str();
  std::printf("%zu %zu\n", text.size(), heapPeak - before);
  return 0;
}

struct ChildRun {
  long maxRssKiB = -1;
  std::string output;
};

ChildRun RunChild(const char* mode, const std::filesystem::path& path) {
  ChildRun run;
  int out[2];
  if (::pipe(out) != 0) return run;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
  std::string file = path.string();
  std::string modeText = mode;
  char* args[] = {self.data(), modeText.data(), file.data(), nullptr};
  pid_t pid = -1;
  if (posix_spawn(&pid, self.c_str(), &actions, nullptr, args, environ) != 0) return run;
  ::close(out[1]);
  char bytes[256];
  for (ssize_t n; (n = ::read(out[0], bytes, sizeof bytes)) > 0;)
    run.output.append(bytes, static_cast<std::size_t>(n));
  ::close(out[0]);
  int status = 0;
  rusage usage{};
  if (::wait4(pid, &status, 0, &usage) == pid) run.maxRssKiB = usage.ru_maxrss;
  return run;
}

// Keeps the last message, so a failed run says why.
class BenchFrontend : public bench::QuietFrontend {
 public:
  void MessageBox(std::string_view text, std::string_view caption) override {
    bench::QuietFrontend::MessageBox(text, caption);
    last = std::string(caption) + ": " + std::string(text);
  }
  std::string last;
};

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

void MemoryOfTheCheck(const std::filesystem::path& dir) {
  std::printf("\nwhole-file check, peak memory of a process that only checks the file\n");
  std::printf("%10s %10s %14s %14s %18s %18s\n", "file", "records", "check RSS KiB", "check heap B",
              "held whole RSS KiB", "held whole heap B");
  for (std::uint64_t megabytes : {1, 10}) {
    // 16-byte records take 44 bytes a line.
    const std::uint64_t records = megabytes * 1000 * 1000 / 44;
    std::filesystem::path path = dir / (megabytes < 10 ? "check-01mb.hex" : "check-10mb.hex");
    long counted = WriteHexFile(path, records);
    ChildRun check = RunChild("--check", path);
    ChildRun hold = RunChild("--hold", path);
    unsigned code = 0;
    std::size_t checkHeap = 0, held = 0, holdHeap = 0;
    std::sscanf(check.output.c_str(), "%u %zu", &code, &checkHeap);
    std::sscanf(hold.output.c_str(), "%zu %zu", &held, &holdHeap);
    std::printf("%7.1f MB %10ld %14ld %14zu %18ld %18zu%s\n",
                static_cast<double>(std::filesystem::file_size(path)) / 1e6, counted,
                check.maxRssKiB, checkHeap, hold.maxRssKiB, holdHeap,
                code == 0 ? "" : "  (the check refused the file)");
    std::filesystem::remove(path);
  }
  std::printf(
      "target: the check's figures the same for both files; holding the file whole, "
      "for comparison, grows with it\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--check") return CheckChild(argv[2]);
  if (argc == 3 && std::string(argv[1]) == "--hold") return HoldChild(argv[2]);
  const long dataRecords = argc > 1 ? std::atol(argv[1]) : 500;

  std::filesystem::path dir = std::filesystem::temp_directory_path() / "taviron-upload-bench";
  std::filesystem::create_directories(dir);
  const std::filesystem::path firmware = dir / "firmware.hex";
  const long records = WriteHexFile(firmware, static_cast<std::uint64_t>(dataRecords));

  {
    bench::SimulatorProcess sim({"--pace", std::to_string(kBaud)});
    ::setenv("TAVIRON_COM1", sim.Device().c_str(), 1);
    PosixSerialPort posix;
    LinePacedPort port(posix);
    CountingClock clock;
    BenchFrontend frontend;
    Configurator c(port, clock, frontend, dir);
    if (!c.exchange.link.OpenConfiguredPort() || !c.exchange.link.SetupConnection()) {
      std::fprintf(stderr, "cannot open %s\n", sim.Device().c_str());
      return 1;
    }
    c.exchange.link.LinkState = kLinkConnected;
    FwUpdateOpenFile(c.exchange, c.fwUpdate, firmware.string());

    auto start = std::chrono::steady_clock::now();
    FwUpdateUpload(c.exchange, c.monitor, c.access, c.fwUpdate);
    const double measured = Seconds(std::chrono::steady_clock::now() - start) * 1000.0;

    const TimeMs waits = UploadWaits(records);
    const double sent = LineMs(static_cast<double>(port.bytesWritten));
    const double floor = static_cast<double>(waits) + sent;
    std::printf("firmware upload over a pseudo-terminal at %d baud: %ld records, %ju bytes\n",
                kBaud, records, static_cast<std::uintmax_t>(std::filesystem::file_size(firmware)));
    if (frontend.boxes > 0 || c.exchange.link.LinkState != kLinkConnected)
      std::printf("  (the upload failed, state %d: %s)\n", c.exchange.link.LinkState,
                  frontend.last.c_str());
    std::printf("  measured           %10.0f ms\n", measured);
    std::printf(
        "  floor              %10.0f ms = fixed waits %lld ms + %llu bytes sent, %.0f ms "
        "on the line\n",
        floor, static_cast<long long>(waits), static_cast<unsigned long long>(port.bytesWritten),
        sent);
    std::printf("  ratio              %10.4f (target: within 1.02)\n", measured / floor);
    std::printf(
        "  waits asked of the clock: %lld ms (the fixed waits as the program counted "
        "them)\n",
        static_cast<long long>(clock.slept));
    std::printf(
        "  answers read: %llu bytes, %.0f ms on the line; every read waits its fixed "
        "time and takes what has come, so they add nothing to the floor\n",
        static_cast<unsigned long long>(port.bytesRead),
        LineMs(static_cast<double>(port.bytesRead)));
    c.exchange.link.CloseConnection();
    ::unsetenv("TAVIRON_COM1");
  }

  MemoryOfTheCheck(dir);
  std::filesystem::remove_all(dir);
  return 0;
}
