#pragma once

#include "win/common/Win32Form.h"

namespace taviron {

// The Clear Surge Counter dialog: asks, then clears the switch's surge counter.
class Tth_clear : public Win32Form {
 public:
  Tth_clear(Win32Host& host, HWND owner);
  void FormShow() { Focus("Button_ok"); }
  void Button_okClick();

 protected:
  void Clicked(std::string_view button) override;
};

}  // namespace taviron
