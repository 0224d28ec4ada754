#include "firmware/UploadErrors.h"

#include <cstdint>

#include "link/LinkState.h"

namespace taviron {
namespace {

// Read time-outs of an opened port, which the upload lengthens for its own waits.
constexpr std::uint32_t kReadInterval = 500;
constexpr std::uint32_t kReadTotalConstant = 1000;

}  // namespace

void ReportUploadError(const Exchange& c, const Failure& failure) {
  c.Report(failure);
  c.link.SetReadTimeouts(kReadInterval, kReadTotalConstant);
  c.link.LinkState = kLinkFirmwareUpdateFailure;
}

}  // namespace taviron
