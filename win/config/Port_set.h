#pragma once

#include "win/common/Win32Form.h"

namespace taviron {

// The Port Setting dialog: speed and duplex of each of the eight ports.
class Tport_set : public Win32Form {
 public:
  Tport_set(Win32Host& host, HWND owner);
  // FormShow: the lists follow what is known of the ports.
  void FormShow();
  void Button_okClick();

 protected:
  void Clicked(std::string_view button) override;
  void Picked(std::string_view list) override;

 private:
  void Render();
};

}  // namespace taviron
