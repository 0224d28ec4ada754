#include "session/PortOpenReport.h"

#include <string>

#include "base/PortOpenExplanation.h"

namespace taviron {

void ReportPortOpenFailure(Exchange& exchange, const Failure& failure, std::string_view portName) {
  const std::string box =
      WithExplanation(failure.box, ExplainPortOpenFailure(exchange.link.Port(), portName));
  Failure told = failure;
  told.box = box;
  exchange.Report(told);
}

}  // namespace taviron
