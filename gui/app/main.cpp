// TAVIRON: the desktop configurator of the 8-port Ethernet switch with surge protector.
#include <QApplication>
#include <QMessageBox>

#include <cstring>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "base/CloseRequests.h"
#include "base/ComPortAssignments.h"
#include "base/ErrorLog.h"
#include "base/InstanceGuard.h"
#include "base/ProgramFiles.h"
#include "base/ProgramPort.h"
#include "base/SystemSerialPort.h"
#include "base/Version.h"
#include "gui/app/QtProgram.h"
#include "gui/common/QtClock.h"
#include "gui/common/QtIcons.h"

namespace {

// The build names the layout of the copy it makes: installed for the package, else portable.
constexpr taviron::BuildLayout kLayout =
    TAVIRON_INSTALLED_LAYOUT ? taviron::BuildLayout::kInstalled : taviron::BuildLayout::kPortable;

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

// What the program is and where this copy keeps its files.
std::string HelpText(const taviron::ProgramFilePlaces& places) {
  return "Usage: taviron [-platform NAME] [Qt's other options]\n"
         "       taviron --help | --version\n"
         "The configurator of the 8-port Ethernet switch with surge protector.\n\nFiles:\n  " +
         (places.settingsDirectory / taviron::kSettingsFileName).string() +
         "  the window's place, the COM port and whether errors are logged\n  " +
         (places.settingsDirectory / taviron::kComPortsFileName).string() +
         "  the devices COM1 to COM6 are pointed at\n  " +
         (places.logDirectory / taviron::kLogFileName).string() +
         "  the error log, while logging is on\n";
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::cout << HelpText(taviron::LocateProgramFiles(kLayout));
      return 0;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::cout << "taviron " << taviron::ProgramVersion() << "\n";
      return 0;
    }
  }
  taviron::InstanceGuard guard("caldera_unit");
  if (!guard.Acquired()) {
    // Another copy of this user's ends this one silently; anything else is said.
    if (!guard.Refusal().empty()) std::cerr << guard.Refusal() << "\n";
    return 1;
  }

  TavironApplication app(argc, argv);
  // No display name: the platform would append it to every window's title, and each title is
  // the window's own caption.
  QApplication::setApplicationName("TAVIRON");
  QApplication::setWindowIcon(taviron::ProgramIcon());

  // SIGTERM and SIGINT close the program as its Close command does, from the event loop.
  taviron::WatchCloseRequests();

  // An installed copy keeps its files in the user's directories, made before they are written.
  taviron::ProgramFilePlaces places = taviron::LocateProgramFiles(kLayout);
  taviron::MakeUserDirectory(places.settingsDirectory);
  taviron::MakeUserDirectory(places.logDirectory);

  // TAVIRON_TRACE=FILE: every byte on the wire is appended to FILE.
  taviron::ProgramPort port;
  if (!port.refusedTrace().empty()) {
    std::cerr << "taviron: cannot write the trace file " << port.refusedTrace()
              << " (a regular file that no other program holds); no trace is kept.\n";
  }
  taviron::QtClock clock;
  taviron::QtProgram program(port.wire(), clock, places);
  // The COM names lead where the operator pointed them; the start-up reads where that is.
  taviron::LeadComNames(port.system(), &program.core().session.comPorts);
  program.FollowCloseRequests([] { return taviron::CloseRequested(); });
  program.Create();
  if (!program.Start()) return 0;
  return app.exec();
}
