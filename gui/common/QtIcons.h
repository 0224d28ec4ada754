#pragma once

#include <QIcon>

namespace taviron {

// The toolbar's image list: each button has an enabled look and a greyed look, drawn as vectors
// so they stay crisp at any screen scale. Unknown indexes give an empty icon.
QIcon ToolbarImage(int index);

// The program's own icon: the switch with its surge protector.
QIcon ProgramIcon();

}  // namespace taviron
