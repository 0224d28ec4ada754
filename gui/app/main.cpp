// TAVIRON: the desktop configurator of the 8-port Ethernet switch with surge protector.
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QMessageBox>

#include <exception>
#include <filesystem>

#include "base/InstanceGuard.h"
#include "base/ProgramFiles.h"
#include "gui/app/QtProgram.h"
#include "gui/common/QtClock.h"
#include "gui/common/QtIcons.h"
#include "platform/posix/PosixSerialPort.h"

namespace {

int signalPipe[2] = {-1, -1};

void OnStopSignal(int) {
  char byte = 1;
  [[maybe_unused]] ssize_t n = ::write(signalPipe[1], &byte, 1);
}

// Shows an exception that reached the event loop instead of ending the program.
class TavironApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
      QMessageBox::critical(nullptr, applicationName(), QString::fromLocal8Bit(e.what()));
    } catch (...) {
      QMessageBox::critical(nullptr, applicationName(), QString());
    }
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  taviron::InstanceGuard guard("caldera_unit");
  if (!guard.Acquired()) return 1;

  TavironApplication app(argc, argv);
  // No display name: the platform would append it to every window's title, and each title is
  // the window's own caption.
  QApplication::setApplicationName("TAVIRON");
  QApplication::setWindowIcon(taviron::ProgramIcon());

  // SIGTERM and SIGINT close the program as its Close command does, from the event loop.
  ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe);
  struct sigaction stop {};
  stop.sa_handler = OnStopSignal;
  ::sigaction(SIGTERM, &stop, nullptr);
  ::sigaction(SIGINT, &stop, nullptr);

  taviron::PosixSerialPort port;
  taviron::QtClock clock;
  taviron::QtProgram program(port, clock, taviron::ExecutableDirectory(), signalPipe[0]);
  program.Create();
  if (!program.Start()) return 0;
  return app.exec();
}
