#include "gui/access/QtPasswordForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "access/Login.h"
#include "gui/common/QtDialogs.h"
#include "gui/common/QtIcons.h"

namespace taviron {

QtPasswordForm::QtPasswordForm(const char* statusName, const char* editName,
                               const char* failureOkName) {
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setWindowIcon(ProgramIcon());
  setFont(QFont("Arial", 9));
  prompt_ = new QLabel(this);
  prompt_->setObjectName("Label1");
  status_ = new SpokenLabel(this);
  status_->setObjectName(statusName);
  entry_ = new QLineEdit(this);
  entry_->setObjectName(editName);
  entry_->setEchoMode(QLineEdit::Password);
  entry_->setAccessibleName("Password");
  entry_->setMaxLength(kPasswordMaxLength);
  ok_ = MakeButton(this, "Button_ok", "OK", true);
  cancel_ = MakeButton(this, "Button_cansel", "Cancel");
  failureOk_ = new QPushButton("OK", this);
  failureOk_->setObjectName(failureOkName);
  failureOk_->hide();

  QHBoxLayout* buttons = ButtonRow({ok_, cancel_, failureOk_});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt_);
  layout->addWidget(status_);
  layout->addWidget(entry_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  prompt_->setMinimumWidth(240);
}

void QtPasswordForm::Render(const PasswordWindow& w, bool repeat) {
  setWindowTitle(QString::fromStdString(w.caption));
  prompt_->setText(QString::fromStdString(w.prompt));
  status_->Say(QString::fromStdString(w.status), repeat);
  entry_->setVisible(w.entryVisible);
  ok_->setVisible(w.entryVisible);
  cancel_->setVisible(w.entryVisible);
  failureOk_->setVisible(w.failureOkVisible);
  failureOk_->setDefault(w.failureOkVisible);
  ok_->setDefault(w.entryVisible);
  if (w.failureOkVisible) failureOk_->setFocus();
}

void QtPasswordForm::EmptyEntry() {
  entry_->clear();
  entry_->setFocus();
}

QString QtPasswordForm::Typed() const {
  return entry_->text();
}

}  // namespace taviron
