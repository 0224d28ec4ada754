#include "win/app/Win32Program.h"

#include <commdlg.h>

#include "access/Login.h"
#include "win/access/Pass_in.h"
#include "win/access/Pass_in2.h"
#include "win/access/Pass_set.h"
#include "win/access/Super_pass_in.h"
#include "win/common/MessagePump.h"
#include "win/common/Win32Form.h"
#include "win/common/Win32Text.h"
#include "win/config/AboutBox.h"
#include "win/config/Fact_set.h"
#include "win/config/Mac_set.h"
#include "win/config/Port_set.h"
#include "win/config/Serial_set.h"
#include "win/config/Th_clear.h"
#include "win/firmware/Fw_update.h"
#include "win/monitor/MainWindow.h"

namespace taviron {
namespace {

// What the running sequence waits on while it shows a box or file dialog of the system: a
// window the program does not know by its handle.
const char kSystemWindow = 0;

Win32Program* dismissing = nullptr;

BOOL CALLBACK CancelSystemBox(HWND window, LPARAM lParam) {
  const auto* program = reinterpret_cast<const Win32Program*>(lParam);
  (void)program;
  wchar_t name[16] = {};
  ::GetClassNameW(window, name, 16);
  if (::IsWindowVisible(window) && ::IsWindowEnabled(window) && lstrcmpW(name, L"#32770") == 0) {
    ::PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
  }
  return TRUE;
}

}  // namespace

Win32Program::Win32Program(HINSTANCE instance, SerialPort& port, Clock& clock,
                           ProgramFilePlaces places)
    : instance_(instance),
      core_(port, clock, *this, std::move(places)),
      gate_([this](HWND window) { return InputPasses(window); },
            [this](HWND window) {
              if (mainWindow_ && ::GetAncestor(window, GA_ROOT) == mainWindow_->hwnd())
                runner_.RequestClose();
            }) {
  runner_.closeMainWindow = [this] {
    if (dismissTimer_ != 0) {
      ::KillTimer(nullptr, dismissTimer_);
      dismissTimer_ = 0;
    }
    if (mainWindow_) mainWindow_->Close();
  };
  runner_.busyChanged = [this](bool) {
    if (mainWindow_) mainWindow_->Render();
  };
  runner_.dismissAwaited = [this] {
    DismissAwaited();
    // A sequence may show another box after the one dismissed; it is dismissed in its turn.
    if (dismissTimer_ == 0) {
      dismissing = this;
      dismissTimer_ = ::SetTimer(nullptr, 0, 100, &Win32Program::DismissTick);
    }
  };
}

Win32Program::~Win32Program() {
  if (dismissTimer_ != 0) ::KillTimer(nullptr, dismissTimer_);
  dismissing = nullptr;
  passIn2_.reset();
  macSet_.reset();
  superPassIn_.reset();
  aboutBox_.reset();
  thClear_.reset();
  fwUpdate_.reset();
  serialSet_.reset();
  passSet_.reset();
  factSet_.reset();
  portSet_.reset();
  mainWindow_.reset();
  passIn_.reset();
}

void CALLBACK Win32Program::DismissTick(HWND, UINT, UINT_PTR, DWORD) {
  if (dismissing != nullptr) dismissing->DismissAwaited();
}

void Win32Program::Create() {
  // In their fixed order; a close asked for meanwhile waits until all exist.
  runner_.Run([this] {
    passIn_ = std::make_unique<Tpass_in>(*this);
    mainWindow_ = std::make_unique<TForm_MainWindow>(*this);
    HWND main = mainWindow_->hwnd();
    portSet_ = std::make_unique<Tport_set>(*this, main);
    factSet_ = std::make_unique<Tfact_set>(*this, main);
    passSet_ = std::make_unique<Tpass_set>(*this, main);
    serialSet_ = std::make_unique<Tserial_set>(*this, main);
    fwUpdate_ = std::make_unique<Tfw_update>(*this, main);
    thClear_ = std::make_unique<Tth_clear>(*this, main);
    aboutBox_ = std::make_unique<TAboutBox>(*this, main);
    superPassIn_ = std::make_unique<Tsuper_pass_in>(*this, main);
    macSet_ = std::make_unique<Tmac_set>(*this, main);
    passIn2_ = std::make_unique<Tpass_in2>(*this, main);
  });
}

bool Win32Program::Start() {
  if (closed_) return false;
  if (LoginNeeded(core_.access)) {
    passIn_->ShowAlone();
  } else {
    ShowMainWindow();
  }
  return true;
}

void Win32Program::ShowMainWindow() {
  mainWindow_->ShowAtSavedBounds();
}

void Win32Program::CloseLogInWindow() {
  // The log-in window is the program's first window: with it the program ends.
  if (passIn_) passIn_->Hide();
  core_.exchange.log.ReleaseStream();
  ::PostQuitMessage(0);
}

bool Win32Program::IsOwnWindow(HWND window) const {
  if (window == nullptr) return false;
  if (mainWindow_ && window == mainWindow_->hwnd()) return true;
  if (passIn_ && window == passIn_->hwnd()) return true;
  const Win32Form* forms[] = {portSet_.get(),  factSet_.get(), passSet_.get(),  serialSet_.get(),
                              fwUpdate_.get(), thClear_.get(), aboutBox_.get(), superPassIn_.get(),
                              macSet_.get(),   passIn2_.get()};
  for (const Win32Form* form : forms) {
    if (form != nullptr && form->hwnd() == window) return true;
  }
  return false;
}

bool Win32Program::InputPasses(HWND window) const {
  if (!runner_.Busy()) return true;
  CommandRunner::Window awaited = runner_.Awaited();
  if (awaited == nullptr) return false;
  HWND root = ::GetAncestor(window, GA_ROOT);
  if (root == awaited) return true;
  // A box or file dialog of the system, or a popup (an open drop-down list): only the awaited
  // window can have opened it, since nothing else takes input.
  return !IsOwnWindow(root);
}

HWND Win32Program::BoxOwner() const {
  HWND active = ::GetActiveWindow();
  if (active != nullptr && IsOwnWindow(active)) return active;
  if (mainWindow_ && ::IsWindowVisible(mainWindow_->hwnd())) return mainWindow_->hwnd();
  return nullptr;
}

void Win32Program::DismissAwaited() {
  if (!runner_.ClosePending()) return;
  // A box of the system first, then the innermost of the program's own dialogs, as Escape
  // would (a dialog at work decides for itself whether it can go).
  ::EnumThreadWindows(::GetCurrentThreadId(), &CancelSystemBox, reinterpret_cast<LPARAM>(this));
  if (!Win32Form::Shown().empty()) Win32Form::Shown().back()->Cancelled();
}

void Win32Program::MessageBox(std::string_view text, std::string_view caption) {
  // The operator asked the program to end, or the system ends it: no questions, since nobody
  // may be there to answer and a box would hold the end.
  if (runner_.ClosePending() || runner_.SystemEnding()) return;
  CommandRunner::Awaiting awaiting(runner_, &kSystemWindow);
  ::MessageBoxW(BoxOwner(), Wide(text).c_str(), Wide(caption).c_str(), MB_OK);
}

bool Win32Program::AskYesNo(std::string_view text, std::string_view caption) {
  // Ending: nothing is done that was not agreed to.
  if (runner_.ClosePending() || runner_.SystemEnding()) return false;
  CommandRunner::Awaiting awaiting(runner_, &kSystemWindow);
  // Return alone keeps what is there, as in the Qt windows.
  return ::MessageBoxW(BoxOwner(), Wide(text).c_str(), Wide(caption).c_str(),
                       MB_YESNO | MB_DEFBUTTON2) == IDYES;
}

void Win32Program::MainViewChanged() {
  if (mainWindow_) mainWindow_->Render();
}

void Win32Program::ProcessMessages() {
  if (factSet_ && ::IsWindowVisible(factSet_->hwnd())) factSet_->Render();
  if (fwUpdate_ && ::IsWindowVisible(fwUpdate_->hwnd())) fwUpdate_->Render();
  HandleWaitingMessages();
}

void Win32Program::ShowReLogin() {
  passIn2_->Exec();
}

void Win32Program::ShowMaintenancePassword() {
  superPassIn_->Exec();
}

void Win32Program::ShowDialog(Dialog dialog) {
  switch (dialog) {
    case Dialog::kPortSetting:
      portSet_->FormShow();
      portSet_->RunModal();
      break;
    case Dialog::kDefaultSetting:
      factSet_->FormShow();
      factSet_->RunModal();
      break;
    case Dialog::kUserPassword:
      passSet_->FormShow();
      passSet_->RunModal();
      break;
    case Dialog::kComPortSetting:
      serialSet_->FormShow();
      serialSet_->RunModal();
      break;
    case Dialog::kAbout:
      aboutBox_->FormShow();
      aboutBox_->RunModal();
      break;
    case Dialog::kSurgeCounterClear:
      thClear_->FormShow();
      thClear_->RunModal();
      break;
    case Dialog::kMacAddress:
      macSet_->FormShow();
      macSet_->RunModal();
      break;
    case Dialog::kFirmwareUpgrade:
      fwUpdate_->FormShow();
      fwUpdate_->RunModal();
      break;
  }
}

void Win32Program::DialogChanged(Dialog dialog) {
  if (dialog == Dialog::kFirmwareUpgrade && fwUpdate_) fwUpdate_->Render();
  if (dialog == Dialog::kDefaultSetting && factSet_) factSet_->Render();
}

std::string Win32Program::AskFile(bool save, std::string_view filter) {
  // "name|pattern|name|pattern" becomes the dialog's pairs of texts, each ended by a NUL.
  std::wstring filters = Wide(filter);
  for (wchar_t& c : filters) {
    if (c == L'|') c = L'\0';
  }
  filters.push_back(L'\0');
  std::wstring file(32768, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = BoxOwner();
  dialog.lpstrFilter = filters.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  // The save dialog does not ask before replacing; the open dialog lets any name through, and a
  // name that does not exist is reported when it is opened.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (runner_.ClosePending()) return {};
  CommandRunner::Awaiting awaiting(runner_, &kSystemWindow);
  BOOL chosen = save ? ::GetSaveFileNameW(&dialog) : ::GetOpenFileNameW(&dialog);
  if (!chosen) return {};
  file.resize(wcslen(file.c_str()));
  return SystemPath(file);
}

std::string Win32Program::AskFileToOpen(std::string_view filter) {
  return AskFile(false, filter);
}

std::string Win32Program::AskFileToSave(std::string_view filter) {
  return AskFile(true, filter);
}

}  // namespace taviron
