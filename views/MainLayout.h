#pragma once

#include <string>
#include <string_view>

#include "views/MainView.h"

namespace taviron {

// What the main window shows, computed from what is known of the switch and the link. Plain
// functions on the view; the window draws the view when told it changed.

// The commands' pictures and states in the connected or the disconnected layout.
void ApplyLayout(MainView& view, bool connected);
// The status bar text of the link state and the layout that goes with it; false (the view
// unchanged) for a value that is no link state.
bool ApplyLinkState(MainView& view, int linkState);
// A switch in its ROM loader: the Maintenance menu opens for Firmware Upgrade (and the log
// switches), while the items that need the running firmware stay off.
void OfferRestoration(MainView& view);
// The main window's commands as drawn: the view's own layout while no sequence runs; while one
// runs (busy), every command that would start another one shown unavailable, each button with
// its greyed picture. File > Close stays: it waits for the sequence instead.
MainView AsShown(const MainView& view, bool busy);
// Where the keyboard was before the main window got it.
enum class ActivatedFrom { kElsewhere, kProgramDialog, kProgramBox };
// Whether the main window's activation handler runs: on its first activation, and when one of
// the program's own dialogs gave the window back; not when one of its message boxes closed (the
// handler may have shown it) nor when the operator comes back from another program.
bool RunsActivationHandler(bool firstActivation, ActivatedFrom from);
// "ON", "OFF", or "----" for a relay state that was not obtained.
std::string_view RelayText(std::string_view relayState);
// Every port row before its mode is known: "Communication Error" and no duplex.
void ShowPortRowsUnknown(MainView& view);
// The rows of the ports whose display code is known; the others keep their text.
void ShowPortModes(MainView& view, std::string_view portConfig);
// "Normal", "----" or "Abnormal" with the code and message, from the self-test result.
void ShowSwitchStatus(MainView& view, const std::string& fwErrorCode,
                      const std::string& fwErrorMessage);
// The values shown while no switch is connected.
void ShowPlaceholders(MainView& view);

}  // namespace taviron
