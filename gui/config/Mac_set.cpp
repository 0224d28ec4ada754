#include "gui/config/Mac_set.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/MacAddress.h"
#include "gui/common/QtDialogs.h"
#include "gui/common/WindowHost.h"
#include "program/Configurator.h"

namespace taviron {

Tmac_set::Tmac_set(WindowHost& program) : program_(program) {
  PrepareDialog(*this, "mac_set", "MAC Address Setting");
  auto* label = new QLabel("Input MAC Address", this);
  label->setObjectName("Label1");
  auto* row = new QHBoxLayout;
  for (std::size_t n = 0; n < boxes_.size(); ++n) {
    if (n > 0) row->addWidget(new QLabel("-", this));
    auto* box = new QLineEdit(this);
    box->setObjectName(QString("Ed_mac%1").arg(n + 1));
    box->setMaxLength(2);
    box->setAccessibleName(QString("MAC address, pair %1 of 6").arg(n + 1));
    box->setFixedWidth(32);
    row->addWidget(box);
    boxes_[n] = box;
    // Every box shows what is typed as the switch takes it.
    connect(box, &QLineEdit::textEdited, this, [box](const QString& text) {
      const int cursor = box->cursorPosition();
      box->setText(QString::fromStdString(MacPairAsTyped(text.toStdString())));
      box->setCursorPosition(cursor);
    });
    // A whole address pasted into any box fills all six.
    box->installEventFilter(this);
  }
  auto* ok = MakeButton(this, "Button_ok", "&Set", true);
  auto* cancel = MakeButton(this, "Button_cancel", "Cancel");
  connect(ok, &QPushButton::clicked, this, &Tmac_set::Button_okClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  QHBoxLayout* buttons = ButtonRow({ok, cancel});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addLayout(row);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool Tmac_set::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
    if (auto pairs = PastedMacAddress(QGuiApplication::clipboard()->text().toStdString())) {
      for (std::size_t n = 0; n < boxes_.size(); ++n) {
        boxes_[n]->setText(QString::fromStdString((*pairs)[n]));
      }
      boxes_.back()->setFocus();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void Tmac_set::Render() {
  for (std::size_t n = 0; n < boxes_.size(); ++n) {
    boxes_[n]->setText(QString::fromStdString(program_.core().macAddress.macSet.Ed_mac[n]));
  }
}

void Tmac_set::FormShow() {
  Configurator& c = program_.core();
  MacSetShow(c.exchange, c.macAddress);
  Render();
  boxes_[0]->setFocus();
}

void Tmac_set::Button_okClick() {
  for (std::size_t n = 0; n < boxes_.size(); ++n) {
    program_.core().macAddress.macSet.Ed_mac[n] = boxes_[n]->text().toStdString();
  }
  bool done = false;
  Configurator& c = program_.core();
  program_.Working([&] { done = MacSetOk(c.exchange, c.macAddress); });
  Render();
  if (done) {
    accept();
  } else {
    boxes_[0]->setFocus();
  }
}

}  // namespace taviron
