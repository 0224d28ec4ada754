#include "gui/app/QtProgram.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include <QWidget>

#include <iostream>

#include "access/Login.h"
#include "gui/access/Pass_in.h"
#include "gui/access/Pass_in2.h"
#include "gui/access/Pass_set.h"
#include "gui/access/Super_pass_in.h"
#include "gui/common/QtDialogs.h"
#include "gui/common/QtUnspokenPasswords.h"
#include "gui/config/AboutBox.h"
#include "gui/config/Fact_set.h"
#include "gui/config/Fact_setting.h"
#include "gui/config/Mac_set.h"
#include "gui/config/Port_set.h"
#include "gui/config/Serial_set.h"
#include "gui/config/Th_clear.h"
#include "gui/firmware/Fw_update.h"
#include "gui/monitor/Switch_main.h"

namespace taviron {
namespace {

bool IsOperatorInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
      return true;
    default:
      return false;
  }
}

QString Text(std::string_view text) {
  QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return s;
}

}  // namespace

QtProgram::QtProgram(SerialPort& port, Clock& clock, ProgramFilePlaces places)
    : core_(port, clock, *this, std::move(places)) {
  qApp->installEventFilter(this);
  // A screen reader hears a password box's characters counted, never spoken.
  KeepTypedPasswordsUnspoken();
  dismissTimer_.setInterval(100);
  connect(&dismissTimer_, &QTimer::timeout, this, &QtProgram::DismissModal);
}

void QtProgram::FollowCloseRequests(std::function<bool()> requested) {
  // A signal handler may only set a flag; the event loop looks at it, in running sequences too.
  closeWatch_.setInterval(100);
  connect(&closeWatch_, &QTimer::timeout, this, [this, requested = std::move(requested)] {
    if (!requested()) return;
    closeWatch_.stop();
    // The system ends the program (a log-out, a kill): nobody may be there to answer a box,
    // and a box would hold the program until it is killed outright.
    ending_ = true;
    RequestClose();
  });
  closeWatch_.start();
}

void QtProgram::Create() {
  passIn_ = std::make_unique<Tpass_in>(*this);
  ++depth_;
  mainWindow_ = std::make_unique<TForm_MainWindow>(*this);
  --depth_;
  portSet_ = std::make_unique<Tport_set>(*this);
  factSet_ = std::make_unique<Tfact_set>(*this);
  passSet_ = std::make_unique<Tpass_set>(*this);
  serialSet_ = std::make_unique<Tserial_set>(*this);
  fwUpdate_ = std::make_unique<Tfw_update>(*this);
  thClear_ = std::make_unique<Tth_clear>(*this);
  aboutBox_ = std::make_unique<TAboutBox>();
  factSetting_ = std::make_unique<Tfact_setting>();
  superPassIn_ = std::make_unique<Tsuper_pass_in>(*this);
  macSet_ = std::make_unique<Tmac_set>(*this);
  passIn2_ = std::make_unique<Tpass_in2>(*this);
  AfterCommand();  // a close asked for during the start-up
}

QtProgram::~QtProgram() {
  qApp->removeEventFilter(this);
  if (waitCursor_) QApplication::restoreOverrideCursor();
  passIn2_.reset();
  macSet_.reset();
  superPassIn_.reset();
  factSetting_.reset();
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

bool QtProgram::Start() {
  if (closed_) return false;
  if (LoginNeeded(core_.access)) {
    passIn_->show();
  } else {
    ShowMainWindow();
  }
  return true;
}

void QtProgram::CloseLogInWindow() {
  if (passIn_) passIn_->close();
}

void QtProgram::ShowMainWindow() {
  mainWindow_->ShowAtSavedBounds();
}

bool QtProgram::Run(const std::function<void()>& command) {
  if (depth_ > 0) return false;
  ++depth_;
  ShowBusy();
  command();
  --depth_;
  ShowBusy();
  AfterCommand();
  return true;
}

void QtProgram::RunWhenIdle(std::function<void()> step) {
  if (depth_ > 0) {
    deferred_.push_back(std::move(step));
    return;
  }
  Run(step);
}

void QtProgram::ShowBusy() {
  const bool working = depth_ > 0 && (awaited_.empty() || awaited_.back() == nullptr);
  if (working != waitCursor_) {
    waitCursor_ = working;
    if (working) {
      QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
      QApplication::restoreOverrideCursor();
    }
  }
  if (mainWindow_ && Busy() != busyDrawn_) {
    busyDrawn_ = Busy();
    mainWindow_->Render();
  }
}

void QtProgram::AfterCommand() {
  while (depth_ == 0 && !deferred_.empty() && !closePending_) {
    std::function<void()> step = std::move(deferred_.front());
    deferred_.pop_front();
    Run(step);
  }
  if (depth_ == 0 && closePending_ && mainWindow_) {
    closePending_ = false;
    dismissTimer_.stop();
    deferred_.clear();
    mainWindow_->close();
  }
}

void QtProgram::RequestClose() {
  if (depth_ > 0 || !mainWindow_) {
    closePending_ = true;
    DismissModal();
    dismissTimer_.start();
    return;
  }
  mainWindow_->close();
}

void QtProgram::DismissModal() {
  if (QWidget* modal = QApplication::activeModalWidget()) {
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->reject();
    } else {
      modal->close();
    }
  }
}

QtProgram::AwaitingOperator::AwaitingOperator(QtProgram& program, QWidget* window)
    : program_(program) {
  program_.awaited_.emplace_back(window);
  program_.ShowBusy();
}

QtProgram::AwaitingOperator::~AwaitingOperator() {
  program_.awaited_.pop_back();
  program_.ShowBusy();
}

void QtProgram::Working(const std::function<void()>& step) {
  AwaitingOperator nobody(*this, nullptr);
  step();
}

bool QtProgram::AwaitsOperator(const QWidget* window) const {
  return depth_ == 0 || (!awaited_.empty() && awaited_.back() == window);
}

bool QtProgram::TakesInput(const QObject* target) const {
  if (awaited_.empty()) return false;
  const QWidget* window = awaited_.back();
  if (window == nullptr) return false;
  const QWidget* widget = qobject_cast<const QWidget*>(target);
  if (widget == nullptr) {
    // A shortcut goes to its action; the action belongs to the widget it sits in.
    if (const auto* action = qobject_cast<const QAction*>(target)) {
      widget = qobject_cast<const QWidget*>(action->parent());
    }
  }
  if (widget == nullptr) return false;
  // A popup (an open drop-down list, the file dialog's completions) can only have been opened
  // from the awaited window, since nothing else takes input; some have no parent to show it.
  if (widget->window()->windowType() == Qt::Popup) return true;
  for (; widget != nullptr; widget = widget->parentWidget()) {
    if (widget == window) return true;
  }
  return false;
}

bool QtProgram::eventFilter(QObject* watched, QEvent* event) {
  if (depth_ == 0) return false;
  if (watched->isWindowType()) {
    // The window system hands input to a window, which passes it on to the widget under the
    // pointer or with the focus; that widget is where it is judged.
    return false;
  }
  if (event->type() == QEvent::Close && event->spontaneous()) {
    // A dialog at work (its buttons gone) cannot be closed from its frame either; the main
    // window's own close request waits for the sequence (closeEvent).
    if (qobject_cast<QDialog*>(watched) != nullptr && !TakesInput(watched)) {
      event->ignore();
      return true;
    }
    return false;
  }
  if (!IsOperatorInput(event->type())) return false;
  // Input reaches only the box or dialog that the running sequence waits on.
  return !TakesInput(watched);
}

void QtProgram::MessageBox(std::string_view text, std::string_view caption) {
  if (ending_) {
    // Said where whoever ended the program may read it, a line per line of the box, with no
    // byte that could steer a terminal.
    std::string said = "taviron: " + std::string(caption) + ": " + std::string(text);
    std::erase(said, '\r');
    for (char& ch : said) {
      if ((ch >= 0 && ch < ' ' && ch != '\n') || ch == 0x7F) ch = '?';
    }
    std::cerr << said << "\n";
    return;
  }
  if (closePending_) return;  // the operator asked the program to end: no more questions
  if (messageBoxHook) {
    messageBoxHook(std::string(text), std::string(caption));
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, Text(caption), Text(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setObjectName("MessageBox");
  AwaitingOperator awaiting(*this, &box);
  box.exec();
}

bool QtProgram::AskYesNo(std::string_view text, std::string_view caption) {
  if (closePending_ || ending_) return false;  // the program is ending: nothing is replaced unasked
  QMessageBox box(QMessageBox::NoIcon, Text(caption), Text(text),
                  QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
  box.setObjectName("MessageBox");
  // Return alone keeps what is there.
  box.setDefaultButton(QMessageBox::No);
  AwaitingOperator awaiting(*this, &box);
  return box.exec() == QMessageBox::Yes;
}

void QtProgram::MainViewChanged() {
  if (mainWindow_) mainWindow_->Render();
}

void QtProgram::ProcessMessages() {
  if (factSet_ && factSet_->isVisible()) factSet_->Render();
  if (fwUpdate_ && fwUpdate_->isVisible()) fwUpdate_->Render();
  QCoreApplication::processEvents();
}

void QtProgram::ShowDialog(Dialog dialog) {
  QDialog* window = nullptr;
  switch (dialog) {
    case Dialog::kPortSetting:
      portSet_->FormShow();
      window = portSet_.get();
      break;
    case Dialog::kDefaultSetting:
      factSet_->FormShow();
      window = factSet_.get();
      break;
    case Dialog::kUserPassword:
      passSet_->FormShow();
      window = passSet_.get();
      break;
    case Dialog::kComPortSetting:
      serialSet_->FormShow();
      window = serialSet_.get();
      break;
    case Dialog::kAbout:
      window = aboutBox_.get();
      break;
    case Dialog::kSurgeCounterClear:
      window = thClear_.get();
      break;
    case Dialog::kMacAddress:
      macSet_->FormShow();
      window = macSet_.get();
      break;
    case Dialog::kFirmwareUpgrade:
      fwUpdate_->FormShow();
      window = fwUpdate_.get();
      break;
  }
  AwaitingOperator awaiting(*this, window);
  RunModal(*window);
}

std::string QtProgram::AskFile(bool save, std::string_view filter) {
  if (fileDialogHook) return fileDialogHook(save, filter);
  // "name|pattern|name|pattern": each name carries its pattern in brackets, as Qt wants it.
  QStringList parts =
      QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split('|');
  QStringList names;
  for (qsizetype i = 0; i < parts.size(); i += 2)
    names << parts[i];
  QFileDialog dialog(QApplication::activeWindow());
  dialog.setNameFilters(names);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  // The save dialog does not ask before replacing; the open dialog lets any name through, and
  // a name that does not exist is reported when it is opened.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  FitOnScreen(dialog);
  AwaitingOperator awaiting(*this, &dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front().toStdString();
}

std::string QtProgram::AskFileToOpen(std::string_view filter) {
  return AskFile(false, filter);
}
std::string QtProgram::AskFileToSave(std::string_view filter) {
  return AskFile(true, filter);
}

void QtProgram::DialogChanged(Dialog dialog) {
  if (dialog == Dialog::kFirmwareUpgrade && fwUpdate_) fwUpdate_->Render();
  if (dialog == Dialog::kDefaultSetting && factSet_) factSet_->Render();
}

void QtProgram::ShowReLogin() {
  AwaitingOperator awaiting(*this, passIn2_.get());
  passIn2_->exec();
}

void QtProgram::ShowMaintenancePassword() {
  AwaitingOperator awaiting(*this, superPassIn_.get());
  superPassIn_->exec();
}

}  // namespace taviron
