#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/Desktop.h"
#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

namespace taviron::test {

// What taviron-probe read of a control of the window program.
struct ProbedControl {
  std::string name;
  std::string kind;  // the window class, in lower case: "static", "edit", "button", ...
  std::string text;  // a line break reads "\n"
  std::string flags;
  int x = 0, y = 0, width = 0, height = 0;
  std::string label;  // the static text a screen reader names it by
  std::string extra;  // "selected=N items=a|b", "position=N maximum=M", "limit=N"

  bool Is(char flag) const { return flags.find(flag) != std::string::npos; }
  bool Visible() const { return Is('v'); }
  bool Enabled() const { return Is('e'); }
  bool Focused() const { return Is('f'); }
  int CentreX() const { return x + width / 2; }
  int CentreY() const { return y + height / 2; }
  // A field of `extra`, such as "selected" or "position"; empty when it has none.
  std::string Extra(const std::string& field) const;
};

struct ProbedButton {
  std::string name;
  bool enabled = false;
  int image = -1;
  int width = 0, height = 0;
};

struct ProbedWindow {
  std::string name;
  std::string kind;
  std::string title;
  std::string flags;
  int x = 0, y = 0, width = 0, height = 0;
  std::vector<ProbedControl> controls;

  bool Active() const { return flags.find('a') != std::string::npos; }
  // The control of that name, or an empty one.
  ProbedControl Control(const std::string& controlName) const;
  // The first control of the kind whose text is this (a message box's button "OK").
  std::optional<ProbedControl> WithText(const std::string& kind, const std::string& text) const;
  // The control that has the keyboard focus.
  std::optional<ProbedControl> Focused() const;
};

struct ProbedWindows {
  std::vector<ProbedWindow> windows;
  // The windows' titles and names, for a failure's message.
  std::string Summary() const;
  std::vector<ProbedButton> toolbar;
  std::optional<ProbedWindow> Titled(const std::string& title) const;
  std::optional<ProbedWindow> Active() const;
  ProbedButton Button(int number) const;
};

// taviron.exe under Wine, on a virtual display with a window manager, with COM1 led to a
// device: copied into a directory of its own, where it keeps SWITCH.INI and LOG.TXT. The Wine
// prefix is the one scripts/test-windows.sh prepared (WINEPREFIX), and the Windows build's
// programs are where it says (TAVIRON_WINDOWS_BIN). Input goes through the X server.
class WineProgram {
 public:
  WineProgram(Desktop& desktop, const std::string& com1Device);
  // The prefix and the programs were found.
  static std::string Missing();

  std::unique_ptr<Process> Start();
  // Whether the program started first still runs, for a failure's message.
  std::string Running() const;
  // What the program's windows show now.
  ProbedWindows Look() const;
  // Looks until the condition holds; the last look.
  std::optional<ProbedWindows> WaitUntil(const std::function<bool(const ProbedWindows&)>& holds,
                                         int timeoutMs) const;
  // The window of that title, once it is shown and has the keyboard.
  std::optional<ProbedWindow> WaitForActive(const std::string& title, int timeoutMs) const;
  bool WaitUntilGone(const std::string& title, int timeoutMs) const;
  // A control's text once it reads this.
  bool WaitForText(const std::string& title, const std::string& control, const std::string& text,
                   int timeoutMs) const;

  // The operator's hand: a click in the middle of the control.
  void Click(const ProbedControl& control);
  // A click on the toolbar button (its place from the toolbar's own).
  void ClickToolButton(int number);
  // The pointer comes to rest on the toolbar button.
  void HoverToolButton(int number);

  // What the display shows, saved as a PNG file beside the test's other output.
  void Screenshot(const std::string& name) const;

  const std::filesystem::path& directory() const { return dir_.path(); }
  std::string Settings() const { return ReadFile(dir_ / "SWITCH.INI"); }

 private:
  Desktop& desktop_;
  TempDir dir_;
  std::string device_;
  // The probe, started once and asked again for each look.
  mutable std::unique_ptr<Process> probe_;
  mutable int looks_ = 0;
  Process* first_ = nullptr;

  // The middle of the toolbar button, or none.
  std::optional<std::pair<int, int>> ToolButtonPlace(int number) const;
};

}  // namespace taviron::test
