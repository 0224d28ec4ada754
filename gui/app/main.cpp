// TAVIRON: the desktop configurator of the 8-port Ethernet switch with surge protector.
#include <QApplication>
#include <QMessageBox>

#include <exception>
#include <filesystem>
#include <memory>

#include "base/CloseRequests.h"
#include "base/InstanceGuard.h"
#include "base/ProgramFiles.h"
#include "base/SystemSerialPort.h"
#include "gui/app/QtProgram.h"
#include "gui/common/QtClock.h"
#include "gui/common/QtIcons.h"

namespace {

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
  taviron::WatchCloseRequests();

  // An installed copy keeps its files in the user's directories, made before they are written.
  taviron::ProgramFilePlaces places = taviron::LocateProgramFiles();
  taviron::MakeUserDirectory(places.settingsDirectory);
  taviron::MakeUserDirectory(places.logDirectory);

  std::unique_ptr<taviron::SerialPort> port = taviron::NewSystemSerialPort();
  taviron::QtClock clock;
  taviron::QtProgram program(*port, clock, places);
  // The COM names lead where the operator pointed them; the start-up reads where that is.
  taviron::LeadComNames(*port, &program.core().comPorts);
  program.FollowCloseRequests([] { return taviron::CloseRequested(); });
  program.Create();
  if (!program.Start()) return 0;
  return app.exec();
}
