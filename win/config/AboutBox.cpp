#include "win/config/AboutBox.h"

#include "views/DialogDesigns.h"

namespace taviron {

TAboutBox::TAboutBox(Win32Host& host, HWND owner) : Win32Form(host, kAboutForm, owner) {}

}  // namespace taviron
