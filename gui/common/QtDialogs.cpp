#include "gui/common/QtDialogs.h"

#include <QEventLoop>
#include <QScreen>
#include <QStyle>

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

void FitOnScreen(QWidget& window) {
  const QWidget* near = window.parentWidget() != nullptr ? window.parentWidget() : &window;
  const QScreen* screen = near->screen();
  if (screen == nullptr) return;
  // The window manager's frame is not known before the window is shown: a title bar and a
  // border are reckoned at the style's sizes.
  const QRect area = screen->availableGeometry();
  const int border = window.style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
  const int titleBar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
  const QSize most(area.width() - 2 * border, area.height() - titleBar - 2 * border);
  const QSize size = window.isVisible() ? window.size() : window.sizeHint();
  if (size.width() > most.width() || size.height() > most.height()) {
    window.resize(size.boundedTo(most));
  }
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
