#include "app/QtDialogs.h"

#include <QEventLoop>

#include "app/QtIcons.h"

namespace taviron {

void PrepareDialog(QDialog& dialog, const char* objectName, const QString& caption) {
  dialog.setObjectName(objectName);
  dialog.setWindowTitle(caption);
  dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowCloseButtonHint);
  dialog.setWindowIcon(ProgramIcon());
  dialog.setFont(QFont("Arial", 9));
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
