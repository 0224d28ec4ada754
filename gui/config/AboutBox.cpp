#include "gui/config/AboutBox.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/QtDialogs.h"
#include "gui/common/QtIcons.h"
#include "views/AboutBox.h"
#include "views/AccessibleNames.h"

namespace taviron {

TAboutBox::TAboutBox() {
  PrepareDialog(*this, "AboutBox", "About TAVIRON");
  auto* panel = new QFrame(this);
  panel->setObjectName("Panel1");
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Sunken);
  auto* icon = new QLabel(panel);
  icon->setObjectName("ProgramIcon");
  icon->setPixmap(ProgramIcon().pixmap(64, 64));
  icon->setAccessibleName(QString::fromUtf8(kProgramPictureName));
  auto* iconLayout = new QHBoxLayout(panel);
  iconLayout->addWidget(icon);
  auto* text = new QVBoxLayout;
  auto addLabel = [this, text](const char* name, const QString& caption) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(name);
    text->addWidget(label);
    return label;
  };
  addLabel("ProductName", "");
  addLabel("Label1", "8-Port Ethernet Switch (with surge protector)");
  addLabel("Label2", "PC Configurator");
  addLabel("Version", QString::fromStdString(AboutVersionText()));
  addLabel("Copyright", "");
  addLabel("Comments", "");
  auto* top = new QHBoxLayout;
  top->addWidget(panel, 0, Qt::AlignTop);
  top->addLayout(text);
  auto* ok = MakeButton(this, "OKButton", "OK", true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace taviron
