#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "firmware/UpgradeState.h"

namespace taviron {

// The firmware upgrade dialog Tfw_update, as far as it is not drawing: its show handler, the
// choice of the firmware file and the upload. The window itself only draws c.fwUpdate and
// forwards its buttons here; while c.fwUpdate.uploading is set it must neither start another
// upload nor close.

// The open-file dialog's filter.
inline constexpr std::string_view kHexFileFilter = "Intel hexﾌｫｰﾏｯﾄ (*.hex)|*.hex";

// FormShow of Tfw_update: an empty progress display.
void FwUpdateShow(const UpgradeState& c);

// hexfile_open_click, after the open-file dialog: the chosen path, or none when the operator
// cancelled (the previous choice stays).
void FwUpdateOpenFile(const UpgradeState& c, const std::optional<std::string>& chosen);

// Button_okClick: checks the chosen file, hands the switch to its ROM loader, erases and loads
// bank 0 (up to four attempts), leaves the loader and reconnects to the restarted switch.
// Does nothing while an upload already runs.
void FwUpdateUpload(const UpgradeState& c);

}  // namespace taviron
