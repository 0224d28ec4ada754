#pragma once

#include <QKeySequence>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

class QMainWindow;
class QMenu;
class QAction;

namespace taviron::test {

// The operator's mouse and keyboard as the window system delivers them: every event enters at
// the window (QWindow), not at a widget, so whatever the application does with input on its
// way to the widgets (and with windows it blocks) applies to it.

// A left click at the middle of the widget (or at a point of its own).
void ClickOn(QWidget* widget);
void ClickOn(QWidget* widget, QPoint local);
// Keys go to the window that has the keyboard: an open menu, else the modal box or dialog,
// else the active window.
void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void TypeText(const QString& text);
// Opens a menu of the main window's menu bar with the mouse and clicks one of its items.
void ClickMenuItem(QMainWindow& window, const char* menuName, const char* itemName);
// Clicks a toolbar button of the main window.
void ClickToolButton(QMainWindow& window, int number);
// Picks an item of a drop-down list with the mouse: opens the list, clicks the item.
void PickFromList(QWidget* list, int item);
// The widget that has the keyboard focus now, for checks.
QWidget* FocusedWidget();

// The operator's part in the windows a command opens: each step waits for a window with its
// title to be shown (a box, a dialog, the file dialog) and then acts on it. Steps run in order;
// one whose window does not come within the patience is recorded as missed, and whatever modal
// window is open then is closed, so a test fails instead of hanging.
class Operator {
 public:
  using Step = std::function<void(QWidget& window)>;
  // ready tells whether a window waits for the operator rather than working; a step waits for
  // that too, as an operator waits while a dialog is busy.
  explicit Operator(std::function<bool(QWidget*)> ready = [](QWidget*) { return true; });
  ~Operator();
  Operator& At(const QString& title, Step step);
  // All steps ran.
  bool Done() const { return steps_.empty() && missed_.empty(); }
  // Titles of the windows acted on, in order, and of those that never came.
  const std::vector<std::string>& Acted() const { return acted_; }
  const std::vector<std::string>& Missed() const { return missed_; }
  std::string Report() const;

 private:
  void Poll();
  void Schedule();

  struct Pending {
    QString title;
    Step step;
  };
  std::deque<Pending> steps_;
  std::vector<std::string> acted_;
  std::vector<QWidget*> acting_;  // the windows of the steps under way, innermost last
  std::vector<std::string> missed_;
  std::function<bool(QWidget*)> ready_;
  std::shared_ptr<bool> alive_;
  int idlePolls_ = 0;
  bool bailing_ = false;
  std::string stuckAt_;
};

// The window that has the keyboard, as PressKey reaches it.
QWidget* KeyboardWindow();

}  // namespace taviron::test

// Qt's strings as text in test messages.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}
