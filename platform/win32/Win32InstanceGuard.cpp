#include <windows.h>

#include <string>

#include "base/InstanceGuard.h"
#include "platform/win32/Win32ErrorText.h"

namespace taviron {

InstanceGuard::InstanceGuard(std::string_view name) {
  std::string mutexName(name);
  ::SetLastError(ERROR_SUCCESS);
  HANDLE mutex = ::CreateMutexA(nullptr, TRUE, mutexName.c_str());
  // Any error ends this copy: the name exists already (ERROR_ALREADY_EXISTS, the mutex then is
  // the other copy's and not owned here), or it names something else. Only the first is
  // another copy of the program, to be left without a word.
  DWORD error = ::GetLastError();
  if (mutex != nullptr && error == ERROR_SUCCESS) {
    held_ = reinterpret_cast<std::intptr_t>(mutex);
    return;
  }
  if (mutex != nullptr) ::CloseHandle(mutex);
  if (error != ERROR_ALREADY_EXISTS) {
    refusal_ = "The single-instance lock cannot be taken: the mutex " + mutexName + " (" +
               SystemErrorText(error) + ").";
  }
}

InstanceGuard::~InstanceGuard() {
  if (held_ == kNotHeld) return;
  HANDLE mutex = reinterpret_cast<HANDLE>(held_);
  ::ReleaseMutex(mutex);
  ::CloseHandle(mutex);
}

}  // namespace taviron
