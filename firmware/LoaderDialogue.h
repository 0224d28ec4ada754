#pragma once

#include <cstdint>

#include "firmware/HexFile.h"
#include "firmware/UpgradeState.h"
#include "link/Transfer.h"

namespace taviron {

// The dialogue with the processor's ROM loader during a firmware upgrade. Each step returns 0
// or the code of its failure point; none of them reports.

// One byte more than the longest read (the banner's 200), for the terminator a failed read
// stores after what it got.
inline constexpr std::size_t kLoaderBufferSize = 201;

// Progress is shown against this many records; a longer file passes 100 until the end.
inline constexpr int kProgressRecords = 4096;

// "fupm" hands the line to the loader, which must name itself in its banner.
std::uint32_t EnterLoader(const UpgradeState& c, Transfer& transfer);
// Bank 0 takes the firmware.
std::uint32_t SelectBank(const UpgradeState& c, Transfer& transfer);
// One attempt: erase the bank, wait for the prompt, load the file from its first line and
// check the loader's verdict. records counts the records sent since Upload was clicked and
// goes on across attempts.
std::uint32_t LoadAttempt(const UpgradeState& c, Transfer& transfer, HexFile& file, int& records);
// Leaves the loader; the switch then restarts its firmware. Results are not looked at.
void LeaveLoader(const UpgradeState& c, Transfer& transfer);

}  // namespace taviron
