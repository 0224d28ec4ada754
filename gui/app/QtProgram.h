#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/Frontend.h"
#include "base/ProgramFilePlaces.h"
#include "gui/common/WindowHost.h"
#include "program/Configurator.h"

namespace taviron {

class TForm_MainWindow;
class Tpass_in;
class Tpass_in2;
class Tsuper_pass_in;
class Tport_set;
class Tfact_set;
class Tfact_setting;
class Tpass_set;
class Tserial_set;
class Tth_clear;
class TAboutBox;
class Tmac_set;
class Tfw_update;

// The Qt program: the core's state, the windows (created once, in their fixed order), and the
// rules every operator command runs under. While a command's sequence runs, the windows keep
// painting but take no operator input (only a box or dialog the sequence itself shows does),
// no second command starts, and a close request waits until the sequence has ended.
class QtProgram : public QObject, public Frontend, public WindowHost {
  Q_OBJECT

 public:
  QtProgram(SerialPort& port, Clock& clock, ProgramFilePlaces places);
  // Both files in one directory, as a portable copy keeps them.
  QtProgram(SerialPort& port, Clock& clock, const std::filesystem::path& filesDirectory)
      : QtProgram(port, clock, ProgramFilePlaces{filesDirectory, filesDirectory}) {}
  ~QtProgram() override;

  Configurator& core() override { return core_; }
  TForm_MainWindow& mainWindow() { return *mainWindow_; }
  Tpass_in& passIn() { return *passIn_; }
  Tpass_in2& passIn2() { return *passIn2_; }
  Tsuper_pass_in& superPassIn() { return *superPassIn_; }
  Tport_set& portSet() { return *portSet_; }
  Tfact_set& factSet() { return *factSet_; }
  Tpass_set& passSet() { return *passSet_; }
  Tserial_set& serialSet() { return *serialSet_; }
  Tth_clear& thClear() { return *thClear_; }
  TAboutBox& aboutBox() { return *aboutBox_; }
  Tmac_set& macSet() { return *macSet_; }
  Tfw_update& fwUpdate() { return *fwUpdate_; }

  // Creates the windows in their fixed order; the main window's creation runs the start-up
  // sequence.
  void Create();
  // Shows the first window: the log-in window, or the main window at once when no log-in is
  // needed. False when the program was closed before it could start.
  bool Start();
  void ShowMainWindow() override;

  // Looks at the system's close requests (SIGTERM, SIGINT, closing the console) and turns the
  // first into RequestClose, from the event loop. A close asked for so shows no more boxes:
  // their texts go to standard error.
  void FollowCloseRequests(std::function<bool()> requested);

  // Runs an operator command. Refused (false) while another one runs.
  bool Run(const std::function<void()>& command) override;
  // Runs the work a dialog's button starts inside a command: meanwhile the dialog takes no
  // input either, until the work shows a box of its own or ends.
  void Working(const std::function<void()>& step) override;
  // Runs the step now, or after the running command when one runs.
  void RunWhenIdle(std::function<void()> step) override;
  bool Busy() const override { return depth_ > 0; }
  // The window takes operator input now: no command runs, or the running one waits on it.
  bool AwaitsOperator(const QWidget* window) const;
  // Close the main window (and so end the program) as soon as no sequence runs. The boxes and
  // dialogs of a running sequence are dismissed so that it comes to its end.
  void RequestClose() override;
  // The main window has run its shutdown.
  void MainWindowClosed() override { closed_ = true; }
  void CloseLogInWindow() override;

  // Frontend.
  void MessageBox(std::string_view text, std::string_view caption) override;
  bool AskYesNo(std::string_view text, std::string_view caption) override;
  void MainViewChanged() override;
  void ProcessMessages() override;
  void ShowReLogin() override;
  void ShowMaintenancePassword() override;
  void DialogChanged(Dialog dialog) override;
  void ShowDialog(Dialog dialog) override;
  std::string AskFileToOpen(std::string_view filter) override;
  std::string AskFileToSave(std::string_view filter) override;
  void CloseMainWindow() override { RequestClose(); }

  // Tests see message boxes here instead of on the screen, and answer the file dialogs.
  std::function<void(const std::string& text, const std::string& caption)> messageBoxHook;
  std::function<std::string(bool save, std::string_view filter)> fileDialogHook;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // While it lives, the window (a box or dialog the running sequence shows) is the only one
  // that takes operator input; nullptr for none.
  class AwaitingOperator {
   public:
    AwaitingOperator(QtProgram& program, QWidget* window);
    ~AwaitingOperator();
    AwaitingOperator(const AwaitingOperator&) = delete;
    AwaitingOperator& operator=(const AwaitingOperator&) = delete;

   private:
    QtProgram& program_;
  };

  bool TakesInput(const QObject* target) const;
  // Shows whether the program is at work: the wait cursor over its windows while a sequence
  // runs and waits on no operator, and the main window's commands as the running state has them.
  void ShowBusy();
  void AfterCommand();
  void DismissModal();
  std::string AskFile(bool save, std::string_view filter);

  Configurator core_;
  std::unique_ptr<Tpass_in> passIn_;
  std::unique_ptr<TForm_MainWindow> mainWindow_;
  std::unique_ptr<Tport_set> portSet_;
  std::unique_ptr<Tfact_set> factSet_;
  std::unique_ptr<Tpass_set> passSet_;
  std::unique_ptr<Tserial_set> serialSet_;
  std::unique_ptr<Tfw_update> fwUpdate_;
  std::unique_ptr<Tth_clear> thClear_;
  std::unique_ptr<TAboutBox> aboutBox_;
  std::unique_ptr<Tfact_setting> factSetting_;
  std::unique_ptr<Tsuper_pass_in> superPassIn_;
  std::unique_ptr<Tmac_set> macSet_;
  std::unique_ptr<Tpass_in2> passIn2_;
  int depth_ = 0;
  std::vector<QPointer<QWidget>> awaited_;
  bool waitCursor_ = false;
  bool busyDrawn_ = false;
  bool closePending_ = false;
  bool ending_ = false;  // the system asked the program to end
  bool closed_ = false;
  std::deque<std::function<void()>> deferred_;
  QTimer dismissTimer_;
  QTimer closeWatch_;
};

}  // namespace taviron
