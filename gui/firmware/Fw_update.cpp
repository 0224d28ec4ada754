#include "gui/firmware/Fw_update.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "firmware/FirmwareUpload.h"
#include "firmware/LoaderDialogue.h"
#include "gui/common/QtDialogs.h"
#include "gui/common/QtSpokenLabel.h"
#include "gui/common/WindowHost.h"
#include "program/Configurator.h"
#include "views/AccessibleNames.h"

namespace taviron {

Tfw_update::Tfw_update(WindowHost& program) : program_(program) {
  PrepareDialog(*this, "fw_update", "Firmware Upgrade");
  // No close box: the dialog closes through its buttons only.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  auto* label1 = new QLabel("File Name", this);
  label1->setObjectName("Label1");
  edFile_ = new QLineEdit(this);
  edFile_->setObjectName("Ed_file");
  edFile_->setMinimumWidth(300);
  // It shows the file chosen with Open; the upload never reads what is typed there.
  edFile_->setReadOnly(true);
  edFile_->setAccessibleName("Firmware file");
  label1->setBuddy(edFile_);
  open_ = MakeButton(this, "hexfile_open", "Open(&O)...");
  progressBar1_ = new QProgressBar(this);
  progressBar1_->setObjectName("ProgressBar1");
  progressBar1_->setRange(0, kProgressRecords);
  progressBar1_->setTextVisible(false);
  progressBar1_->setAccessibleName(QString::fromUtf8(kUploadProgressName));
  lbPer_ = new QLabel("0", this);
  lbPer_->setObjectName("Lb_per");
  lbPer_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lbPer_->setMinimumWidth(30);
  auto* percent = new QLabel("%", this);
  percent->setObjectName("Label4");
  // The upload's progress and outcome are read out as they change: an upload takes minutes.
  lbUpdate_ = new SpokenLabel(this);
  lbUpdate_->setObjectName("Lb_update");
  lbUpdate_->setMinimumHeight(20);
  upload_ = MakeButton(this, "Button_ok", "&Upload");
  cancel_ = MakeButton(this, "Button_cancel", "Cancel");
  close_ = MakeButton(this, "Button2", "&Close");
  connect(open_, &QPushButton::clicked, this, &Tfw_update::hexfile_open_click);
  connect(upload_, &QPushButton::clicked, this, &Tfw_update::Button_okClick);
  connect(cancel_, &QPushButton::clicked, this, &Tfw_update::reject);
  connect(close_, &QPushButton::clicked, this, &Tfw_update::reject);

  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(label1);
  fileRow->addWidget(edFile_, 1);
  fileRow->addWidget(open_);
  auto* progressRow = new QHBoxLayout;
  progressRow->addWidget(progressBar1_, 1);
  progressRow->addWidget(lbPer_);
  progressRow->addWidget(percent);
  QHBoxLayout* buttons = ButtonRow({upload_, cancel_, close_});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fileRow);
  layout->addLayout(progressRow);
  layout->addWidget(lbUpdate_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Tfw_update::Render() {
  const FirmwareWindow& w = program_.core().fwUpdate;
  edFile_->setText(QString::fromStdString(w.Ed_file));
  lbPer_->setText(QString::fromStdString(w.Lb_per));
  const int maximum = std::max(w.progressMaximum, 1);
  progressBar1_->setRange(0, maximum);
  progressBar1_->setValue(std::clamp(w.ProgressBar1, 0, maximum));
  lbUpdate_->Say(QString::fromStdString(w.Lb_update));
  // While an upload runs nothing can start it again or close the dialog.
  bool enabled = w.buttonsEnabled && !w.uploading;
  open_->setEnabled(enabled);
  upload_->setEnabled(enabled);
  cancel_->setEnabled(enabled);
  close_->setEnabled(enabled);
}

void Tfw_update::FormShow() {
  Configurator& c = program_.core();
  FwUpdateShow(c.exchange, c.fwUpdate);
  Render();
  upload_->setFocus();
}

void Tfw_update::hexfile_open_click() {
  Configurator& c = program_.core();
  std::string chosen = c.exchange.frontend().AskFileToOpen(kHexFileFilter);
  FwUpdateOpenFile(c.exchange, c.fwUpdate,
                   chosen.empty() ? std::nullopt : std::optional<std::string>(chosen));
  Render();
}

void Tfw_update::Button_okClick() {
  Configurator& c = program_.core();
  program_.Working([&c] { FwUpdateUpload(c.exchange, c.monitor, c.access, c.fwUpdate); });
  Render();
}

void Tfw_update::reject() {
  if (program_.core().fwUpdate.uploading) return;
  QDialog::reject();
}

void Tfw_update::closeEvent(QCloseEvent* event) {
  if (program_.core().fwUpdate.uploading) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

}  // namespace taviron
