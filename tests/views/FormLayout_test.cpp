#include "views/FormLayout.h"

#include <gtest/gtest.h>

namespace taviron {

void PrintTo(const FormPlace& p, std::ostream* out) {
  *out << "{" << p.x << ", " << p.y << ", " << p.width << ", " << p.height << "}";
}

namespace {

constexpr ControlDesign kGridRow1[] = {{.name = "a"}, {.kind = ControlKind::kList, .name = "A"}};
constexpr ControlDesign kGridRow2[] = {{.name = "b"}, {.kind = ControlKind::kList, .name = "B"}};
constexpr ControlDesign kTwoButtons[] = {{.kind = ControlKind::kButton, .name = "ok"},
                                         {.kind = ControlKind::kButton, .name = "cancel"}};
constexpr FormRow kGridRows[] = {{kGridRow1}, {kGridRow2}, {kTwoButtons, RowKind::kButtons}};
constexpr FormDesign kGrid{.name = "grid", .rows = kGridRows, .grid = true};

// Columns as wide as their widest, the last to the edge; a label as high as its row; the buttons
// to the right.
TEST(FormLayoutTest, AGridLinesUpItsColumnsAndPutsTheButtonsRight) {
  const FormPlaces p = PlaceForm(kGrid,
                                 {FormSize{30, 17}, FormSize{100, 22}, FormSize{50, 17},
                                  FormSize{80, 22}, FormSize{75, 23}, FormSize{75, 23}},
                                 10, 5, {});
  EXPECT_EQ(p.client.width, 10 + 50 + 5 + 100 + 10);
  EXPECT_EQ(p.client.height, 10 + 22 + 5 + 22 + 5 + 23 + 10);
  EXPECT_EQ(p.controls[0], (FormPlace{10, 10, 50, 22}));
  EXPECT_EQ(p.controls[1], (FormPlace{65, 10, 100, 22}));
  EXPECT_EQ(p.controls[3], (FormPlace{65, 37, 100, 22}));  // to the edge, though narrower
  EXPECT_EQ(p.controls[4], (FormPlace{10, 64, 75, 23}));
  EXPECT_EQ(p.controls[5], (FormPlace{90, 64, 75, 23}));
}

constexpr ControlDesign kPrompt[] = {{.name = "prompt"}};
constexpr ControlDesign kEntry[] = {{.kind = ControlKind::kEdit, .name = "entry"}};
constexpr ControlDesign kFile[] = {{.name = "label"},
                                   {.kind = ControlKind::kEdit, .name = "file", .stretch = true},
                                   {.kind = ControlKind::kButton, .name = "open"}};
constexpr ControlDesign kThreeButtons[] = {
    {.kind = ControlKind::kButton, .name = "yes"},
    {.kind = ControlKind::kButton, .name = "no", .hidden = true},
    {.kind = ControlKind::kButton, .name = "close"}};
constexpr FormRow kRows[] = {
    {kPrompt}, {kEntry}, {kFile}, {kThreeButtons, RowKind::kCentredButtons}};
constexpr FormDesign kRowsForm{.name = "rows", .rows = kRows, .programIcon = true};

// Beside the icon: an input alone in its row takes the whole width, a row's spare width goes to
// what stretches; a hidden button takes no room and the others stand centred.
TEST(FormLayoutTest, RowsFillTheirWidthAndHiddenControlsTakeNoRoom) {
  const FormPlaces p =
      PlaceForm(kRowsForm,
                {FormSize{200, 17}, FormSize{120, 21}, FormSize{40, 17}, FormSize{60, 21},
                 FormSize{75, 23}, FormSize{75, 23}, std::nullopt, FormSize{75, 23}},
                10, 5, FormSize{72, 72});
  const int left = 10 + 72 + 10;
  EXPECT_EQ(p.picture, (FormPlace{10, 10, 72, 72}));
  EXPECT_EQ(p.client.width, left + 200 + 10);
  EXPECT_EQ(p.controls[1], (FormPlace{left, 32, 200, 21}));
  EXPECT_EQ(p.controls[3].width, 200 - 40 - 75 - 10);
  EXPECT_EQ(p.controls[6], FormPlace{});
  EXPECT_EQ(p.controls[5].x, 10 + (left + 200 - 10 - 155) / 2);
  EXPECT_EQ(p.controls[7].x, p.controls[5].x + 80);
}

}  // namespace
}  // namespace taviron
