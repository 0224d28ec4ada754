#include "gui/monitor/Switch_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

#include "gui/common/QtIcons.h"
#include "gui/common/QtSpokenLabel.h"
#include "gui/common/WindowHost.h"
#include "program/Configurator.h"
#include "program/MenuActions.h"
#include "views/AccessibleNames.h"
#include "views/MainLayout.h"

namespace taviron {
namespace {

constexpr int kDesignedWidth = 391;
constexpr int kDesignedHeight = 561;
constexpr int kPortRowTops[kPortCount] = {49, 71, 93, 115, 138, 160, 184, 208};
// The area below the toolbar holds the two group boxes and their margins: left 40, top 16, as
// wide as the boxes and their right margin, and as high as the boxes with the top margin again
// below them.
constexpr int kContentWidth = 40 + 305 + 8;
constexpr int kContentHeight = 184 + 241 + 16;

QString Text(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return s;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top,
                  int width = -1) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  if (width <= 0) width = label->sizeHint().width() + 4;
  label->setGeometry(left, top, width, 17);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

// A transparent layer over the whole group box for its value labels.
QWidget* ValueLayer(QGroupBox* box) {
  auto* layer = new QWidget(box);
  layer->setGeometry(0, 0, box->width(), box->height());
  layer->setAttribute(Qt::WA_TransparentForMouseEvents);
  return layer;
}

}  // namespace

TForm_MainWindow::TForm_MainWindow(WindowHost& program) : program_(program) {
  setObjectName("Form_MainWindow");
  setWindowTitle("TAVIRON");
  setWindowIcon(ProgramIcon());
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFont(QFont("Arial", 9));
  setMaximumSize(kDesignedWidth, kDesignedHeight);
  resize(kDesignedWidth, kDesignedHeight);
  BuildMenus();
  BuildToolbar();
  BuildInformation();
  status_ = new SpokenLabel(this);
  status_->setObjectName("StatusBar1");
  statusBar()->addWidget(status_, 1);
  statusBar()->setSizeGripEnabled(false);
  connect(qApp, &QGuiApplication::focusWindowChanged, this, &TForm_MainWindow::FocusMoved);
  // The start-up sequence belongs to the window's creation.
  MainWindowCreated(program_.core());
  Render();
}

QAction* TForm_MainWindow::AddItem(QMenu* menu, const char* name, const QString& caption,
                                   void (TForm_MainWindow::*handler)()) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  connect(item, &QAction::triggered, this, handler);
  return item;
}

void TForm_MainWindow::BuildMenus() {
  QMenuBar* bar = menuBar();
  QMenu* file = bar->addMenu("&File");
  file->setObjectName("N1");
  AddItem(file, "N20", "&Open", &TForm_MainWindow::FileOpen1Accept)
      ->setShortcut(QKeySequence::Open);
  AddItem(file, "N21", "&Save", &TForm_MainWindow::FileSaveAs1Accept)
      ->setShortcut(QKeySequence::Save);
  file->addSeparator()->setObjectName("N22");
  AddItem(file, "N2", "&Close", &TForm_MainWindow::N2Click);

  viewMenu_ = bar->addMenu("&View");
  viewMenu_->setObjectName("N3");
  AddItem(viewMenu_, "N4", "&Refresh", &TForm_MainWindow::N4Click)
      ->setShortcut(QKeySequence::Refresh);

  settingMenu_ = bar->addMenu("&Setting");
  settingMenu_->setObjectName("N5");
  AddItem(settingMenu_, "N6", "&Port", &TForm_MainWindow::N6Click);
  AddItem(settingMenu_, "N7", "&Default Setting", &TForm_MainWindow::N7Click);
  settingMenu_->addSeparator()->setObjectName("N25");
  AddItem(settingMenu_, "N9", "&User Password", &TForm_MainWindow::N9Click);
  AddItem(settingMenu_, "N10", "R&eset", &TForm_MainWindow::N10Click);

  QMenu* com = bar->addMenu("&COM Port");
  com->setObjectName("N11");
  AddItem(com, "N12", "&Connect", &TForm_MainWindow::N12Click);
  AddItem(com, "N13", "&Disconnect", &TForm_MainWindow::N13Click);
  com->addSeparator()->setObjectName("N14");
  AddItem(com, "N15", "&Setting", &TForm_MainWindow::N15Click);

  maintenanceMenu_ = bar->addMenu("&Maintenance");
  maintenanceMenu_->setObjectName("N16");
  AddItem(maintenanceMenu_, "N23", "&Enable Get Error", &TForm_MainWindow::N23Click);
  AddItem(maintenanceMenu_, "N24", "&Disable Get Error", &TForm_MainWindow::N24Click);
  maintenanceMenu_->addSeparator();
  AddItem(maintenanceMenu_, "FW1", "&Firmware Upgrade...", &TForm_MainWindow::FW1Click);
  AddItem(maintenanceMenu_, "N17", "&Clear Surge Counter...", &TForm_MainWindow::N17Click);
  AddItem(maintenanceMenu_, "N27", "Relay O&N", &TForm_MainWindow::N27Click);
  AddItem(maintenanceMenu_, "N26", "Relay &OFF", &TForm_MainWindow::N26Click);
  AddItem(maintenanceMenu_, "MAC1", "&MAC Address...", &TForm_MainWindow::MAC1Click);

  QMenu* help = bar->addMenu("&Help");
  help->setObjectName("N18");
  AddItem(help, "N19", "&TAVIRON Version", &TForm_MainWindow::N19Click);
}

void TForm_MainWindow::BuildToolbar() {
  // Its title is the name a screen reader gives it.
  QToolBar* toolbar = addToolBar(QString::fromUtf8(kToolbarName));
  toolbar->setObjectName("ToolBar1");
  toolbar->setMovable(false);
  toolbar->setFloatable(false);
  toolbar->setIconSize(QSize(24, 24));
  toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
  struct ButtonRow {
    Command command;
    int number;
    const char* hint;
    int image;
    void (TForm_MainWindow::*handler)();
  };
  const ButtonRow rows[] = {
      {Command::kPort, 6, "Port", 50, &TForm_MainWindow::N6Click},
      {Command::kDefaultSetting, 7, "Default Setting", 48, &TForm_MainWindow::N7Click},
      {Command::kUserPassword, 8, "User Password", 49, &TForm_MainWindow::N9Click},
      {Command::kConnect, 1, "COM Port Connect", 45, &TForm_MainWindow::N12Click},
      {Command::kDisconnect, 2, "COM Port Disconnect", 47, &TForm_MainWindow::N13Click},
      {Command::kComPortSetting, 3, "COM Port Setting", 60, &TForm_MainWindow::N15Click},
      {Command::kRefresh, 4, "Refresh", 46, &TForm_MainWindow::N4Click},
      {Command::kReset, 5, "Reset", 58, &TForm_MainWindow::N10Click},
  };
  for (const ButtonRow& row : rows) {
    QAction* button = toolbar->addAction(ToolbarImage(row.image), row.hint);
    button->setObjectName(QString("ToolButton%1").arg(row.number));
    button->setToolTip(row.hint);
    connect(button, &QAction::triggered, this, row.handler);
    buttons_[static_cast<int>(row.command)] = button;
    if (QWidget* widget = toolbar->widgetForAction(button)) widget->setFixedWidth(28 + 4);
  }
}

void TForm_MainWindow::BuildInformation() {
  // The designed content fills the window where it fits, and scrolls where the window is smaller,
  // as on a small screen at a large scale.
  auto* scroller = new QScrollArea(this);
  scroller->setObjectName("ScrollBox1");
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setWidgetResizable(true);
  auto* central = new QWidget;
  central->setObjectName("Central");
  central->setMinimumSize(kContentWidth, kContentHeight);
  scroller->setWidget(central);
  setCentralWidget(scroller);

  auto* info = new QGroupBox("Ethernet Switch Information", central);
  info->setObjectName("GroupBox1");
  info->setGeometry(40, 16, 305, 151);
  MakeLabel(info, "Label1", "Switch Version", 24, 24);
  MakeLabel(info, "Label2", "Discharge Element", 24, 52);
  MakeLabel(info, "Label3", "Switch Status", 24, 80);
  MakeLabel(info, "Label4", "Relay Status", 24, 126);
  // The values sit on a plain layer of the group box, so that an empty value is read out as
  // nothing rather than as the group box's title; each says what it shows.
  QWidget* infoValues = ValueLayer(info);
  auto value = [infoValues](const char* name, const char* shows, int left, int top, int width) {
    QLabel* label = MakeLabel(infoValues, name, "", left, top, width);
    label->setAccessibleDescription(shows);
    return label;
  };
  value("Lb_fw_ver", "Switch Version", 144, 24, 150);
  value("Lb_th_count", "Discharge Element", 144, 52, 150);
  value("Lb_fw_state", "Switch Status", 144, 80, 150);
  value("Lb_err_code", "Error code", 88, 96, 54);
  MakeLabel(infoValues, "Label6", ":", 144, 96, 12)->hide();
  QLabel* message = value("Lb_err_mes1", "Error message", 160, 96, 140);
  message->setFixedHeight(30);
  message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  value("Lb_relay", "Relay Status", 144, 126, 150);

  auto* ports = new QGroupBox("Port Information", central);
  ports->setObjectName("GroupBox2");
  ports->setGeometry(40, 184, 305, 241);
  MakeLabel(ports, "Label7", "Port", 32, 24);
  MakeLabel(ports, "Label8", "Speed", 112, 24);
  MakeLabel(ports, "Label9", "Duplex", 200, 24);
  QWidget* portValues = ValueLayer(ports);
  for (int n = 0; n < kPortCount; ++n) {
    MakeLabel(ports, QString("LabelPort%1").arg(n + 1), QString("#%1").arg(n + 1), 32,
              kPortRowTops[n]);
    QLabel* speed =
        MakeLabel(portValues, QString("Lb_link%1").arg(n + 1), "", 56, kPortRowTops[n], 145);
    speed->setAlignment(Qt::AlignCenter);
    speed->setAccessibleDescription(QString("Port #%1 speed").arg(n + 1));
    QLabel* duplex =
        MakeLabel(portValues, QString("Lb_dup%1").arg(n + 1), "", 204, kPortRowTops[n], 63);
    duplex->setAccessibleDescription(QString("Port #%1 duplex").arg(n + 1));
  }
}

QLabel* TForm_MainWindow::Label(const char* name) const {
  return findChild<QLabel*>(name);
}
QAction* TForm_MainWindow::MenuItem(const char* name) const {
  return findChild<QAction*>(name);
}
QAction* TForm_MainWindow::ToolButton(int number) const {
  return findChild<QAction*>(QString("ToolButton%1").arg(number));
}
QAction* TForm_MainWindow::Button(Command command) const {
  return buttons_[static_cast<int>(command)];
}
QString TForm_MainWindow::StatusText() const {
  return status_->text();
}

void TForm_MainWindow::Render() {
  // While a sequence runs, its commands are drawn unavailable; the end of it draws the layout.
  const MainView v = AsShown(program_.core().monitor.view, program_.Busy());
  Label("Lb_fw_ver")->setText(Text(v.Lb_fw_ver));
  Label("Lb_th_count")->setText(Text(v.Lb_th_count));
  Label("Lb_fw_state")->setText(Text(v.Lb_fw_state));
  Label("Lb_err_code")->setText(Text(v.Lb_err_code));
  Label("Lb_err_mes1")->setText(Text(v.Lb_err_mes1));
  Label("Label6")->setVisible(v.Label6Visible);
  Label("Lb_relay")->setText(Text(v.Lb_relay));
  for (int n = 0; n < kPortCount; ++n) {
    findChild<QLabel*>(QString("Lb_link%1").arg(n + 1))->setText(Text(v.Lb_link[n]));
    findChild<QLabel*>(QString("Lb_dup%1").arg(n + 1))->setText(Text(v.Lb_dup[n]));
  }
  status_->Say(Text(v.statusText));

  for (int i = 0; i < kCommandCount; ++i) {
    const CommandLook& look = v.commands[i];
    if (look.image >= 0) buttons_[i]->setIcon(ToolbarImage(look.image));
    buttons_[i]->setEnabled(look.enabled);
  }
  MenuItem("N12")->setEnabled(v.menuConnect);
  MenuItem("N13")->setEnabled(v.menuDisconnect);
  MenuItem("N15")->setEnabled(v.menuComPortSetting);
  viewMenu_->setEnabled(v.menuView);
  settingMenu_->setEnabled(v.menuSetting);
  maintenanceMenu_->setEnabled(v.menuMaintenance);
  for (const char* item : {"N17", "N27", "N26", "MAC1"})
    MenuItem(item)->setEnabled(v.menuFirmwareItems);
  MenuItem("N20")->setEnabled(v.menuOpen);
  MenuItem("N21")->setEnabled(v.menuSave);
  MenuItem("N23")->setEnabled(v.menuEnableGetError);
  MenuItem("N24")->setEnabled(v.menuDisableGetError);
  MenuItem("N19")->setEnabled(v.menuAbout);
}

void TForm_MainWindow::ShowAtSavedBounds() {
  const WindowBounds& b = program_.core().session.mainWindowBounds;
  resize(b.width, b.height);
  move(b.left, b.top);
  KeepOnScreen();
  show();
}

void TForm_MainWindow::KeepOnScreen() {
  QScreen* display = screen();
  if (display == nullptr) return;
  // The frame is known once the window manager has framed the window; until then the title bar
  // is reckoned at its usual height.
  QRect frame = frameGeometry();
  if (frame == geometry()) {
    frame.setTop(frame.top() - style()->pixelMetric(QStyle::PM_TitleBarHeight));
  } else {
    placedInFrame_ = true;
  }
  const QRect area = display->availableGeometry();
  WindowBounds placed = PlacedWithin({frame.top(), frame.left(), frame.width(), frame.height()},
                                     {area.top(), area.left(), area.width(), area.height()});
  if (placed.width != frame.width() || placed.height != frame.height()) {
    resize(size() - QSize(frame.width() - placed.width, frame.height() - placed.height));
  }
  if (placed.left != frame.left() || placed.top != frame.top()) {
    move(pos() + QPoint(placed.left - frame.left(), placed.top - frame.top()));
  }
}

WindowBounds TForm_MainWindow::CurrentBounds() const {
  // A window that was never shown has no place of its own: the saved one stays.
  if (!shownOnce_) return program_.core().session.mainWindowBounds;
  return WindowBounds{pos().y(), pos().x(), width(), height()};
}

void TForm_MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    QTimer::singleShot(0, this, [this] { KeepOnScreen(); });
  }
  // Painted first, then filled from the switch.
  QTimer::singleShot(
      0, this, [this] { program_.RunWhenIdle([this] { MainWindowShown(program_.core()); }); });
}

void TForm_MainWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  // The window manager's real frame, which comes a moment after the window is mapped, may push
  // it past an edge after all.
  if (shownOnce_ && !placedInFrame_) KeepOnScreen();
}

void TForm_MainWindow::FocusMoved(QWindow* now) {
  // No window of the program has the keyboard (another application has it), or a menu or list
  // popped up over its window: neither counts.
  if (now == nullptr || now->type() == Qt::Popup || now->type() == Qt::ToolTip) return;
  QWindow* before = lastFocus_;
  lastFocus_ = now;
  if (now != windowHandle()) return;
  // The system's file dialog counts as a box: the command that showed it goes on.
  ActivatedFrom from = ActivatedFrom::kElsewhere;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (before == nullptr || top->windowHandle() != before ||
        qobject_cast<QDialog*>(top) == nullptr)
      continue;
    const bool box =
        qobject_cast<QMessageBox*>(top) != nullptr || qobject_cast<QFileDialog*>(top) != nullptr;
    from = box ? ActivatedFrom::kProgramBox : ActivatedFrom::kProgramDialog;
  }
  const bool first = !activatedOnce_;
  activatedOnce_ = true;
  if (!RunsActivationHandler(first, from)) return;
  QTimer::singleShot(
      0, this, [this] { program_.RunWhenIdle([this] { MainWindowActivated(program_.core()); }); });
}

void TForm_MainWindow::closeEvent(QCloseEvent* event) {
  if (program_.Busy()) {
    event->ignore();
    program_.RequestClose();
    return;
  }
  if (!shutdownDone_) {
    shutdownDone_ = true;
    program_.Run([this] { MainWindowClosed(program_.core(), CurrentBounds()); });
  }
  event->accept();
  program_.MainWindowClosed();
  program_.CloseLogInWindow();
}

void TForm_MainWindow::RunCommand(void (*command)(Configurator&)) {
  program_.Run([this, command] { command(program_.core()); });
}

void TForm_MainWindow::FileOpen1Accept() {
  RunCommand(FileOpenCommand);
}
void TForm_MainWindow::FileSaveAs1Accept() {
  RunCommand(FileSaveCommand);
}
void TForm_MainWindow::N2Click() {
  close();
}
void TForm_MainWindow::N4Click() {
  RunCommand(RefreshCommand);
}
void TForm_MainWindow::N6Click() {
  RunCommand(PortSettingCommand);
}
void TForm_MainWindow::N7Click() {
  RunCommand(DefaultSettingCommand);
}
void TForm_MainWindow::N9Click() {
  RunCommand(UserPasswordCommand);
}
void TForm_MainWindow::N10Click() {
  RunCommand(ResetCommand);
}
void TForm_MainWindow::N12Click() {
  RunCommand(ConnectCommand);
}
void TForm_MainWindow::N13Click() {
  RunCommand(DisconnectCommand);
}
void TForm_MainWindow::N15Click() {
  RunCommand(ComPortSettingCommand);
}
void TForm_MainWindow::N23Click() {
  RunCommand(EnableGetError);
}
void TForm_MainWindow::N24Click() {
  RunCommand(DisableGetError);
}
void TForm_MainWindow::N19Click() {
  RunCommand(AboutCommand);
}
void TForm_MainWindow::FW1Click() {
  RunCommand(FirmwareUpgradeCommand);
}
void TForm_MainWindow::N17Click() {
  RunCommand(SurgeCounterClearCommand);
}
void TForm_MainWindow::MAC1Click() {
  RunCommand(MacAddressCommand);
}
void TForm_MainWindow::N26Click() {
  RunCommand(RelayOff);
}
void TForm_MainWindow::N27Click() {
  RunCommand(RelayOn);
}

}  // namespace taviron
