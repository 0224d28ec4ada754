#pragma once

#include <cstdint>

#include "base/Failure.h"
#include "firmware/HexFile.h"
#include "link/Exchange.h"
#include "link/Transfer.h"
#include "views/FirmwareWindow.h"

namespace taviron {

// The dialogue with the processor's ROM loader during a firmware upgrade. Each step returns
// nullptr, or the failure table's entry of what went wrong; none of them reports.

// One byte more than the longest read (the banner's 200), for the terminator a failed read
// stores after what it got.
inline constexpr std::size_t kLoaderBufferSize = 201;

// Progress is shown against this many records until a file's check has counted its own.
inline constexpr int kProgressRecords = 4096;

// "fupm" hands the line to the loader, which must name itself in its banner.
const Failure* EnterLoader(Exchange& exchange, Transfer& transfer);
// A switch that already waits in its loader: the port opened when it is closed (with the
// upload's read time-outs), and a carriage return that clears the loader's line and must be
// answered as the loader answers.
const Failure* ReachWaitingLoader(Exchange& exchange, std::uint32_t readInterval,
                                  std::uint32_t readTotalConstant);
// Bank 0 takes the firmware.
const Failure* SelectBank(Exchange& exchange, Transfer& transfer);
// One attempt: erase the bank, wait for the prompt, load the file from its first line and
// check the loader's verdict. records counts the records sent in this attempt; the dialog shows
// it as the progress, against the file's own count of records.
const Failure* LoadAttempt(Exchange& exchange, FirmwareWindow& fwUpdate, Transfer& transfer,
                           HexFile& file, int& records);
// Leaves the loader; the switch then restarts its firmware. Results are not looked at.
void LeaveLoader(Exchange& exchange, Transfer& transfer);

}  // namespace taviron
