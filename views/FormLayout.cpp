#include "views/FormLayout.h"

#include <algorithm>

namespace taviron {
namespace {

struct Shown {
  std::size_t index;  // in the design's order
  std::size_t column;
  const ControlDesign* design;
  FormSize size;
};

}  // namespace

FormPlaces PlaceForm(const FormDesign& form, const std::vector<std::optional<FormSize>>& sizes,
                     int margin, int spacing, FormSize picture) {
  FormPlaces places;
  places.controls.resize(sizes.size());

  // The visible controls, row by row.
  std::vector<std::vector<Shown>> rows(form.rows.size());
  std::size_t index = 0;
  for (std::size_t r = 0; r < form.rows.size(); ++r) {
    for (std::size_t c = 0; c < form.rows[r].controls.size(); ++c, ++index) {
      if (index < sizes.size() && sizes[index]) {
        rows[r].push_back({index, c, &form.rows[r].controls[c], *sizes[index]});
      }
    }
  }
  auto isFields = [&form](std::size_t r) { return form.rows[r].kind == RowKind::kFields; };
  auto inGrid = [&](std::size_t r) { return form.grid && isFields(r); };

  std::vector<int> columns;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (!inGrid(r)) continue;
    for (const Shown& s : rows[r]) {
      if (columns.size() <= s.column) columns.resize(s.column + 1, 0);
      columns[s.column] = std::max(columns[s.column], s.size.width);
    }
  }
  auto widthOf = [&](std::size_t r, const Shown& s) {
    return inGrid(r) ? columns[s.column] : s.size.width;
  };
  auto rowWidth = [&](std::size_t r) {
    int width = 0;
    for (std::size_t i = 0; i < rows[r].size(); ++i)
      width += widthOf(r, rows[r][i]) + (i > 0 ? spacing : 0);
    return width;
  };

  const int pictureWidth = form.programIcon ? picture.width + spacing * 2 : 0;
  int fieldWidth = 0;
  int buttonWidth = 0;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    int& widest = isFields(r) ? fieldWidth : buttonWidth;
    widest = std::max(widest, rowWidth(r));
  }
  const int contentWidth = std::max(fieldWidth + pictureWidth, buttonWidth);
  fieldWidth = contentWidth - pictureWidth;

  int top = margin;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (rows[r].empty()) continue;
    int height = 0;
    int stretchers = 0;
    for (const Shown& s : rows[r]) {
      height = std::max(height, s.size.height);
      stretchers += s.design->stretch ? 1 : 0;
    }
    const bool fields = isFields(r);
    const int left = margin + (fields ? pictureWidth : 0);
    const int available = fields ? fieldWidth : contentWidth;
    const int spare = std::max(0, available - rowWidth(r));
    int x = left;
    if (form.rows[r].kind == RowKind::kButtons) x += spare;
    if (form.rows[r].kind == RowKind::kCentredButtons) x += spare / 2;
    const bool alone = fields && !form.grid && rows[r].size() == 1;
    for (std::size_t i = 0; i < rows[r].size(); ++i) {
      const Shown& s = rows[r][i];
      int width = widthOf(r, s);
      if (fields && s.design->stretch) width += spare / stretchers;
      if (alone || (inGrid(r) && i + 1 == rows[r].size())) width = left + available - x;
      const int controlHeight = s.design->kind == ControlKind::kLabel ? height : s.size.height;
      places.controls[s.index] = {x, top + (height - controlHeight) / 2, width, controlHeight};
      x += width + spacing;
    }
    top += height + spacing;
  }
  if (form.programIcon) {
    places.picture = {margin, margin, picture.width, picture.height};
    top = std::max(top, margin + picture.height + spacing);
  }
  places.client = {contentWidth + 2 * margin, top - spacing + margin};
  return places;
}

}  // namespace taviron
