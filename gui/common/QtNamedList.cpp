#include "gui/common/QtNamedList.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QItemSelectionModel>
#include <QTimer>

#include <algorithm>

namespace taviron {
namespace {

// The list's accessible face: its name, its chosen item as its value and as a line of text,
// and its popup as the one child, as the toolkit's own drop-down lists offer it.
//
// The desktop accessibility bus of this toolkit version carries no selection of a list, which is
// where screen readers look for a drop-down list's item; they read a control's text instead. The
// text is shown selected while the list has the focus, as a focused list shows its item, so that
// a screen reader reads a new item as the selected text it is (the text events: TellChosen).
class NamedListAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit NamedListAccessible(QWidget* widget)
      : QAccessibleWidget(widget, QAccessible::ComboBox) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

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

  // The text: the chosen item, read-only.
  QString text(int startOffset, int endOffset) const override {
    const QString item = List()->currentText();
    startOffset = std::clamp(startOffset, 0, static_cast<int>(item.size()));
    endOffset = endOffset < 0 ? static_cast<int>(item.size())
                              : std::clamp(endOffset, startOffset, static_cast<int>(item.size()));
    return item.mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(List()->currentText().size()); }
  int selectionCount() const override { return List()->hasFocus() && characterCount() > 0 ? 1 : 0; }
  void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = selectionIndex == 0 && selectionCount() == 1 ? characterCount() : 0;
  }
  int cursorPosition() const override { return 0; }
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  QString attributes(int, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
  }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  void setCursorPosition(int) override {}
  void scrollToSubstring(int, int) override {}

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
  connect(this, &QComboBox::currentTextChanged, this, &NamedList::TellChosen);
  // The chosen item is the selected item of the list it opens, open or not. Only the selection
  // follows: the list's current item is its focus, which stays with the closed list.
  connect(this, &QComboBox::currentIndexChanged, this, [this](int item) {
    view()->selectionModel()->select(model()->index(item, modelColumn(), rootModelIndex()),
                                     QItemSelectionModel::ClearAndSelect);
  });
}

void NamedList::TellChosen(const QString& chosen) {
  const QString before = told_;
  told_ = chosen;
  if (!QAccessible::isActive() || before == chosen) return;
  // The new item goes in before the old one and the old one goes after it: every reader of the
  // text keeps it whole, and the one inserted is the text selected, as a screen reader expects
  // of a chosen item.
  if (!chosen.isEmpty()) {
    QAccessibleTextInsertEvent inserted(this, 0, chosen);
    QAccessible::updateAccessibility(&inserted);
  }
  if (!before.isEmpty()) {
    QAccessibleTextRemoveEvent removed(this, static_cast<int>(chosen.size()), before);
    QAccessible::updateAccessibility(&removed);
  }
}

void NamedList::showPopup() {
  QComboBox::showPopup();
  // The open list takes the focus after its current item was set, so the toolkit tells only of
  // the list; the item with the focus is told once the list has it.
  QTimer::singleShot(0, this, [this] {
    QAbstractItemView* items = view();
    const QModelIndex current = items->currentIndex();
    if (!QAccessible::isActive() || !items->isVisible() || !current.isValid()) return;
    QAccessibleEvent focus(items, QAccessible::Focus);
    focus.setChild(current.row());
    QAccessible::updateAccessibility(&focus);
  });
}

}  // namespace taviron
