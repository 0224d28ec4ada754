#include "session/Session.h"

#include <string>

namespace taviron {

void KeepComPortAssignments(Exchange& exchange, const Session& session) {
  if (SaveComPortAssignments(session.ComPortsPath(), session.comPorts)) return;
  exchange.frontend().MessageBox("Failed to write " + session.ComPortsPath().string() +
                                     ".\r\n\r\nThe devices chosen for the COM ports hold until "
                                     "the program ends.",
                                 "Writing Error");
}

}  // namespace taviron
