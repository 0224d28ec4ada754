#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QWindow>

#include <array>

#include "base/Settings.h"
#include "views/MainView.h"

class QAction;
class QLabel;
class QMenu;

namespace taviron {

class Configurator;
class SpokenLabel;
class WindowHost;

// The main window: the switch's information, its eight ports, the connection state in the
// status bar, and the commands in the menu and toolbar.
class TForm_MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm_MainWindow(WindowHost& program);

  // Draws what the core's view holds.
  void Render();
  // Shows the window where the operator left it.
  void ShowAtSavedBounds();
  // Where the window is now; the saved bounds while it was never shown.
  WindowBounds CurrentBounds() const;

  // The commands, named after their menu items and buttons.
  void FileOpen1Accept();
  void FileSaveAs1Accept();
  void N2Click();
  void N4Click();
  void N6Click();
  void N7Click();
  void N9Click();
  void N10Click();
  void N12Click();
  void N13Click();
  void N15Click();
  void N23Click();
  void N24Click();
  void N19Click();
  void FW1Click();
  void N17Click();
  void MAC1Click();
  void N26Click();
  void N27Click();

  // For window tests: the widgets by their names.
  QLabel* Label(const char* name) const;
  QAction* MenuItem(const char* name) const;
  QAction* ToolButton(int number) const;
  QString StatusText() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolbar();
  void BuildInformation();
  // Moves the window as little as needed for all of it to lie on the available screen, and makes
  // it smaller where it is larger than the screen (its content then scrolls).
  void KeepOnScreen();
  QAction* AddItem(QMenu* menu, const char* name, const QString& caption,
                   void (TForm_MainWindow::*handler)());
  QAction* Button(Command command) const;
  // Runs a command of the main window on the core, as no other command runs.
  void RunCommand(void (*command)(Configurator&));

  WindowHost& program_;
  bool shutdownDone_ = false;
  // The keyboard moved to another window: the main window's activation handler runs when the
  // main window gets it first, and when it gets it back from one of the program's dialogs; not
  // when the operator comes back from another application.
  void FocusMoved(QWindow* now);

  bool shownOnce_ = false;
  bool activatedOnce_ = false;
  QPointer<QWindow> lastFocus_;  // the window that had the keyboard last, popups aside
  bool placedInFrame_ = false;   // placed once the window manager's frame was known
  QMenu* viewMenu_ = nullptr;
  QMenu* settingMenu_ = nullptr;
  QMenu* maintenanceMenu_ = nullptr;
  std::array<QAction*, kCommandCount> buttons_{};
  SpokenLabel* status_ = nullptr;
};

}  // namespace taviron
