#pragma once

#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>

#include "base/Frontend.h"
#include "base/ProgramFilePlaces.h"
#include "program/CommandRunner.h"
#include "program/Configurator.h"
#include "win/common/InputGate.h"
#include "win/common/Win32Host.h"

namespace taviron {

class TForm_MainWindow;
class Tpass_in;
class Tpass_in2;
class Tsuper_pass_in;
class Tport_set;
class Tfact_set;
class Tpass_set;
class Tserial_set;
class Tth_clear;
class TAboutBox;
class Tmac_set;
class Tfw_update;
class Win32Form;

// The window program on Windows: the core's state, the windows (created once, in their fixed
// order) and the rules every operator command runs under, with the system's own windows and
// common controls.
class Win32Program : public Frontend, public Win32Host {
 public:
  Win32Program(HINSTANCE instance, SerialPort& port, Clock& clock, ProgramFilePlaces places);
  ~Win32Program() override;
  Win32Program(const Win32Program&) = delete;
  Win32Program& operator=(const Win32Program&) = delete;

  // Creates the windows in their fixed order; the main window's creation runs the start-up
  // sequence.
  void Create();
  // Shows the first window: the log-in window, or the main window at once when no log-in is
  // needed. False when the program was closed before it could start.
  bool Start();

  // Win32Host.
  Configurator& core() override { return core_; }
  CommandRunner& runner() override { return runner_; }
  HINSTANCE instance() const override { return instance_; }
  void ShowMainWindow() override;
  void MainWindowClosed() override { closed_ = true; }
  void CloseLogInWindow() override;

  // Frontend.
  void MessageBox(std::string_view text, std::string_view caption) override;
  bool AskYesNo(std::string_view text, std::string_view caption) override;
  void MainViewChanged() override;
  void ProcessMessages() override;
  void ShowReLogin() override;
  void ShowMaintenancePassword() override;
  void ShowDialog(Dialog dialog) override;
  std::string AskFileToOpen(std::string_view filter) override;
  std::string AskFileToSave(std::string_view filter) override;
  void DialogChanged(Dialog dialog) override;
  void CloseMainWindow() override { runner_.RequestClose(); }

 private:
  // Whether the operator's input for the window passes now.
  bool InputPasses(HWND window) const;
  // One of the program's own windows (not a system box, a popup or a file dialog).
  bool IsOwnWindow(HWND window) const;
  // The window a box or file dialog is shown over.
  HWND BoxOwner() const;
  std::string AskFile(bool save, std::string_view filter);
  // Dismisses the box or dialog that the running sequence waits on, so that it ends.
  void DismissAwaited();
  static void CALLBACK DismissTick(HWND, UINT, UINT_PTR, DWORD);

  HINSTANCE instance_;
  Configurator core_;
  CommandRunner runner_;
  InputGate gate_;
  std::unique_ptr<Tpass_in> passIn_;
  std::unique_ptr<TForm_MainWindow> mainWindow_;
  std::unique_ptr<Tport_set> portSet_;
  std::unique_ptr<Tfact_set> factSet_;
  std::unique_ptr<Tpass_set> passSet_;
  std::unique_ptr<Tserial_set> serialSet_;
  std::unique_ptr<Tfw_update> fwUpdate_;
  std::unique_ptr<Tth_clear> thClear_;
  std::unique_ptr<TAboutBox> aboutBox_;
  std::unique_ptr<Tsuper_pass_in> superPassIn_;
  std::unique_ptr<Tmac_set> macSet_;
  std::unique_ptr<Tpass_in2> passIn2_;
  bool closed_ = false;
  UINT_PTR dismissTimer_ = 0;
};

}  // namespace taviron
