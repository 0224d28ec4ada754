#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/Clock.h"

namespace taviron {

// One command of the switch: what is sent, how long the program pauses before reading the
// answer, how many bytes it reads, and where the verdict of a changing command stands.
struct SwitchCommand {
  std::string_view keyword;  // first word of the line; what the switch dispatches on
  std::string_view text;     // the whole command, or its fixed start when an argument follows
  TimeMs pause;              // before the read
  std::uint32_t replyBytes;  // 0: nothing is read
  std::size_t verdictIndex;  // byte that reads '0' when a change was accepted
};

inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr char kProbeByte = 0x02;
inline constexpr std::string_view kMaintenancePassword = "qorplemt";
// What the processor's ROM loader shows: its banner names it and the processor, and its prompt
// waits for a command.
inline constexpr std::string_view kLoaderBannerName = "TINI";
inline constexpr std::string_view kLoaderBannerProcessor = "DS80C400";
inline constexpr std::string_view kLoaderPrompt = ">";

// Status replies carry '[' as their third byte and their data from the fourth.
inline constexpr std::size_t kReplyBracketIndex = 2;
inline constexpr std::size_t kReplyDataIndex = 3;
// The eight per-port characters of "peg 8" and "pg 8" stand at every second byte from here.
inline constexpr std::size_t kPortCharIndex = 3;
inline constexpr int kPortCount = 8;

// The switch's command set, gathered in one place for the program and the simulated switch.
namespace command {
inline constexpr SwitchCommand kWakeUp{"q", "q\r", 100, 0, 0};
inline constexpr SwitchCommand kProbe{"", "\x02", 100, 5, 0};
inline constexpr TimeMs kProbePauseAfterReset = 200;
inline constexpr SwitchCommand kPassword{"", "", 100, 5, 3};  // the password text, CR LF
inline constexpr SwitchCommand kFirmwareVersion{"fwv", "fwv\r\n", 100, 9, 0};
inline constexpr SwitchCommand kDischargeElement{"lci", "lci\r\n", 100, 9, 0};
inline constexpr SwitchCommand kRelayGet{"rg", "rg\r\n", 100, 5, 0};
inline constexpr SwitchCommand kRelaySet{"rs", "rs ", 100, 5, 3};
inline constexpr SwitchCommand kFirmwareError{"feg", "feg\r\n", 100, 8, 0};
inline constexpr SwitchCommand kPortErrors{"peg", "peg 8\r\n", 100, 19, 0};
inline constexpr SwitchCommand kPortConfig{"pg", "pg 8\r\n", 100, 19, 0};
inline constexpr SwitchCommand kPortSet{"ps", "ps ", 200, 5, 3};
inline constexpr SwitchCommand kFactoryDefault{"eini", "eini\r\n", 2000, 5, 3};
inline constexpr SwitchCommand kReset{"arst", "arst\r\n", 0, 0, 0};
inline constexpr TimeMs kResetPortClosed = 2000;
inline constexpr SwitchCommand kMacGet{"mg", "mg\r\n", 0, 22, 0};
inline constexpr SwitchCommand kMacSet{"ms", "ms ", 0, 5, 1};
inline constexpr SwitchCommand kSurgeClear{"lcc", "lcc 0\r\n", 100, 5, 3};
inline constexpr SwitchCommand kPasswordChange{"passwd", "passwd", 100, 5, 3};
inline constexpr SwitchCommand kMaintenanceLogin{"passwd", "passwd qorplemt\r\n", 100, 5, 3};
inline constexpr SwitchCommand kFirmwareUpdateMode{"fupm", "fupm\r\n", 1200, 200, 0};
}  // namespace command

}  // namespace taviron
