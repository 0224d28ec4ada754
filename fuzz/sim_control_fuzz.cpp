// Control lines of the simulated switch, as typed on its standard input: each is answered, the
// escapes of a typed text read back as written, and whatever state and faults they leave, the
// switch still serves a start-up, a refresh and a reset in bounded time.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzRig.h"
#include "link/Greeting.h"
#include "monitor/MainDisplay.h"
#include "session/Startup.h"
#include "session/SwitchReset.h"
#include "sim/SimControl.h"

namespace {

using namespace taviron;

std::string FirstWord(const std::string& line) {
  std::istringstream in(line);
  std::string word;
  in >> word;
  return word;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 2048) return -1;
  fuzz::FuzzRig rig;
  for (const std::string& line : fuzz::Split(fuzz::AsText(data, size), '\n')) {
    FUZZ_CHECK(sim::Unescape(sim::Escape(line)) == line);
    // "image" writes a file wherever it is told; it is not the fuzzer's to choose.
    if (FirstWord(line) == "image") continue;
    const std::string answer = sim::ApplyControl(rig.model, line, rig.clock.Now());
    FUZZ_CHECK(answer.empty() == FirstWord(line).empty());
  }
  FUZZ_CHECK(sim::ApplyControl(rig.model, "state", rig.clock.Now()).rfind("password=", 0) == 0);

  StartConnection(rig.c.exchange, rig.c.access, "COM1");
  if (rig.c.exchange.link.SwitchAnswered == 1 && rig.c.exchange.link.SwitchMode == '1') {
    SendPasswordLine(rig.c.exchange.link, rig.model.state.userPassword);
  }
  RefreshAll(rig.c.exchange, rig.c.monitor);
  ResetSwitch(rig.c.exchange, rig.c.monitor, rig.c.access);
  FUZZ_CHECK(rig.clock.Now() < 60000);
  return 0;
}
