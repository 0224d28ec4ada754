#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "base/Clock.h"

namespace taviron::sim {

// Ways the loader can misbehave.
struct LoaderFaults {
  bool noBanner = false;              // a CR gets the prompt only
  bool noDs80c400 = false;            // the banner does not name the processor
  bool noSure = false;                // the erase question lacks "sure?"
  int errorAtRecord = -1;             // this record (1 = first) of a load is refused with "Err"
  int errorLoads = -1;                // how many loads errorAtRecord spoils; -1 every load
  long long silentAfterRecords = -1;  // goes silent for good after this many records of a load
};

// The serial loader in the processor's ROM, as far as the firmware upgrade uses it: a banner on
// the first CR, echo of commands, "B n" bank selection, "Z n" erase with a confirmation,
// "L" Intel HEX load (silent while it goes well, a line with "Err" when it does not) and "E"
// to leave. It keeps every byte it loaded.
class RomLoader {
 public:
  struct Output {
    TimeMs delay;  // after the byte that caused it
    std::string bytes;
  };

  LoaderFaults faults;
  TimeMs eraseTime = 1200;
  // A load the line leaves quiet this long is given up: the loader reports it and takes
  // commands again. Long enough that a sender stalled by a busy machine (a program under Wine
  // beside a build) is not taken for one that went away.
  TimeMs loadIdleTime = 30000;
  // Bank 0 holds a whole firmware: false from its erase until a load ends complete. Without
  // it the switch has nothing to start and comes back into its loader.
  bool firmwareIntact = true;
  // Loaded bytes by full address: bank (or extended linear address) times 65536 plus offset.
  std::map<std::uint32_t, std::uint8_t> image;
  int loads = 0;
  int erases = 0;
  long long recordsInLoad = 0;

  // The firmware hands the line over.
  void Enter();
  // One byte from the line. Returns false when the byte was "E" and its CR: the loader is left.
  bool Receive(char byte, TimeMs now, std::vector<Output>& out);
  bool Active() const { return active_; }

 private:
  enum class State { kCommand, kConfirmErase, kLoad, kDead };
  void Command(const std::string& line, TimeMs now, std::vector<Output>& out);
  void LoadByte(char byte, std::vector<Output>& out);
  void FinishRecord(std::vector<Output>& out);
  void Fail(std::string_view why, std::vector<Output>& out);

  bool active_ = false;
  bool bannerShown_ = false;
  State state_ = State::kCommand;
  std::string line_;
  int eraseBank_ = 0;
  TimeMs busyUntil_ = 0;
  TimeMs lastByte_ = 0;
  std::uint32_t upper_ = 0;  // bank or extended linear address
  bool inRecord_ = false;
  bool aborted_ = false;
  std::string digits_;
};

}  // namespace taviron::sim
