#pragma once

#include <QDialog>
#include <QString>

namespace taviron {

// The program's dialog look: its icon, Arial 9 pt, a close box and no other frame buttons.
void PrepareDialog(QDialog& dialog, const char* objectName, const QString& caption);

// Shows the dialog modally until it is accepted or rejected. Unlike QDialog::exec, hiding the
// dialog meanwhile (while it works) does not end it.
int RunModal(QDialog& dialog);

}  // namespace taviron
