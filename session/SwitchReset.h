#pragma once

#include <cstdint>
#include <string_view>

#include "access/Access.h"
#include "base/Clock.h"
#include "base/Failure.h"
#include "link/Exchange.h"
#include "link/Greeting.h"
#include "monitor/Monitoring.h"

namespace taviron {

// How a sequence reconnects to a switch that restarted (after a reset or a firmware upgrade):
// no wake-up lines, the probe with its own pause, the stored password when the switch asks,
// and its own codes and report.
struct RestartReconnect {
  TimeMs probePause;
  const Failure& portOpen;
  GreetingFailures greeting;
  const Failure& passwordNotSent;
  const Failure& passwordNoReply;
  const Failure& passwordRefused;
};

// Reopens the configured port and greets the restarted switch; ends with RefreshAll on success.
// The port must be closed and the switch's restart waited for.
void ReconnectAfterRestart(Exchange& exchange, Monitoring& monitor, Access& access,
                           const RestartReconnect& how);

// Reset: tell the switch to restart, wait for it, reconnect and log in again.
void ResetSwitch(Exchange& exchange, Monitoring& monitor, Access& access);
// The failure report of the greeting and password steps of a reconnect: its record and box,
// then the link given up as a failed connect.
void ResetFailed(Exchange& exchange, Monitoring& monitor, const Failure& failure);

}  // namespace taviron
