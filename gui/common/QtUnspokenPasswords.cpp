#include "gui/common/QtUnspokenPasswords.h"

#include <QLineEdit>
#include <QString>

namespace taviron {
namespace {

QAccessible::UpdateHandler listener = nullptr;
bool installed = false;

void Unspoken(QAccessibleEvent* event);

void PassOn(QAccessibleEvent* event) {
  if (listener != nullptr) {
    listener(event);
    return;
  }
  // Without a handler the update goes to the platform's bridge; this one is put back at once.
  QAccessible::installUpdateHandler(nullptr);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(&Unspoken);
}

// What a password box shows for the text: a '*' per character, or nothing.
QString Masked(const QLineEdit& box, const QString& text) {
  if (box.echoMode() == QLineEdit::NoEcho) return {};
  return QString(text.size(), QLatin1Char('*'));
}

void Unspoken(QAccessibleEvent* event) {
  const auto* box = qobject_cast<const QLineEdit*>(event->object());
  if (box == nullptr || box->echoMode() == QLineEdit::Normal) {
    PassOn(event);
    return;
  }
  switch (event->type()) {
    case QAccessible::TextInserted: {
      const auto* inserted = static_cast<QAccessibleTextInsertEvent*>(event);
      QAccessibleTextInsertEvent masked(event->object(), inserted->changePosition(),
                                        Masked(*box, inserted->textInserted()));
      PassOn(&masked);
      return;
    }
    case QAccessible::TextRemoved: {
      const auto* removed = static_cast<QAccessibleTextRemoveEvent*>(event);
      QAccessibleTextRemoveEvent masked(event->object(), removed->changePosition(),
                                        Masked(*box, removed->textRemoved()));
      PassOn(&masked);
      return;
    }
    case QAccessible::TextUpdated: {
      const auto* updated = static_cast<QAccessibleTextUpdateEvent*>(event);
      QAccessibleTextUpdateEvent masked(event->object(), updated->changePosition(),
                                        Masked(*box, updated->textRemoved()),
                                        Masked(*box, updated->textInserted()));
      PassOn(&masked);
      return;
    }
    default:
      PassOn(event);
      return;
  }
}

}  // namespace

void KeepTypedPasswordsUnspoken() {
  if (installed) return;
  installed = true;
  QAccessible::installUpdateHandler(&Unspoken);
}

void SendAccessibilityUpdatesTo(QAccessible::UpdateHandler to) {
  listener = to;
}

}  // namespace taviron
