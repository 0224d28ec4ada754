#include "gui/common/QtSpokenLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace taviron {
namespace {

class SpokenLabelAccessible : public QAccessibleWidget {
 public:
  explicit SpokenLabelAccessible(QWidget* widget)
      : QAccessibleWidget(widget, QAccessible::Notification) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return static_cast<QLabel*>(widget())->text();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* SpokenLabelFactory(const QString& className, QObject* object) {
  if (className == QLatin1String(SpokenLabel::staticMetaObject.className()) &&
      object->isWidgetType()) {
    return new SpokenLabelAccessible(static_cast<QWidget*>(object));
  }
  return nullptr;
}

}  // namespace

SpokenLabel::SpokenLabel(QWidget* parent) : QLabel(parent) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(SpokenLabelFactory);
    return true;
  }();
  (void)factoryInstalled;
}

void SpokenLabel::Say(const QString& text, bool again) {
  const bool changed = text != this->text();
  setText(text);
  if (!(changed || again) || text.isEmpty() || !isVisible()) return;
  // Screen readers read a notification out when it is shown, wherever the focus is; this
  // toolkit version has no other way to make them speak.
  QAccessibleEvent shown(this, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

}  // namespace taviron
