#pragma once

#include <string>

namespace taviron {

// The controls of the firmware upgrade dialog Tfw_update, as the upload leaves them.
struct FirmwareWindow {
  std::string Ed_file;         // the chosen file's path, as shown
  std::string fileName;        // the file the upload opens (set only by choosing a file)
  int ProgressBar1 = 0;        // records sent in this attempt
  int progressMaximum = 4096;  // the records the chosen file sends: the bar's end and 100 %
  std::string Lb_per = "0";    // percentage text
  std::string Lb_update;       // progress and outcome
  bool buttonsEnabled = true;  // hexfile_open, Button_ok, Button_cancel and Button2
  bool uploading = false;      // an upload runs: it cannot be started again, nor the dialog closed
};

}  // namespace taviron
