#pragma once

#include "program/Configurator.h"
#include "views/MainWindowDesign.h"

namespace taviron {

// Runs the sequence of a command of the main window's menu or toolbar, as every front end binds
// it. Close is the window's own: it closes the window, whose shutdown then runs.
void RunMenuCommand(Configurator& c, MenuCommand command);

}  // namespace taviron
