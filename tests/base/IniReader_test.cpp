#include "base/IniReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/Harness.h"

namespace taviron::test {
namespace {

struct IniCase {
  const char* name;
  std::string text;
  std::vector<IniEntry> expected;
};

class ReadIniTest : public ::testing::TestWithParam<IniCase> {};

TEST_P(ReadIniTest, GivesTheKeysAsTheSettingsFileHasAlwaysBeenRead) {
  EXPECT_EQ(ReadIni(GetParam().text), GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadIniTest,
    ::testing::Values(
        IniCase{"empty", "", {}},
        IniCase{"keys in order",
                "[Size]\nTop=1\nLeft=2\n",
                {{"Size", "Top", "1"}, {"Size", "Left", "2"}}},
        IniCase{
            "a key twice is given twice", "[S]\nk=1\nk=2\n", {{"S", "k", "1"}, {"S", "k", "2"}}},
        IniCase{"CR LF and blanks around", "[S]\r\n  k  =  5  \r\n", {{"S", "k", "5"}}},
        IniCase{"no line end at the end", "[S]\nk=5", {{"S", "k", "5"}}},
        IniCase{"byte order mark", "\xEF\xBB\xBF[S]\nk=1\n", {{"S", "k", "1"}}},
        IniCase{"colon separates too", "[S]\nk: 5\n", {{"S", "k", "5"}}},
        IniCase{"first separator wins",
                "[S]\nk=a=b:c\nj:a=b\n",
                {{"S", "k", "a=b:c"}, {"S", "j", "a=b"}}},
        IniCase{"comment lines", "[S]\n;k=1\n#k=2\n  ;k=3\nk=4\n", {{"S", "k", "4"}}},
        IniCase{"comment after a blank",
                "[S]\na=5 ;note\nb=6;x\nc= ;7\n",
                {{"S", "a", "5"}, {"S", "b", "6;x"}, {"S", "c", ""}}},
        IniCase{"indented line continues the key",
                "[S]\nk=1\n  2\n",
                {{"S", "k", "1"}, {"S", "k", "2"}}},
        IniCase{"indented key after a key is a value",
                "[S]\nk=1\n  j=2\n",
                {{"S", "k", "1"}, {"S", "k", "j=2"}}},
        IniCase{"indented section after a key is a value",
                "[S]\nk=1\n\t[T]\nj=2\n",
                {{"S", "k", "1"}, {"S", "k", "[T]"}, {"S", "j", "2"}}},
        IniCase{"indented first key is a key", "[S]\n  k=1\n", {{"S", "k", "1"}}},
        IniCase{"section name as written", "[ Size ]\nk=1\n", {{" Size ", "k", "1"}}},
        IniCase{"section without its bracket keeps the last", "[S]\n[T\nk=1\n", {{"S", "k", "1"}}},
        IniCase{"text after the bracket", "[S] x\nk=1\n", {{"S", "k", "1"}}},
        IniCase{"empty section name", "[]\nk=1\n", {{"", "k", "1"}}},
        IniCase{"keys before a section", "k=1\n[S]\n", {{"", "k", "1"}}},
        IniCase{"a line without separator is skipped", "[S]\nk\nj=2\n", {{"S", "j", "2"}}},
        IniCase{"empty name and empty value", "[S]\n=5\nk=\n", {{"S", "", "5"}, {"S", "k", ""}}},
        IniCase{"a NUL ends the line",
                std::string("[S]\nk=1\0x\nj=2\n", 14),
                {{"S", "k", "1"}, {"S", "j", "2"}}},
        IniCase{"a line longer than any buffer",
                "[S]\nk=" + std::string(300, '7') + "\n",
                {{"S", "k", std::string(300, '7')}}}),
    [](const auto& info) { return CaseName(info.param.name); });

TEST(SameIniNameTest, IgnoresAsciiCaseOnly) {
  EXPECT_TRUE(SameIniName("Size", "sIZE"));
  EXPECT_TRUE(SameIniName("", ""));
  EXPECT_FALSE(SameIniName("Size", "Siz"));
  EXPECT_FALSE(SameIniName("Size", "Size "));
  EXPECT_FALSE(SameIniName("\xC4", "\xE4"));  // not ASCII letters
}

}  // namespace
}  // namespace taviron::test
