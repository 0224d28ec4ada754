#include "app/QtProgram.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QSocketNotifier>

#include <unistd.h>
#include <QWidget>

#include "access/Login.h"
#include "access/Pass_in.h"
#include "access/Pass_in2.h"
#include "access/Super_pass_in.h"
#include "monitor/Switch_main.h"

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

QtProgram::QtProgram(SerialPort& port, Clock& clock, std::filesystem::path filesDirectory,
                     int closeRequests)
    : core_(port, clock, *this, std::move(filesDirectory)) {
  qApp->installEventFilter(this);
  dismissTimer_.setInterval(100);
  connect(&dismissTimer_, &QTimer::timeout, this, &QtProgram::DismissModal);
  if (closeRequests >= 0) {
    auto* notifier = new QSocketNotifier(closeRequests, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this, closeRequests] {
      char bytes[16];
      [[maybe_unused]] ssize_t n = ::read(closeRequests, bytes, sizeof bytes);
      RequestClose();
    });
  }
}

void QtProgram::Create() {
  passIn_ = std::make_unique<Tpass_in>(*this);
  ++depth_;
  mainWindow_ = std::make_unique<TForm_MainWindow>(*this);
  --depth_;
  superPassIn_ = std::make_unique<Tsuper_pass_in>(*this);
  passIn2_ = std::make_unique<Tpass_in2>(*this);
  AfterCommand();  // a close asked for during the start-up
}

QtProgram::~QtProgram() {
  qApp->removeEventFilter(this);
  passIn2_.reset();
  superPassIn_.reset();
  mainWindow_.reset();
  passIn_.reset();
}

bool QtProgram::Start() {
  if (closed_) return false;
  if (LoginNeeded(core_)) {
    passIn_->show();
  } else {
    ShowMainWindow();
  }
  return true;
}

void QtProgram::ShowMainWindow() {
  mainWindow_->ShowAtSavedBounds();
}

bool QtProgram::Run(const std::function<void()>& command) {
  if (depth_ > 0) return false;
  ++depth_;
  command();
  --depth_;
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

bool QtProgram::eventFilter(QObject* watched, QEvent* event) {
  if (depth_ == 0 || !IsOperatorInput(event->type())) return false;
  // Input reaches only a box or dialog that the running sequence itself shows.
  QWidget* modal = QApplication::activeModalWidget();
  auto* widget = qobject_cast<QWidget*>(watched);
  if (modal != nullptr && widget != nullptr && modal->isAncestorOf(widget)) return false;
  if (modal != nullptr && widget == modal) return false;
  return true;
}

void QtProgram::MessageBox(std::string_view text, std::string_view caption) {
  if (closePending_) return;  // the operator asked the program to end: no more questions
  if (messageBoxHook) {
    messageBoxHook(std::string(text), std::string(caption));
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, Text(caption), Text(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

void QtProgram::MainViewChanged() {
  if (mainWindow_) mainWindow_->Render();
}

void QtProgram::ProcessMessages() {
  QCoreApplication::processEvents();
}

void QtProgram::UploadWindowChanged() {
  // The firmware dialog draws itself from the core when it lands; until then nothing shows it.
}

void QtProgram::ShowReLogin() {
  passIn2_->exec();
}

void QtProgram::ShowMaintenancePassword() {
  superPassIn_->exec();
}

}  // namespace taviron
