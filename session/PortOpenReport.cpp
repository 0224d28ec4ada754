#include "session/PortOpenReport.h"

#include <string>

#include "base/PortOpenExplanation.h"

namespace taviron {

void ReportPortOpenFailure(const Exchange& c, const Failure& failure, std::string_view portName) {
  const std::string box =
      WithExplanation(failure.box, ExplainPortOpenFailure(c.link.Port(), portName));
  Failure told = failure;
  told.box = box;
  c.Report(told);
}

}  // namespace taviron
