#include "base/Settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/Harness.h"
#include "tests/support/TempDir.h"

namespace taviron::test {
namespace {

struct SettingsCase {
  const char* name;
  const char* ini;
  Settings expected;
};

Settings With(WindowBounds b, std::uint8_t port, std::uint8_t log) {
  return {b, port, log};
}

class LoadSettingsTest : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(LoadSettingsTest, ReadsKeysWithTheirDefaults) {
  TempDir dir;
  WriteFile(dir / "SWITCH.INI", GetParam().ini);
  EXPECT_EQ(LoadSettings(dir / "SWITCH.INI"), GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadSettingsTest,
    ::testing::Values(
        SettingsCase{"empty", "", Settings{}},
        SettingsCase{"all keys",
                     "[Size]\nTop=10\nLeft=20\nWidth=391\nHeight=561\n[Serial]\nPort=2\n"
                     "[Log]\nEnable=1\n",
                     With({10, 20, 391, 561}, 2, 1)},
        SettingsCase{"windows line ends and spacing", "[Size]\r\nTop = 5\r\n[Serial]\r\nPort=5\r\n",
                     With({5, 462, 491, 661}, 5, 0)},
        SettingsCase{"only the low 8 bits of the port", "[Serial]\nPort=259\n", With({}, 3, 0)},
        SettingsCase{"a negative port wraps", "[Serial]\nPort=-1\n", With({}, 255, 0)},
        SettingsCase{"Enable=2 is kept as read", "[Log]\nEnable=2\n", With({}, 0, 2)},
        SettingsCase{"not an integer keeps the default",
                     "[Size]\nTop=abc\nLeft=12x\nWidth=\n[Serial]\nPort=COM2\n", Settings{}},
        SettingsCase{"too large for an integer", "[Size]\nTop=99999999999\n", Settings{}},
        SettingsCase{"negative coordinates", "[Size]\nLeft=-1200\n",
                     With({177, -1200, 491, 661}, 0, 0)},
        SettingsCase{"names are case-insensitive", "[size]\ntop=1\n[SERIAL]\nport=1\n",
                     With({1, 462, 491, 661}, 1, 0)},
        SettingsCase{"other sections ignored", "[Other]\nTop=1\n[Size]\nHeight=600\n",
                     With({177, 462, 491, 600}, 0, 0)},
        SettingsCase{"keys outside any section ignored", "Top=1\n", Settings{}},
        SettingsCase{"a key written twice keeps its last value", "[Size]\nTop=1\nTop=2\n",
                     With({2, 462, 491, 661}, 0, 0)},
        SettingsCase{"a later value that is not an integer keeps the earlier one",
                     "[Size]\nTop=1\nTop=x\n", With({1, 462, 491, 661}, 0, 0)},
        SettingsCase{"a comment after the value", "[Log]\nEnable=1 ; on\n", With({}, 0, 1)},
        SettingsCase{"a section written twice", "[Size]\nTop=1\n[Serial]\nPort=2\n[size]\nLeft=3\n",
                     With({1, 3, 491, 661}, 2, 0)}),
    [](const auto& info) { return CaseName(info.param.name); });

struct PlacementCase {
  const char* name;
  WindowBounds saved;
  WindowBounds placed;
};

class PlacementTest : public ::testing::TestWithParam<PlacementCase> {};

// A screen of 1280 by 720 with a panel of 40 at its top: the free area starts at 40.
constexpr WindowBounds kArea{40, 0, 1280, 680};

TEST_P(PlacementTest, TheWindowOpensWhollyOnTheScreen) {
  EXPECT_EQ(PlacedWithin(GetParam().saved, kArea), GetParam().placed) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, PlacementTest,
    ::testing::Values(
        PlacementCase{"inside stays", {100, 200, 391, 561}, {100, 200, 391, 561}},
        PlacementCase{"touching every edge stays", {40, 0, 1280, 680}, {40, 0, 1280, 680}},
        PlacementCase{"the status bar past the bottom", {177, 462, 391, 561}, {159, 462, 391, 561}},
        PlacementCase{"past the right edge", {100, 1000, 391, 561}, {100, 889, 391, 561}},
        PlacementCase{"past the right and the bottom", {600, 1200, 391, 561}, {159, 889, 391, 561}},
        PlacementCase{"above the top, under the panel", {10, 100, 391, 561}, {40, 100, 391, 561}},
        PlacementCase{
            "left of a screen it no longer has", {100, -2000, 391, 561}, {100, 0, 391, 561}},
        PlacementCase{"wholly off to the right", {3000, 5000, 391, 561}, {159, 889, 391, 561}},
        PlacementCase{"larger than the screen fills it", {300, 300, 1400, 900}, {40, 0, 1280, 680}},
        PlacementCase{"higher than the screen, as at scale 2, keeps its width and left",
                      {100, 200, 391, 1122},
                      {40, 200, 391, 680}}),
    [](const auto& info) { return CaseName(info.param.name); });

TEST(SettingsTest, MissingFileGivesTheDefaults) {
  TempDir dir;
  Settings s = LoadSettings(dir / "SWITCH.INI");
  EXPECT_EQ(s.bounds, (WindowBounds{177, 462, 491, 661}));
  EXPECT_EQ(s.comPortIndex, 0);
  EXPECT_EQ(s.logEnable, 0);
}

TEST(SettingsTest, WritesSectionsAndKeysInTheirOrder) {
  TempDir dir;
  ASSERT_TRUE(SaveSettings(dir / "SWITCH.INI", With({107, 275, 391, 561}, 3, 1)));
  EXPECT_EQ(ReadFile(dir / "SWITCH.INI"),
            "[Size]\nTop=107\nLeft=275\nWidth=391\nHeight=561\n[Serial]\nPort=3\n"
            "[Log]\nEnable=1\n");
  EXPECT_EQ(LoadSettings(dir / "SWITCH.INI"), With({107, 275, 391, 561}, 3, 1));
}

TEST(SettingsTest, RewritingDropsWhatSomeoneAdded) {
  TempDir dir;
  WriteFile(dir / "SWITCH.INI", "[Extra]\nKey=1\n[Serial]\nPort=1\n");
  ASSERT_TRUE(SaveSettings(dir / "SWITCH.INI", LoadSettings(dir / "SWITCH.INI")));
  EXPECT_EQ(ReadFile(dir / "SWITCH.INI").find("Extra"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir / "SWITCH.INI.new"));
}

TEST(SettingsTest, AFileThatCannotBeReplacedKeepsItsContent) {
  TempDir dir;
  std::filesystem::create_directory(dir / "SWITCH.INI");  // nothing can be written in its place
  WriteFile(dir / "SWITCH.INI" / "inside", "old");
  EXPECT_FALSE(SaveSettings(dir / "SWITCH.INI", Settings{}));
  EXPECT_EQ(ReadFile(dir / "SWITCH.INI" / "inside"), "old");
  EXPECT_FALSE(std::filesystem::exists(dir / "SWITCH.INI.new"));
}

TEST(SettingsTest, AMissingDirectoryFailsToWrite) {
  TempDir dir;
  EXPECT_FALSE(SaveSettings(dir / "gone" / "SWITCH.INI", Settings{}));
}

}  // namespace
}  // namespace taviron::test
