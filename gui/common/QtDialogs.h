#pragma once

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QString>

#include <initializer_list>

namespace taviron {

// The program's dialog look: its icon, Arial 9 pt, a close box and no other frame buttons.
void PrepareDialog(QDialog& dialog, const char* objectName, const QString& caption);

// A button of a dialog with the name its window unit gives it; the default button answers Enter.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        bool isDefault = false);

// The row of buttons at the foot of a dialog: to the right, or centred.
QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons, bool centred = false);

// Makes a window that would be larger than the free area of its screen (with a title bar) as
// large as that area, so that none of its controls opens out of reach; a smaller one keeps its
// size. The toolkit then places it within the area.
void FitOnScreen(QWidget& window);

// Shows the dialog modally until it is accepted or rejected. Unlike QDialog::exec, hiding the
// dialog meanwhile (while it works) does not end it.
int RunModal(QDialog& dialog);

}  // namespace taviron
