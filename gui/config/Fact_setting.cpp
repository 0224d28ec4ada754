#include "gui/config/Fact_setting.h"

#include <QLabel>
#include <QVBoxLayout>

namespace taviron {

Tfact_setting::Tfact_setting() {
  setObjectName("fact_setting");
  setFont(QFont("Arial", 9));
  auto* label = new QLabel("          Default setting......", this);
  label->setObjectName("Label1");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
}

}  // namespace taviron
