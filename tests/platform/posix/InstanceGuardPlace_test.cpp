// The single-instance lock lives in a directory of the user's own: another user's files in the
// temporary directory neither stop the program without a word nor take its lock.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "base/InstanceGuard.h"
#include "tests/support/TempDir.h"

namespace taviron::test {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::optional<std::string>(value) : std::nullopt;
}

void OtherUsers(const fs::path& path) {
  ASSERT_EQ(::lchown(path.c_str(), 65534, 65534), 0) << path;
}

void OwnDirectory(const fs::path& own) {
  fs::create_directory(own);
  ::chmod(own.c_str(), 0700);
}

struct GuardCase {
  const char* name;
  // Given the temporary directory and the user's lock directory under it.
  void (*make)(const fs::path& tmp, const fs::path& own);
  bool acquired;  // else refused, with the reason said
};

const GuardCase kCases[] = {
    {"another user's lock file where the lock once lay",
     [](const fs::path& tmp, const fs::path&) {
       WriteFile(tmp / "caldera_unit.lock", "");
       OtherUsers(tmp / "caldera_unit.lock");
     },
     true},
    {"the lock directory is another user's",
     [](const fs::path&, const fs::path& own) {
       OwnDirectory(own);
       OtherUsers(own);
     },
     false},
    {"the lock directory is open to others",
     [](const fs::path&, const fs::path& own) {
       OwnDirectory(own);
       ::chmod(own.c_str(), 0777);
     },
     false},
    {"the lock file is a link",
     [](const fs::path& tmp, const fs::path& own) {
       OwnDirectory(own);
       fs::create_symlink(tmp / "target", own / "caldera_unit.lock");
     },
     false},
};

TEST(InstanceGuardPlaceTest, ALockOfTheUsersOwnOrAReasonSaid) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to make another user's files";
  const std::optional<std::string> runtimeWas = Variable("XDG_RUNTIME_DIR");
  const std::optional<std::string> temporaryWas = Variable("TMPDIR");
  for (const GuardCase& c : kCases) {
    SCOPED_TRACE(c.name);
    // The runtime directory is another user's (as after su), so the lock goes to the user's own
    // directory under the temporary one.
    TempDir tmp, runtime;
    OtherUsers(runtime.path());
    const fs::path own = tmp / ("taviron-" + std::to_string(::geteuid()));
    c.make(tmp.path(), own);
    ::setenv("TMPDIR", tmp.path().c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
    InstanceGuard guard("caldera_unit");
    EXPECT_EQ(guard.Acquired(), c.acquired);
    EXPECT_EQ(guard.Refusal().empty(), c.acquired) << guard.Refusal();
    // A second copy of the same user's ends too: silently where the first took the lock.
    InstanceGuard second("caldera_unit");
    EXPECT_FALSE(second.Acquired());
    EXPECT_EQ(second.Refusal(), guard.Refusal());
    runtimeWas ? ::setenv("XDG_RUNTIME_DIR", runtimeWas->c_str(), 1)
               : ::unsetenv("XDG_RUNTIME_DIR");
    temporaryWas ? ::setenv("TMPDIR", temporaryWas->c_str(), 1) : ::unsetenv("TMPDIR");
  }
}

}  // namespace
}  // namespace taviron::test
