#include "gui/common/QtDialogs.h"

#include <QEventLoop>

#include "gui/common/QtIcons.h"

namespace taviron {

void PrepareDialog(QDialog& dialog, const char* objectName, const QString& caption) {
  dialog.setObjectName(objectName);
  dialog.setWindowTitle(caption);
  dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowCloseButtonHint);
  dialog.setWindowIcon(ProgramIcon());
  dialog.setFont(QFont("Arial", 9));
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, bool isDefault) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setDefault(isDefault);
  return button;
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons, bool centred) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (QPushButton* button : buttons)
    row->addWidget(button);
  if (centred) row->addStretch();
  return row;
}

int RunModal(QDialog& dialog) {
  int result = QDialog::Rejected;
  QEventLoop loop;
  auto connection = QObject::connect(&dialog, &QDialog::finished, &loop, [&](int r) {
    result = r;
    loop.quit();
  });
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setResult(QDialog::Rejected);
  dialog.show();
  loop.exec(QEventLoop::DialogExec);
  QObject::disconnect(connection);
  return result;
}

}  // namespace taviron
