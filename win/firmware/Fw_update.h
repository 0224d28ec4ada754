#pragma once

#include <string>

#include "win/common/Win32Form.h"

namespace taviron {

// The firmware upgrade dialog: choose an Intel HEX file and upload it through the processor's
// ROM loader. It has no close box; while an upload runs it cannot be closed at all.
class Tfw_update : public Win32Form {
 public:
  Tfw_update(Win32Host& host, HWND owner);
  void FormShow();
  void hexfile_open_click();
  void Button_okClick();
  void Render();
  void Cancelled() override;

 protected:
  void Clicked(std::string_view button) override;

 private:
  std::string shownFile_;
};

}  // namespace taviron
