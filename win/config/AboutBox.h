#pragma once

#include "win/common/Win32Form.h"

namespace taviron {

// The About box: the program, its version and its maker.
class TAboutBox : public Win32Form {
 public:
  TAboutBox(Win32Host& host, HWND owner);
  void FormShow() { Focus("OKButton"); }

 protected:
  void Clicked(std::string_view button) override {
    if (button == "OKButton") End(kOk);
  }
};

}  // namespace taviron
