#include "tests/gui/WindowHarness.h"

#include <QApplication>
#include <QCoreApplication>

namespace taviron::test {

void WindowHarness::Start() {
  program = std::make_unique<QtProgram>(port, clock, dir.path());
  // No serial devices but those a test makes: the machine's own stay out of the windows.
  core().session.deviceRoots = {dir / "sys", dir / "dev"};
  if (!realBoxes) {
    program->messageBoxHook = [this](const std::string& text, const std::string& caption) {
      boxes.push_back({text, caption});
    };
  }
  program->Create();
  program->Start();
  Settle();
}

void WindowHarness::Settle() {
  for (int i = 0; i < 5; ++i)
    QCoreApplication::processEvents();
}

void WindowHarness::Trigger(QAction* action) {
  action->trigger();
  Settle();
}

void WindowHarness::Then(std::function<void()> step, int delayMs) {
  QTimer::singleShot(delayMs, qApp, std::move(step));
}

QString WindowHarness::Text(const char* labelName) const {
  QLabel* label = program->mainWindow().findChild<QLabel*>(labelName);
  return label ? label->text() : QString("<no label %1>").arg(labelName);
}

}  // namespace taviron::test
