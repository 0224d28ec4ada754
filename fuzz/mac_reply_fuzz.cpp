// The switch's MAC address reply: the parser on arbitrary text, and the dialog's reading of the
// address answered with it by the simulated switch. The six boxes hold the reply's six pairs,
// or "00" each with a record; never a mixture.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/MacAddress.h"
#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzRig.h"
#include "link/CommandTable.h"

namespace {

using namespace taviron;
using Pairs = std::array<std::string, 6>;

// The six pairs of "XX XX XX XX XX XX" after the first '[', when they stand there.
bool PairsOf(std::string_view reply, Pairs& pairs) {
  const std::size_t bracket = reply.find('[');
  if (bracket == std::string_view::npos) return false;
  const std::string_view address = reply.substr(bracket + 1, 17);
  if (address.size() != 17) return false;
  for (std::size_t i = 0; i < 6; ++i) {
    if (i < 5 && address[i * 3 + 2] != ' ') return false;
    pairs[i] = std::string(address.substr(i * 3, 2));
  }
  return true;
}

void Parser(std::string_view reply) {
  Pairs parsed;
  parsed.fill("zz");
  const bool ok = ParseMacReply(reply, parsed);
  Pairs expected;
  FUZZ_CHECK(ok == PairsOf(reply, expected));
  if (ok) {
    FUZZ_CHECK(parsed == expected);
  } else {
    // A reply without an address leaves the pairs as they were.
    for (const std::string& pair : parsed)
      FUZZ_CHECK(pair == "zz");
  }
}

void ReadInDialog(std::string_view reply) {
  fuzz::FuzzRig rig;
  rig.model.faults.replies["mg"] = std::string(reply);
  rig.Connect();
  MacSetShow(rig.c.exchange, rig.c.macAddress);
  FUZZ_CHECK(rig.clock.Now() < 1000);
  std::string_view seen = reply.substr(0, command::kMacGet.replyBytes);
  seen = seen.substr(0, seen.find('\0'));
  Pairs expected;
  if (PairsOf(seen, expected)) {
    FUZZ_CHECK(rig.records.empty());
  } else {
    FUZZ_CHECK(rig.Codes() == std::vector<std::uint32_t>{10230302});
    expected.fill("00");
  }
  FUZZ_CHECK(rig.c.macAddress.macSet.Ed_mac == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 64) return -1;  // 22 bytes are read
  const std::string_view reply = fuzz::AsText(data, size);
  Parser(reply);
  ReadInDialog(reply);
  return 0;
}
