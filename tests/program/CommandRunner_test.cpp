#include "program/CommandRunner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace taviron {
namespace {

// The rules a front end's windows run their commands under, whatever toolkit draws them.
struct RunnerTest : ::testing::Test {
  RunnerTest() {
    runner.closeMainWindow = [this] { done.push_back("closed"); };
    runner.dismissAwaited = [this] { done.push_back("dismissed"); };
  }
  CommandRunner runner;
  std::vector<std::string> done;
};

TEST_F(RunnerTest, OneCommandAtATimeAndStepsWaitForIt) {
  runner.busyChanged = [this](bool busy) { done.push_back(busy ? "busy" : "idle"); };
  const bool ran = runner.Run([this] {
    EXPECT_FALSE(runner.Run([this] { done.push_back("second"); }));
    runner.RunWhenIdle([this] { done.push_back("shown"); });
    runner.RunWhenIdle([this] { done.push_back("activated"); });
    done.push_back("first");
  });
  EXPECT_TRUE(ran);
  EXPECT_EQ(done, (std::vector<std::string>{"busy", "first", "idle", "busy", "shown", "idle",
                                            "busy", "activated", "idle"}));
  EXPECT_FALSE(runner.Busy());
}

TEST_F(RunnerTest, OnlyTheAwaitedWindowTakesInputWhileACommandRuns) {
  const int box = 0;
  const int dialog = 0;
  EXPECT_TRUE(runner.AwaitsOperator(&dialog));  // nothing runs
  runner.Run([&] {
    EXPECT_FALSE(runner.AwaitsOperator(&dialog));
    CommandRunner::Awaiting awaiting(runner, &dialog);
    EXPECT_TRUE(runner.AwaitsOperator(&dialog));
    runner.Working([&] {
      EXPECT_EQ(runner.Awaited(), nullptr);
      CommandRunner::Awaiting boxShown(runner, &box);
      EXPECT_FALSE(runner.AwaitsOperator(&dialog));
      EXPECT_TRUE(runner.AwaitsOperator(&box));
    });
    EXPECT_EQ(runner.Awaited(), &dialog);
  });
  EXPECT_EQ(runner.Awaited(), nullptr);
}

TEST_F(RunnerTest, ACloseAskedForDuringACommandWaitsForItsEndAndDropsTheWaitingSteps) {
  runner.Run([this] {
    runner.RunWhenIdle([this] { done.push_back("shown"); });
    runner.RequestClose();
    EXPECT_TRUE(runner.ClosePending());
    done.push_back("command ends");
  });
  EXPECT_EQ(done, (std::vector<std::string>{"dismissed", "command ends", "closed"}));
  EXPECT_FALSE(runner.ClosePending());
}

TEST_F(RunnerTest, ACloseWhileIdleClosesAtOnce) {
  runner.RequestClose();
  EXPECT_EQ(done, (std::vector<std::string>{"closed"}));
}

}  // namespace
}  // namespace taviron
