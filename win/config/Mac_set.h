#pragma once

#include "win/common/Win32Form.h"

namespace taviron {

// The MAC Address Setting dialog: shows the switch's address and sets a new one.
class Tmac_set : public Win32Form {
 public:
  Tmac_set(Win32Host& host, HWND owner);
  void FormShow();
  void Button_okClick();

 protected:
  void Clicked(std::string_view button) override;

 private:
  void Render();
};

}  // namespace taviron
