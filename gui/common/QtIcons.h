#pragma once

#include <QIcon>

namespace taviron {

// The toolbar's image list: each button has an enabled look and a greyed look, drawn as vectors
// so they stay crisp at any screen scale, in the colours of the application's palette at the
// time they are drawn. Unknown indexes give an empty icon.
QIcon ToolbarImage(int index);

// How far two colours stand apart, as accessibility guidelines measure it: 1 (the same
// luminance) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// The program's own icon: the switch with its surge protector.
QIcon ProgramIcon();

}  // namespace taviron
