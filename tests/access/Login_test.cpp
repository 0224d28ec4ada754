#include "access/Login.h"

#include <gtest/gtest.h>

#include "tests/support/Harness.h"

namespace taviron::test {
namespace {

class LoginTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.EnableLog();
    h.model.state.userPassword = "pw";
    h.c.exchange.link.OpenConfiguredPort();
    h.c.exchange.link.SetupConnection();
    h.c.exchange.link.LinkState = kLinkConnected;
  }
  Harness h;
};

TEST_F(LoginTest, TheFirstWindowAsksOnlyWhenTheSwitchWantsAPassword) {
  h.c.access.NoLoginNeeded = 1;
  EXPECT_FALSE(LoginNeeded(h.c.access));
  h.c.access.NoLoginNeeded = 0;
  EXPECT_TRUE(LoginNeeded(h.c.access));
}

TEST_F(LoginTest, AnAcceptedPasswordIsRemembered) {
  EXPECT_EQ(PassInOk(h.c.exchange, h.c.access, "pw"), LoginStep::kAccepted);
  EXPECT_EQ(h.Written(), (std::vector<std::string>{"pw\r\n"}));
  EXPECT_EQ(h.c.access.LoggedIn, 1);
  EXPECT_EQ(h.c.access.LoginPassword, "pw");
}

TEST_F(LoginTest, TheVerdictIsTheFourthByteWhateverComesBeforeIt) {
  using namespace std::string_literals;
  h.model.faults.replies["pw"] = "\0\n[0]"s;  // a NUL first: the text would end there
  EXPECT_EQ(PassInOk(h.c.exchange, h.c.access, "pw"), LoginStep::kAccepted);
  h.model.faults.replies["pw"] = "\r\0[1]"s;
  EXPECT_EQ(PassInOk(h.c.exchange, h.c.access, "pw"), LoginStep::kStay);
}

TEST_F(LoginTest, AnAcceptedEmptyPasswordLeavesLoggedInClear) {
  // A switch that takes the empty line as its password.
  h.model.state.userPassword.clear();
  h.model.faults.replies[""] = "\r\n[0]";
  EXPECT_EQ(PassInOk(h.c.exchange, h.c.access, ""), LoginStep::kAccepted);
  EXPECT_EQ(h.c.access.LoggedIn, 0);
  EXPECT_EQ(h.c.access.LoginPassword, "");
}

TEST_F(LoginTest, ARejectionAsksAgainAsOftenAsNeeded) {
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(PassInOk(h.c.exchange, h.c.access, "bad"), LoginStep::kStay);
    EXPECT_EQ(h.c.access.passIn.prompt, "Password is incorrect.");
    EXPECT_EQ(h.c.access.passIn.status, "Please retype the password.");
  }
  EXPECT_EQ(h.c.access.LoggedIn, 0);
  EXPECT_EQ(PassInOk(h.c.exchange, h.c.access, "pw"), LoginStep::kAccepted);
  EXPECT_EQ(h.LogEntries(), "");
}

TEST_F(LoginTest, OnlyTheFourthByteJudges) {
  h.model.faults.only = "password";
  h.model.faults.replies["password"] = "xyz1?";
  EXPECT_EQ(PassInOk(h.c.exchange, h.c.access, "pw"), LoginStep::kStay);
}

struct NoVerdict {
  const char* name;
  std::function<void(Harness&)> arrange;
};

class LoginFailureTest : public LoginTest, public ::testing::WithParamInterface<NoVerdict> {};

TEST_P(LoginFailureTest, TheFirstWindowShowsItsFailureState) {
  GetParam().arrange(h);
  h.c.access.LoggedIn = 1;
  EXPECT_EQ(PassInOk(h.c.exchange, h.c.access, "pw"), LoginStep::kFailureShown);
  const PasswordWindow& w = h.c.access.passIn;
  EXPECT_EQ(w.caption, "TAVIRON Starting Failure");
  EXPECT_EQ(w.prompt, "");
  EXPECT_EQ(w.status, "Failed to Start TAVIRON.");
  EXPECT_FALSE(w.entryVisible);
  EXPECT_TRUE(w.failureOkVisible);
  EXPECT_EQ(h.c.access.LoggedIn, 0);
  EXPECT_FALSE(h.c.exchange.link.HasPort());
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkDisconnect);
  EXPECT_EQ(h.LogEntries().substr(21), "10230801   Failed to Start TAVIRON\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Replies, LoginFailureTest,
    ::testing::Values(NoVerdict{"not sent", [](Harness& h) { h.port.failWrites = 3; }},
                      NoVerdict{"no reply", [](Harness& h) { h.model.faults.silent = true; }},
                      NoVerdict{"three bytes", [](Harness& h) { h.model.faults.shortReply = 3; }},
                      NoVerdict{
                          "neither 0 nor 1",
                          [](Harness& h) { h.model.faults.replies["password"] = "\r\n[5]"; }}),
    [](const auto& info) { return CaseName(info.param.name); });

TEST_F(LoginTest, CancelClosesThePort) {
  PassInCancel(h.c.exchange, h.c.monitor);
  EXPECT_FALSE(h.c.exchange.link.HasPort());
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkDisconnect);
  EXPECT_EQ(h.c.monitor.view.statusText, "Disconnect");
}

TEST_F(LoginTest, ReLoginThatCannotSendShowsItsFailureState) {
  h.port.failWrites = 3;
  PassIn2Show(h.c.access);
  EXPECT_EQ(PassIn2Ok(h.c.exchange, h.c.monitor, h.c.access, "pw"), LoginStep::kFailureShown);
  EXPECT_EQ(h.c.access.passIn2.prompt, "Failed to Start TAVIRON.");
  EXPECT_EQ(h.c.access.passIn2.status, "");
  EXPECT_EQ(h.c.access.passIn2.caption, "TAVIRON Starting Failure");
  EXPECT_EQ(h.LogEntries().substr(21), "10230801   Failed to Start TAVIRON\r\n");
  EXPECT_EQ(h.frontend.closeRequests, 0);
  PassIn2Show(h.c.access);  // the next showing starts afresh
  EXPECT_EQ(h.c.access.passIn2.prompt, "Please type your password.");
  EXPECT_TRUE(h.c.access.passIn2.entryVisible);
}

TEST_F(LoginTest, ReLoginWithoutVerdictEndsTheProgramWithoutARecord) {
  h.model.faults.silent = true;
  EXPECT_EQ(PassIn2Ok(h.c.exchange, h.c.monitor, h.c.access, "pw"), LoginStep::kClosed);
  EXPECT_FALSE(h.c.exchange.link.HasPort());
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkDisconnect);
  EXPECT_EQ(h.frontend.closeRequests, 1);
  EXPECT_EQ(h.LogEntries(), "");
}

}  // namespace
}  // namespace taviron::test
