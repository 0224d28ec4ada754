#include "tests/gui/OperatorHands.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QWindow>

#include <algorithm>

#include <gtest/gtest.h>

namespace taviron::test {
namespace {

// Steps look for their window this often; a step waits this many looks at most.
constexpr int kPollMs = 5;
constexpr int kPatiencePolls = 1000;
// A mnemonic shows its button pressed for a moment before the click; at most this long.
constexpr int kMnemonicClickMs = 2000;

QWindow* WindowOf(QWidget* widget) {
  QWidget* top = widget->window();
  return top->windowHandle();
}

}  // namespace

void ClickOn(QWidget* widget) {
  ClickOn(widget, widget->rect().center());
}

void ClickOn(QWidget* widget, QPoint local) {
  QWindow* window = widget == nullptr ? nullptr : WindowOf(widget);
  if (window == nullptr || !widget->isVisible()) {
    ADD_FAILURE() << "no visible window to click in";
    return;
  }
  QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, widget->mapTo(widget->window(), local));
}

QWidget* KeyboardWindow() {
  if (QWidget* popup = QApplication::activePopupWidget()) return popup;
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}

void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QWidget* target = KeyboardWindow();
  if (target == nullptr || target->windowHandle() == nullptr) {
    ADD_FAILURE() << "no window has the keyboard";
    return;
  }
  // Qt Test sends the modifier keys down and up around the key, as a keyboard does.
  QTest::keyClick(target->windowHandle(), key, modifiers);
  // A button's mnemonic holds it down for a moment before it acts; the operator sees it act.
  if (modifiers & Qt::AltModifier) {
    (void)QTest::qWaitFor(
        [] {
          for (QWidget* top : QApplication::topLevelWidgets()) {
            for (QAbstractButton* b : top->findChildren<QAbstractButton*>()) {
              if (b->isDown()) return false;
            }
          }
          return true;
        },
        kMnemonicClickMs);
  }
}

void TypeText(const QString& text) {
  for (QChar ch : text) {
    QWidget* target = KeyboardWindow();
    if (target == nullptr || target->windowHandle() == nullptr) {
      ADD_FAILURE() << "no window has the keyboard";
      return;
    }
    if (ch.unicode() < 0x80) {
      QTest::keyClick(target->windowHandle(), ch.toLatin1());
    } else {
      // A character no key of its own types (an input method's or a compose key's): its text.
      QTest::sendKeyEvent(QTest::Click, target->windowHandle(), Qt::Key_unknown, QString(ch),
                          Qt::NoModifier);
    }
  }
}

void ClickMenuItem(QMainWindow& window, const char* menuName, const char* itemName) {
  auto* menu = window.findChild<QMenu*>(menuName);
  auto* item = window.findChild<QAction*>(itemName);
  if (menu == nullptr || item == nullptr) {
    ADD_FAILURE() << "no menu " << menuName << " with " << itemName;
    return;
  }
  QMenuBar* bar = window.menuBar();
  ClickOn(bar, bar->actionGeometry(menu->menuAction()).center());
  if (!menu->isVisible()) {
    ADD_FAILURE() << "menu " << menuName << " did not open";
    return;
  }
  QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                    menu->actionGeometry(item).center());
}

void ClickToolButton(QMainWindow& window, int number) {
  auto* toolbar = window.findChild<QToolBar*>("ToolBar1");
  auto* action = window.findChild<QAction*>(QString("ToolButton%1").arg(number));
  if (toolbar == nullptr || action == nullptr) {
    ADD_FAILURE() << "no tool button " << number;
    return;
  }
  ClickOn(toolbar->widgetForAction(action));
}

void PickFromList(QWidget* widget, int item) {
  auto* list = qobject_cast<QComboBox*>(widget);
  if (list == nullptr) {
    ADD_FAILURE() << "no drop-down list";
    return;
  }
  ClickOn(list);
  QAbstractItemView* view = list->view();
  if (!view->isVisible()) {
    ADD_FAILURE() << "the list " << list->objectName().toStdString() << " did not open";
    return;
  }
  QWidget* viewport = view->viewport();
  QTest::mouseClick(viewport->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                    viewport->mapTo(viewport->window(),
                                    view->visualRect(list->model()->index(item, 0)).center()));
}

QWidget* FocusedWidget() {
  return QApplication::focusWidget();
}

Operator::Operator(std::function<bool(QWidget*)> ready)
    : ready_(std::move(ready)), alive_(std::make_shared<bool>(true)) {
  Schedule();
}

Operator::~Operator() {
  *alive_ = false;
}

void Operator::Schedule() {
  // A new timer for every look: a timer does not fire again inside its own handler, and a step
  // runs the nested event loop of the window it opens.
  std::weak_ptr<bool> alive = alive_;
  QTimer::singleShot(kPollMs, qApp, [this, alive] {
    if (alive.expired()) return;
    Poll();
  });
}

Operator& Operator::At(const QString& title, Step step) {
  steps_.push_back({title, std::move(step)});
  return *this;
}

void Operator::Poll() {
  Schedule();
  if (bailing_) {
    // Out of every window that holds the loop, so the test ends and reports.
    if (QWidget* popup = QApplication::activePopupWidget()) {
      popup->close();
    } else if (QWidget* modal = QApplication::activeModalWidget()) {
      if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
      } else {
        modal->close();
      }
    }
    return;
  }
  QWidget* window = KeyboardWindow();
  if (steps_.empty()) {
    // Every step ran: whatever window is still open was left open by the program.
    if (QApplication::activeModalWidget() == nullptr &&
        QApplication::activePopupWidget() == nullptr) {
      idlePolls_ = 0;
    } else if (++idlePolls_ >= kPatiencePolls) {
      stuckAt_ = window == nullptr ? "no window" : window->windowTitle().toStdString();
      missed_.push_back("(the end: a window stayed open)");
      bailing_ = true;
    }
    return;
  }
  // A step's own window waits until the step is through (its clicks may open others, whose
  // steps run meanwhile).
  const bool busy = std::find(acting_.begin(), acting_.end(), window) != acting_.end();
  if (window != nullptr && !busy && window->isVisible() &&
      window->windowTitle() == steps_.front().title && ready_(window)) {
    idlePolls_ = 0;
    // The step is taken before anything waits: the looks that run while this one waits must
    // neither take it again nor give its window the next one.
    Pending next = std::move(steps_.front());
    steps_.pop_front();
    acted_.push_back(next.title.toStdString());
    acting_.push_back(window);
    // A window manager gives the keyboard to a window that opens; this platform may not have.
    if (QApplication::activeWindow() != window) {
      window->activateWindow();
      // A window counts as active while its parent is; the keyboard must be its own.
      (void)QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 500);
    }
    next.step(*window);
    acting_.pop_back();
    return;
  }
  if (++idlePolls_ < kPatiencePolls) return;
  // The window never came: give up on the rest, and get out of whatever holds the loop.
  idlePolls_ = 0;
  QWidget* now = KeyboardWindow();
  stuckAt_ = now == nullptr ? "no window"
             : now->windowTitle().isEmpty()
                 ? "an untitled " + std::string(now->metaObject()->className())
                 : now->windowTitle().toStdString();
  for (const Pending& p : steps_)
    missed_.push_back(p.title.toStdString());
  steps_.clear();
  bailing_ = true;
}

std::string Operator::Report() const {
  std::string text = "acted on:";
  for (const std::string& t : acted_)
    text += " [" + t + "]";
  text += "; never shown:";
  for (const std::string& t : missed_)
    text += " [" + t + "]";
  if (!stuckAt_.empty()) text += "; the operator waited at [" + stuckAt_ + "]";
  return text;
}

}  // namespace taviron::test
