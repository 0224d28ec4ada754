#include "base/ProgramPort.h"

#include <cstdlib>

#include "base/SystemSerialPort.h"
#include "base/TracedSerialPort.h"

namespace taviron {

ProgramPort::ProgramPort() : system_(NewSystemSerialPort()) {
  const char* name = std::getenv("TAVIRON_TRACE");
  if (name == nullptr || *name == '\0') return;
  if (traceFile_.Open(name)) {
    traced_ = std::make_unique<TracedSerialPort>(*system_, traceFile_.stream());
  } else {
    refusedTrace_ = name;
  }
}

}  // namespace taviron
