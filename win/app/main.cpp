// TAVIRON on Windows: the desktop configurator of the 8-port Ethernet switch with surge
// protector, with the system's own windows.
#include <windows.h>

#include <commctrl.h>
#include <timeapi.h>

#include "base/CloseRequests.h"
#include "base/ComPortAssignments.h"
#include "base/InstanceGuard.h"
#include "base/ProgramFiles.h"
#include "base/ProgramPort.h"
#include "base/SystemSerialPort.h"
#include "win/app/Win32Program.h"
#include "win/common/MessagePump.h"
#include "win/common/Win32Clock.h"

namespace {

// Where the copy keeps its files is the build's to say (a copy from the release zip: beside
// itself).
constexpr taviron::BuildLayout kLayout =
    TAVIRON_INSTALLED_LAYOUT ? taviron::BuildLayout::kInstalled : taviron::BuildLayout::kPortable;

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // One copy at a time; a second ends at once, showing nothing.
  taviron::InstanceGuard guard("caldera_unit");
  if (!guard.Acquired()) return 1;

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES |
                                                     ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
  ::InitCommonControlsEx(&controls);
  // The protocol's short waits (10 ms a byte) are kept to the millisecond.
  ::timeBeginPeriod(1);
  // Ctrl+C and a closing console close the program as its Close command does.
  taviron::WatchCloseRequests();

  taviron::ProgramFilePlaces places = taviron::LocateProgramFiles(kLayout);
  taviron::MakeUserDirectory(places.settingsDirectory);
  taviron::MakeUserDirectory(places.logDirectory);

  // TAVIRON_TRACE=FILE: every byte on the wire is appended to FILE, as on Linux; a file that
  // cannot be held is passed over (the program has no console to say so on).
  taviron::ProgramPort port;
  taviron::Win32Clock clock;
  int exitCode = 0;
  {
    taviron::Win32Program program(instance, port.wire(), clock, places);
    taviron::LeadComNames(port.system(), &program.core().session.comPorts);
    program.Create();
    if (program.Start()) {
      MSG msg;
      while (::GetMessageW(&msg, nullptr, 0, 0) > 0)
        taviron::HandleMessage(msg);
    }
  }
  ::timeEndPeriod(1);
  return exitCode;
}
