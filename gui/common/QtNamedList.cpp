#include "gui/common/QtNamedList.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>

namespace taviron {
namespace {

// The list's accessible face: its name, its current item as the value, and its popup as the
// one child, as the toolkit's own drop-down lists offer it.
class NamedListAccessible : public QAccessibleWidget {
 public:
  explicit NamedListAccessible(QWidget* widget)
      : QAccessibleWidget(widget, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    switch (t) {
      case QAccessible::Name:
        return List()->accessibleName();
      case QAccessible::Value:
        return List()->currentText();
      default:
        return QAccessibleWidget::text(t);
    }
  }

  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr && child->object() == List()->view() ? 0 : -1;
  }

  QStringList actionNames() const override {
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == showMenuAction() || action == pressAction()) {
      List()->showPopup();
      return;
    }
    QAccessibleWidget::doAction(action);
  }

 private:
  QComboBox* List() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* NamedListFactory(const QString& className, QObject* object) {
  if (className == QLatin1String(NamedList::staticMetaObject.className()) &&
      object->isWidgetType()) {
    return new NamedListAccessible(static_cast<QWidget*>(object));
  }
  return nullptr;
}

}  // namespace

NamedList::NamedList(const QString& accessibleName, QWidget* parent) : QComboBox(parent) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(NamedListFactory);
    return true;
  }();
  (void)factoryInstalled;
  setAccessibleName(accessibleName);
}

}  // namespace taviron
