#pragma once

#include <windows.h>

#include "base/Clock.h"

namespace taviron {

// The one way the program's thread handles its messages, in its own loops and in the waits of a
// running sequence: a message for a dialog goes through the dialog's keys (Tab, Enter, Escape,
// mnemonics), one for the main window through its shortcuts, the rest to its window.
void HandleMessage(MSG& msg);

// The dialog's keys, for a dialog of the program's own (the system's boxes run their own loops).
void UseDialogKeys(HWND dialog, bool use);

// The main window's shortcuts.
void UseAccelerators(HWND window, HACCEL table);

// Handles the messages waiting now. False once the program was asked to quit (the quit message
// stays queued for the outermost loop).
bool HandleWaitingMessages();

// Handles messages until the time on the clock has passed, sleeping while none come.
void HandleMessagesUntil(const Clock& clock, TimeMs deadline);

}  // namespace taviron
