#include "tests/support/posix/PtyPair.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace taviron::test {

PtyPair::PtyPair() {
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
  ::grantpt(master_);
  ::unlockpt(master_);
  char name[128];
  ::ptsname_r(master_, name, sizeof name);
  path_ = name;
  keep_ = ::open(name, O_RDWR | O_NOCTTY);
}

PtyPair::~PtyPair() {
  ::close(keep_);
  ::close(master_);
}

void PtyPair::Send(const std::string& bytes) {
  ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

std::string PtyPair::Take() {
  std::string got;
  pollfd p{master_, POLLIN, 0};
  while (::poll(&p, 1, 50) > 0) {
    char bytes[256];
    ssize_t n = ::read(master_, bytes, sizeof bytes);
    if (n <= 0) break;
    got.append(bytes, static_cast<std::size_t>(n));
  }
  return got;
}

}  // namespace taviron::test
