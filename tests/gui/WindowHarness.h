#pragma once

#include <QAction>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/app/QtProgram.h"
#include "gui/monitor/Switch_main.h"
#include "sim/ModelPort.h"
#include "sim/SwitchModel.h"
#include "sim/VirtualClock.h"
#include "tests/support/TempDir.h"

namespace taviron::test {

// The real windows on the simulated switch in the process, on virtual time. Message boxes are
// recorded instead of shown.
struct WindowHarness {
  struct Box {
    std::string text;
    std::string caption;
  };

  WindowHarness() = default;
  // Creates the windows (the start-up sequence runs) and shows the first one.
  void Start();
  // Lets queued events (the show and activation handlers) run.
  void Settle();
  // Triggers a menu item or toolbar button and lets what follows run.
  void Trigger(QAction* action);
  // Runs the step on the next turn of the event loop: for the operator's part in a modal
  // window that the action opens.
  void Then(std::function<void()> step, int delayMs = 0);
  QString Text(const char* labelName) const;

  TempDir dir;
  sim::VirtualClock clock;
  sim::SwitchModel model;
  sim::ModelPort port{model, clock};
  std::unique_ptr<QtProgram> program;
  // Boxes are recorded instead of shown, unless the test answers them by hand.
  bool realBoxes = false;
  std::vector<Box> boxes;
  TForm_MainWindow& main() { return program->mainWindow(); }
  Configurator& core() { return program->core(); }
};

}  // namespace taviron::test
