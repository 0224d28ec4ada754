#include "gui/config/Port_set.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/PortSetting.h"
#include "gui/common/QtDialogs.h"
#include "gui/common/QtNamedList.h"
#include "gui/common/WindowHost.h"
#include "program/Configurator.h"
#include "views/AccessibleNames.h"

namespace taviron {

Tport_set::Tport_set(WindowHost& program) : program_(program) {
  PrepareDialog(*this, "port_set", "Port Setting");
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("Port No", this), 0, 0);
  grid->addWidget(new QLabel("Speed/Duplex", this), 0, 1);
  for (int n = 0; n < 8; ++n) {
    grid->addWidget(new QLabel(QString("#%1").arg(n + 1), this), n + 1, 0);
    auto* list = new NamedList(QString::fromStdString(PortListName(n + 1)), this);
    list->setObjectName(QString("Cmb_port%1").arg(n + 1));
    list->addItems(
        {"10Mbps/half", "10Mbps/full", "100Mbps/half", "100Mbps/full", "Auto", "Disable"});
    list->setCurrentIndex(-1);
    list->setMinimumWidth(140);
    connect(list, &QComboBox::currentIndexChanged, this, [this, n](int item) {
      program_.core().monitor.portSelection[static_cast<std::size_t>(n)] = item;
    });
    grid->addWidget(list, n + 1, 1);
    lists_[static_cast<std::size_t>(n)] = list;
  }
  auto* ok = MakeButton(this, "Button_ok", "&Setting", true);
  auto* cancel = MakeButton(this, "Button_cancel", "Cancel");
  connect(ok, &QPushButton::clicked, this, &Tport_set::Button_okClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  QHBoxLayout* buttons = ButtonRow({ok, cancel});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Tport_set::Render() {
  for (std::size_t n = 0; n < lists_.size(); ++n) {
    int item = program_.core().monitor.portSelection[n];
    if (lists_[n]->currentIndex() != item) lists_[n]->setCurrentIndex(item);
  }
}

void Tport_set::FormShow() {
  PortSetShow(program_.core().monitor);
  Render();
}

void Tport_set::Button_okClick() {
  // The dialog steps aside while the ports are sent, and comes back when the switch refused.
  hide();
  bool done = false;
  Configurator& c = program_.core();
  program_.Working([&] { done = PortSetOk(c.exchange, c.monitor, c.portSetting); });
  Render();
  if (done) {
    accept();
  } else {
    show();
  }
}

}  // namespace taviron
