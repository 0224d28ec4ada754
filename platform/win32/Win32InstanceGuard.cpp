#include <windows.h>

#include <string>

#include "base/InstanceGuard.h"

namespace taviron {

InstanceGuard::InstanceGuard(std::string_view name) {
  std::string mutexName(name);
  ::SetLastError(ERROR_SUCCESS);
  HANDLE mutex = ::CreateMutexA(nullptr, TRUE, mutexName.c_str());
  // Any error counts as another copy: the name exists already (ERROR_ALREADY_EXISTS, the
  // mutex then is the other copy's and not owned here) or it names something else.
  DWORD error = ::GetLastError();
  if (mutex == nullptr) return;
  if (error != ERROR_SUCCESS) {
    ::CloseHandle(mutex);
    return;
  }
  held_ = reinterpret_cast<std::intptr_t>(mutex);
}

InstanceGuard::~InstanceGuard() {
  if (held_ == kNotHeld) return;
  HANDLE mutex = reinterpret_cast<HANDLE>(held_);
  ::ReleaseMutex(mutex);
  ::CloseHandle(mutex);
}

}  // namespace taviron
