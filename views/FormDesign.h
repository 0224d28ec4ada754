#pragma once

#include <span>
#include <string_view>

namespace taviron {

// How a dialog is designed, for each front end to build the same window: its caption, its
// controls with their names, texts, mnemonics ('&'), what a screen reader calls each input,
// and their arrangement in rows, top to bottom, left to right. The keyboard visits the inputs
// and buttons in that order. Sizes are pixels at 96 dots per inch; where none is given, a
// control is as large as its text.

enum class ControlKind {
  kLabel,
  kEdit,
  kPassword,  // an edit box that shows '*' for each character
  kList,      // a pick-only drop-down list
  kButton,
  kProgress,
};

enum class Alignment { kLeft, kRight };

struct ControlDesign {
  ControlKind kind = ControlKind::kLabel;
  std::string_view name = {};
  std::string_view text = {};  // a label's or button's text; a list's items are in `items`
  // An input's name for a screen reader; a front end that names an input by the label before
  // it puts a label with this text there.
  std::string_view accessibleName = {};
  int maxLength = 0;       // an edit box's longest text; 0 for none
  int width = 0;           // the least width; 0: as wide as the text
  int height = 0;          // the least height; 0: one line
  bool stretch = false;    // takes the row's spare width
  bool isDefault = false;  // the default button, which Enter presses
  bool hidden = false;     // hidden until the dialog shows it
  bool upperCase = false;  // an edit box that turns letters into capitals as they are typed
  Alignment align = Alignment::kLeft;
  std::span<const std::string_view> items = {};
};

enum class RowKind {
  kFields,          // left to right; an input alone in its row takes the whole width
  kButtons,         // the buttons, to the right
  kCentredButtons,  // the buttons, centred
};

struct FormRow {
  std::span<const ControlDesign> controls;
  RowKind kind = RowKind::kFields;
};

struct FormDesign {
  std::string_view name = {};         // the window's name ("port_set")
  std::string_view windowClass = {};  // its form class ("Tport_set")
  std::string_view caption = {};
  std::span<const FormRow> rows = {};
  bool grid = false;         // the field rows' controls stand in columns
  bool closeBox = true;      // false: it closes through its buttons only
  bool programIcon = false;  // the program's icon, in a sunken panel, left of the field rows
};

// The named control of a form, or nullptr.
const ControlDesign* FindControl(const FormDesign& form, std::string_view name);

}  // namespace taviron
