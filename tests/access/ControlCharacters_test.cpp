// A password that holds a line end, another control character or a character outside ASCII is
// refused before anything goes to the switch, in every window that takes one.
#include <gtest/gtest.h>

#include "access/Login.h"
#include "access/Maintenance.h"
#include "access/PasswordChange.h"
#include "base/PasswordText.h"
#include "link/Greeting.h"
#include "tests/support/Harness.h"

namespace taviron::test {
namespace {

using namespace std::string_literals;

const std::string kInjected = "12345678\r\nfwv";

TEST(ControlCharactersTest, WhatCannotGoToTheSwitch) {
  const struct {
    std::string text;
    bool control;
  } kCases[] = {{"", false},      {"pw", false},       {"p w", false},
                {" !~{}", false}, {"\xE9t\xE9", true}, {"\xC3\xA9t\xC3\xA9", true},
                {"日本", true},   {"pw\r", true},      {"pw\n", true},
                {"p\tw", true},   {"\0pw"s, true},     {"pw\x7F", true},
                {"\x1B[2J", true}};
  for (const auto& c : kCases)
    EXPECT_EQ(HoldsUnsendableCharacters(c.text), c.control) << c.text;
}

TEST(ControlCharactersTest, TheLogInWindowsRefuseAndSendNothing) {
  Harness h;
  h.Connect();
  h.port.ClearEvents();
  EXPECT_EQ(PassInOk(h.c.exchange, h.c.access, kInjected), LoginStep::kStay);
  EXPECT_EQ(PassIn2Ok(h.c.exchange, h.c.monitor, h.c.access, "pw\t"), LoginStep::kStay);
  EXPECT_TRUE(h.Written().empty());
  EXPECT_EQ(h.c.access.passIn.prompt, std::string(kUnsendableCharactersRefused));
  EXPECT_EQ(h.c.access.passIn.status, "Please retype the password.");
  EXPECT_EQ(h.c.access.passIn2.prompt, std::string(kUnsendableCharactersRefused));
  EXPECT_TRUE(h.c.exchange.link.HasPort());  // no failure state: the operator types again
  EXPECT_EQ(h.c.access.LoggedIn, 0);
}

TEST(ControlCharactersTest, TheUserPasswordChangeRefusesWithABoxAndSendsNothing) {
  Harness h;
  h.EnableLog();
  h.Connect();
  h.port.ClearEvents();
  EXPECT_FALSE(PassSetOk(h.c.exchange, h.c.access, "ab\ncd", "ab\ncd"));
  EXPECT_TRUE(h.Written().empty());
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  EXPECT_EQ(h.frontend.boxes[0].text, std::string(kUnsendableCharactersRefused));
  EXPECT_EQ(h.frontend.boxes[0].caption, "User Password Changing Error");
  EXPECT_EQ(h.LogEntries(), "");  // nothing failed on the switch's side
}

TEST(ControlCharactersTest, TheMaintenanceWindowRefusesInItsLabels) {
  Harness h;
  h.Connect();
  h.port.ClearEvents();
  EXPECT_FALSE(SuperPassInOk(h.c.exchange, h.c.access, "qorplemt\r"));
  EXPECT_TRUE(h.Written().empty());
  EXPECT_EQ(h.c.access.superPassIn.Label1, std::string(kUnsendableCharactersRefused));
  EXPECT_EQ(h.c.access.MaintenanceAdmitted, 0);
}

TEST(ControlCharactersTest, ThePasswordLineItselfNeverCarriesThem) {
  Harness h;
  h.Connect();
  h.port.ClearEvents();
  EXPECT_EQ(SendPasswordLine(h.c.exchange.link, kInjected), PasswordVerdict::kNotSent);
  EXPECT_TRUE(h.Written().empty());
}

}  // namespace
}  // namespace taviron::test
