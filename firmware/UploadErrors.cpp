#include "firmware/UploadErrors.h"

#include <cstdint>

#include "link/LinkState.h"

namespace taviron {
namespace {

// Read time-outs of an opened port, which the upload lengthens for its own waits.
constexpr std::uint32_t kReadInterval = 500;
constexpr std::uint32_t kReadTotalConstant = 1000;

}  // namespace

void ReportUploadError(Exchange& exchange, const Failure& failure) {
  exchange.Report(failure);
  exchange.link.SetReadTimeouts(kReadInterval, kReadTotalConstant);
  exchange.link.LinkState = kLinkFirmwareUpdateFailure;
}

}  // namespace taviron
