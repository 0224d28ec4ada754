#pragma once

#include <QAccessible>

namespace taviron {

// Installs, once, the program's handler of accessibility updates: the text typed into or taken
// out of a password box reaches the desktop's accessibility bus as one '*' per character (none
// for a box that shows nothing), never as the characters, so that no screen reader speaks a
// password and no other program on the bus reads it. Every other update passes unchanged.
void KeepTypedPasswordsUnspoken();

// Where the handler sends what it lets through: the platform's bridge to the accessibility bus,
// or, while a test listens, the test's recorder (nullptr: the bridge again).
void SendAccessibilityUpdatesTo(QAccessible::UpdateHandler listener);

}  // namespace taviron
