#include "win/firmware/Fw_update.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <optional>

#include "firmware/FirmwareUpload.h"
#include "program/CommandRunner.h"
#include "program/Configurator.h"
#include "views/DialogDesigns.h"
#include "win/common/Win32Host.h"
#include "win/common/Win32Text.h"

namespace taviron {

Tfw_update::Tfw_update(Win32Host& host, HWND owner) : Win32Form(host, kFwUpdateForm, owner) {}

void Tfw_update::Render() {
  const FirmwareWindow& w = host_.core().fwUpdate;
  // The box shows the file chosen last; what is typed into it is left alone until then. The
  // path is the system's, in its code page.
  if (w.Ed_file != shownFile_) {
    shownFile_ = w.Ed_file;
    ::SetWindowTextW(Control("Ed_file"), WidePath(w.Ed_file).c_str());
  }
  // The bar ends at the chosen file's records.
  const int maximum = std::max(w.progressMaximum, 1);
  ::SendMessageW(Control("ProgressBar1"), PBM_SETRANGE32, 0, maximum);
  SetProgress("ProgressBar1", std::clamp(w.ProgressBar1, 0, maximum));
  SetText("Lb_per", w.Lb_per);
  SetText("Lb_update", w.Lb_update);
  // While an upload runs nothing can start it again or close the dialog.
  const bool enabled = w.buttonsEnabled && !w.uploading;
  for (const char* button : {"hexfile_open", "Button_ok", "Button_cancel", "Button2"})
    SetEnabled(button, enabled);
}

void Tfw_update::FormShow() {
  FwUpdateShow(host_.core().exchange, host_.core().fwUpdate);
  Render();
  Focus("Button_ok");
}

void Tfw_update::Clicked(std::string_view button) {
  if (button == "hexfile_open") hexfile_open_click();
  if (button == "Button_ok") Button_okClick();
  if (button == "Button_cancel" || button == "Button2") Cancelled();
}

void Tfw_update::hexfile_open_click() {
  Configurator& c = host_.core();
  const std::string chosen = c.exchange.frontend().AskFileToOpen(kHexFileFilter);
  FwUpdateOpenFile(c.exchange, c.fwUpdate,
                   chosen.empty() ? std::nullopt : std::optional<std::string>(chosen));
  Render();
}

void Tfw_update::Button_okClick() {
  Configurator& c = host_.core();
  host_.runner().Working([&c] { FwUpdateUpload(c.exchange, c.monitor, c.access, c.fwUpdate); });
  Render();
}

void Tfw_update::Cancelled() {
  if (host_.core().fwUpdate.uploading) return;
  End(kCancel);
}

}  // namespace taviron
