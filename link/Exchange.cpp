#include "link/Exchange.h"

namespace taviron {

void Exchange::Report(const Failure& f) {
  const std::string message = f.withCommError ? WithCommError(f.log) : std::string(f.log);
  const bool box = !f.box.empty();
  if (box && f.order == BoxOrder::kBeforeRecord) frontend_.MessageBox(f.box, f.caption);
  if (f.code != 0) log.WriteErrLog(CodeText(f.code), 1);
  if (box && f.order == BoxOrder::kBetweenCodeAndMessage) frontend_.MessageBox(f.box, f.caption);
  if (!message.empty()) log.WriteErrLog(message, 0);
  log.Notify({f.code, message, f.kind});
}

}  // namespace taviron
