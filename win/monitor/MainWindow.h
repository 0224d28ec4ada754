#pragma once

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <string>
#include <vector>

#include "base/Settings.h"
#include "views/MainWindowDesign.h"

namespace taviron {

class Win32Host;

// The main window: the switch's information, its eight ports, the connection state in the
// status bar, and the commands in the menu and toolbar. It draws what the core's view holds and
// runs the command the operator chose.
class TForm_MainWindow {
 public:
  // Creates the window, hidden; its creation runs the start-up sequence.
  explicit TForm_MainWindow(Win32Host& host);
  ~TForm_MainWindow();
  TForm_MainWindow(const TForm_MainWindow&) = delete;
  TForm_MainWindow& operator=(const TForm_MainWindow&) = delete;

  HWND hwnd() const { return window_; }
  // Draws what the core's view holds.
  void Render();
  // Shows the window where the operator left it, wholly on the screen.
  void ShowAtSavedBounds();
  // Where the window is now; the saved bounds while it was never shown.
  WindowBounds CurrentBounds() const;
  // Closes the window as File > Close does: the shutdown runs, or waits for a running command.
  void Close();

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Build();
  void BuildMenus();
  void BuildToolbar();
  void BuildInformation();
  // Sizes and places everything for the monitor's scale.
  void Place();
  void LoadImages();
  void Chosen(MenuCommand command);
  void Shutdown();
  HWND AddLabel(std::string_view name, std::string_view text, const GroupBoxDesign& box, int left,
                int top, int width, int height, DWORD style);

  Win32Host& host_;
  HWND window_ = nullptr;
  HWND toolbar_ = nullptr;
  HWND status_ = nullptr;
  HMENU menu_ = nullptr;
  HACCEL accelerators_ = nullptr;
  HIMAGELIST images_ = nullptr;
  HFONT font_ = nullptr;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  int dpi_ = 96;
  bool shutdownDone_ = false;
  bool shownOnce_ = false;
  bool activatedOnce_ = false;

  // Each control with its designed place, to be placed again at another scale.
  struct Placed {
    HWND window;
    const GroupBoxDesign* box;  // nullptr for a group box itself
    int left, top, width, height;
  };
  std::vector<Placed> placed_;
  // The labels the view fills, by name.
  struct Value {
    std::string name;
    HWND window;
    std::wstring shown;
  };
  std::vector<Value> values_;
  HWND label6_ = nullptr;
  // The toolbar buttons' hints, their texts and tooltips.
  std::vector<std::wstring> hints_;
  std::wstring statusShown_;
};

}  // namespace taviron
