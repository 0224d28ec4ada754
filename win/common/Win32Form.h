#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "views/FormDesign.h"

namespace taviron {

class Win32Host;

// A dialog built from its design: the system's dialog window with its keys (Tab in the design's
// order, Enter for the default button, Escape, mnemonics), its controls named as designed, and
// before each input a label with the input's name for a screen reader. It is created once,
// hidden, and shown modally (or, for the log-in window, on its own) as often as needed; it
// lays itself out for its monitor's scale and for the controls that are visible.
class Win32Form {
 public:
  // The modal results.
  static constexpr int kOk = 1;
  static constexpr int kCancel = 2;

  Win32Form(Win32Host& host, const FormDesign& design, HWND owner);
  virtual ~Win32Form();
  Win32Form(const Win32Form&) = delete;
  Win32Form& operator=(const Win32Form&) = delete;

  HWND hwnd() const { return window_; }

  // Shows the form over its owner until End; the owner takes no input meanwhile, and the
  // running command waits on this form alone. The result End gave.
  int RunModal();
  void End(int result);
  bool Ending() const { return ended_; }
  // A modal form that steps aside while it works, and comes back.
  void Hide();
  void Show();
  // Shown on its own, as the program's first window.
  void ShowAlone();

  // Escape, the close box, or a close of the program asked for while the form is shown.
  virtual void Cancelled() { End(kCancel); }

  // The modal forms being shown, innermost last.
  static const std::vector<Win32Form*>& Shown();

 protected:
  // The operator pressed a button, changed an edit box's text or picked a list's item.
  virtual void Clicked(std::string_view) {}
  virtual void Edited(std::string_view) {}
  virtual void Picked(std::string_view) {}

  HWND Control(std::string_view name) const;
  void SetCaption(std::string_view caption);
  void SetText(std::string_view name, std::string_view text);
  std::string Text(std::string_view name) const;
  // Shows or hides a control; the form is laid out again for what is visible.
  void SetVisible(std::string_view name, bool visible);
  void SetEnabled(std::string_view name, bool enabled);
  // The button that Enter presses.
  void SetDefault(std::string_view name);
  // Gives the control the keyboard, now or when the form is shown.
  void Focus(std::string_view name);
  void SetItems(std::string_view list, const std::vector<std::string>& items);
  void SetItemText(std::string_view list, int item, const std::string& text);
  int Selected(std::string_view list) const;
  void Select(std::string_view list, int item);
  // A progress bar's position.
  void SetProgress(std::string_view name, int position);

  Win32Host& host_;
  const FormDesign& design_;

 private:
  struct Item {
    const ControlDesign* design;
    HWND window;
    int id;
  };

  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Build();
  void Layout();
  void Centre();
  void ApplyFocus();
  const Item* Find(std::string_view name) const;

  HWND window_ = nullptr;
  HWND picture_ = nullptr;
  HICON pictureIcon_ = nullptr;
  HFONT font_ = nullptr;
  int dpi_ = 96;
  std::vector<Item> items_;
  std::string pendingFocus_;
  bool ended_ = true;
  int result_ = kCancel;
};

}  // namespace taviron
