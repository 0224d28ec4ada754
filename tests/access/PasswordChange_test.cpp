#include "access/PasswordChange.h"

#include <gtest/gtest.h>

#include "session/ConnectionLifecycle.h"
#include "tests/support/Harness.h"

namespace taviron::test {
namespace {

class PasswordChangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.EnableLog();
    h.Connect();
  }
  Harness h;
};

TEST_F(PasswordChangeTest, CommandFormsAndTheRememberedPassword) {
  struct Case {
    std::string password;
    std::string sent;
  } cases[] = {
      {"", "passwd\r\n"},
      {"a", "passwd a\r\n"},
      {"abcdefgh", "passwd abcdefgh\r\n"},
  };
  for (const Case& c : cases) {
    h.port.ClearEvents();
    EXPECT_TRUE(PassSetOk(h.c.exchange, h.c.access, c.password, c.password));
    EXPECT_EQ(h.Written(), (std::vector<std::string>{c.sent}));
    EXPECT_EQ(h.model.state.userPassword, c.password);
    EXPECT_EQ(h.c.access.LoginPassword, c.password);
    EXPECT_EQ(h.c.access.LoggedIn, 1);
  }
  EXPECT_EQ(h.Written()[0].size(), 17u);
  EXPECT_EQ(h.frontend.boxes.back().text, "User password was changed.");
  EXPECT_EQ(h.frontend.boxes.back().caption, "Changed User Password");
  EXPECT_EQ(h.LogEntries(), "");
}

struct Refusal {
  const char* name;
  std::string password;
  std::string confirmation;
  std::function<void(Harness&)> arrange;
  bool sent;
};

class PasswordRefusalTest : public PasswordChangeTest,
                            public ::testing::WithParamInterface<Refusal> {};

TEST_P(PasswordRefusalTest, IsReportedAndLogged) {
  h.c.access.LoginPassword = "old";
  GetParam().arrange(h);
  EXPECT_FALSE(PassSetOk(h.c.exchange, h.c.access, GetParam().password, GetParam().confirmation));
  EXPECT_EQ(h.Written().empty(), !GetParam().sent);
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  EXPECT_EQ(h.frontend.boxes[0].text,
            "User password is incorrect.\r\nPlease retype the user password.");
  EXPECT_EQ(h.frontend.boxes[0].caption, "User Password Changing Error");
  EXPECT_EQ(h.LogEntries().substr(21), "10230401   Failed to set the user password.\r\n");
  EXPECT_EQ(h.c.access.LoginPassword, "old");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PasswordRefusalTest,
    ::testing::Values(
        Refusal{"the maintenance password", "qorplemt", "qorplemt", [](Harness&) {}, false},
        Refusal{"confirmation differs", "abc", "abd", [](Harness&) {}, false},
        Refusal{"nine characters", "abcdefghi", "abcdefghi", [](Harness&) {}, false},
        Refusal{"not sent", "abc", "abc", [](Harness& h) { h.port.failWrites = 3; }, false},
        Refusal{"no reply", "abc", "abc", [](Harness& h) { h.model.faults.silent = true; }, true},
        Refusal{"switch refuses", "abc", "abc", [](Harness& h) { h.model.faults.refuse = true; },
                true}),
    [](const auto& info) { return CaseName(info.param.name); });

TEST_F(PasswordChangeTest, AReconnectSendsTheNewPasswordWithoutAsking) {
  ASSERT_TRUE(PassSetOk(h.c.exchange, h.c.access, "new", "new"));
  ConnectSwitch(h.c.exchange, h.c.monitor, h.c.access);
  EXPECT_EQ(h.frontend.reLogins, 0);
  EXPECT_EQ(h.model.LoggedIn(), true);
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkConnected);
}

}  // namespace
}  // namespace taviron::test
