#include "gui/config/Th_clear.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/SurgeCounterClear.h"
#include "gui/common/QtDialogs.h"
#include "gui/common/WindowHost.h"
#include "program/Configurator.h"

namespace taviron {

Tth_clear::Tth_clear(WindowHost& program) : program_(program) {
  PrepareDialog(*this, "th_clear", "Clear Surge Counter");
  auto* line1 = new QLabel("The Surge counter will reset back to 0.", this);
  line1->setObjectName("Label1");
  auto* line2 = new QLabel("Is that OK?", this);
  line2->setObjectName("Label2");
  auto* yes = MakeButton(this, "Button_ok", "&Yes", true);
  auto* no = MakeButton(this, "Button_cancel", "&No");
  connect(yes, &QPushButton::clicked, this, &Tth_clear::Button_okClick);
  connect(no, &QPushButton::clicked, this, &QDialog::reject);
  QHBoxLayout* buttons = ButtonRow({yes, no}, true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(line1);
  layout->addWidget(line2);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Tth_clear::Button_okClick() {
  Configurator& c = program_.core();
  program_.Working([&c] { ThClearYes(c.exchange, c.surgeClear); });
  accept();
}

}  // namespace taviron
