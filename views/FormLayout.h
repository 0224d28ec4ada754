#pragma once

#include <optional>
#include <vector>

#include "views/FormDesign.h"

namespace taviron {

// Where each control of a form stands, from the sizes its front end measured: the rows top to
// bottom with a margin around them and a spacing between; in a grid form the field rows' controls
// in columns as wide as their widest, the last column to the right edge; the spare width of a
// row to its controls that stretch, and the whole width to an input or label alone in its row;
// the buttons to the right or centred; a label as high as its row, its line in the middle; the
// program's icon, where the form has it, left of the field rows. Lengths in whatever pixels the
// sizes are in.

struct FormSize {
  int width = 0;
  int height = 0;
  bool operator==(const FormSize&) const = default;
};

struct FormPlace {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const FormPlace&) const = default;
};

struct FormPlaces {
  std::vector<FormPlace> controls;  // in the design's order; a hidden control's is empty
  FormPlace picture;                // the program's icon, where the form has it
  FormSize client;                  // the form's inside
};

// `sizes`: each control's size as it would like it, in the design's order; none for a hidden
// control. `picture`: the size of the icon's panel, used when the form has one.
FormPlaces PlaceForm(const FormDesign& form, const std::vector<std::optional<FormSize>>& sizes,
                     int margin, int spacing, FormSize picture);

}  // namespace taviron
