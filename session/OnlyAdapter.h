#pragma once

#include <string>
#include <string_view>

#include "base/SerialDevices.h"
#include "link/Exchange.h"
#include "session/Session.h"

namespace taviron {

// The question asked when the COM name leads to a device that is not there and one USB
// adapter is: which device is missing, which adapter is there, and what Yes does.
std::string OnlyAdapterQuestion(std::string_view portName, std::string_view missingDevice,
                                const SerialDevice& adapter);
inline constexpr std::string_view kOnlyAdapterCaption = "COM Port Setting";

// After the start-up's opening of the port failed because its device does not exist: where
// exactly one USB serial adapter is plugged in, and the COM name (COM1 to COM6, not set by the
// environment) can be pointed at it, asks the operator whether to; on Yes the name is pointed
// at the adapter's stable name, COMPORTS.INI is written and the port is opened again. True when
// that opening succeeded; false when nothing was asked, the answer was No, or the opening failed
// (the caller reports it as it reports its own).
bool OpenTheOnlyAdapter(Exchange& exchange, Session& session, std::string_view portName);

}  // namespace taviron
