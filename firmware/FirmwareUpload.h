#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "access/Access.h"
#include "link/Exchange.h"
#include "monitor/Monitoring.h"
#include "views/FirmwareWindow.h"

namespace taviron {

// The firmware upgrade dialog Tfw_update, as far as it is not drawing: its show handler, the
// choice of the firmware file and the upload. The window itself only draws its FirmwareWindow
// and forwards its buttons here; while fwUpdate.uploading is set it must neither start another
// upload nor close.

// The open-file dialog's filter.
inline constexpr std::string_view kHexFileFilter = "Intel hexﾌｫｰﾏｯﾄ (*.hex)|*.hex";

// FormShow of Tfw_update: an empty progress display.
void FwUpdateShow(Exchange& exchange, FirmwareWindow& fwUpdate);

// hexfile_open_click, after the open-file dialog: the chosen path, or none when the operator
// cancelled (the previous choice stays).
void FwUpdateOpenFile(Exchange& exchange, FirmwareWindow& fwUpdate,
                      const std::optional<std::string>& chosen);

// Button_okClick: checks the chosen file, hands the switch to its ROM loader, erases and loads
// bank 0 (up to four attempts), leaves the loader and reconnects to the restarted switch (so
// it takes the blocks a reconnect works on). A switch already waiting in its loader (the link's
// SwitchInLoader) is reached there, port closed or not, and loaded from the bank selection on.
// Does nothing while an upload already runs.
void FwUpdateUpload(Exchange& exchange, Monitoring& monitor, Access& access,
                    FirmwareWindow& fwUpdate);

}  // namespace taviron
