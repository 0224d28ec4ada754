#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

#include <functional>

#include "gui/access/Pass_in.h"
#include "gui/access/Super_pass_in.h"
#include "tests/gui/OperatorHands.h"
#include "tests/gui/WindowHarness.h"

namespace taviron::test {
namespace {

TEST(MainWindowCommandsTest, RefreshReadsTheSwitchAgain) {
  WindowHarness h;
  h.Start();
  h.model.state.firmwareVersion = "03.00";
  h.model.state.relay = '0';
  h.Trigger(h.main().ToolButton(4));
  EXPECT_EQ(h.Text("Lb_fw_ver"), "03.00");
  EXPECT_EQ(h.Text("Lb_relay"), "OFF");
  h.model.state.firmwareVersion = "03.01";
  h.Trigger(h.main().MenuItem("N4"));
  EXPECT_EQ(h.Text("Lb_fw_ver"), "03.01");
}

TEST(MainWindowCommandsTest, DisconnectAndConnectSwitchTheLayout) {
  WindowHarness h;
  h.Start();
  h.Trigger(h.main().ToolButton(2));
  EXPECT_EQ(h.main().StatusText(), "Disconnect");
  EXPECT_EQ(h.Text("Lb_fw_ver"), "--.--");
  EXPECT_TRUE(h.main().ToolButton(1)->isEnabled());
  EXPECT_FALSE(h.main().ToolButton(2)->isEnabled());
  EXPECT_FALSE(h.main().ToolButton(4)->isEnabled());
  EXPECT_TRUE(h.main().MenuItem("N15")->isEnabled());
  EXPECT_FALSE(h.main().findChild<QMenu*>("N3")->isEnabled());
  EXPECT_FALSE(h.core().exchange.link.HasPort());

  h.Trigger(h.main().MenuItem("N12"));
  EXPECT_EQ(h.main().StatusText(), "Connected");
  EXPECT_EQ(h.Text("Lb_fw_ver"), "01.09");
  EXPECT_FALSE(h.main().ToolButton(1)->isEnabled());
  EXPECT_TRUE(h.main().ToolButton(5)->isEnabled());
}

TEST(MainWindowCommandsTest, ResetRestartsTheSwitchAndReconnects) {
  WindowHarness h;
  h.Start();
  h.Trigger(h.main().ToolButton(5));
  EXPECT_EQ(h.model.Restarts(), 1);
  EXPECT_EQ(h.main().StatusText(), "Connected");
  EXPECT_TRUE(h.boxes.empty());
}

TEST(MainWindowCommandsTest, ASilentSwitchEndsInCommunicationFailure) {
  WindowHarness h;
  h.Start();
  h.model.faults.silent = true;
  h.Trigger(h.main().ToolButton(4));
  EXPECT_EQ(h.main().StatusText(), "Communication failure");
  EXPECT_EQ(h.Text("Lb_link1"), "Communication Error");
  EXPECT_TRUE(h.main().ToolButton(1)->isEnabled());
}

TEST(LoginWindowTest, RejectsThenAcceptsAndOpensTheMainWindow) {
  WindowHarness h;
  h.model.state.userPassword = "pw";
  h.Start();
  Tpass_in& login = h.program->passIn();
  ASSERT_TRUE(login.isVisible());
  EXPECT_FALSE(h.main().isVisible());
  EXPECT_EQ(login.windowTitle(), "Enter Password");
  EXPECT_EQ(login.entry()->maxLength(), 29);

  QTest::keyClicks(login.entry(), "bad");
  QTest::mouseClick(login.okButton(), Qt::LeftButton);
  EXPECT_EQ(login.prompt()->text(), "Password is incorrect.");
  EXPECT_EQ(login.statusLine()->text(), "Please retype the password.");
  EXPECT_EQ(login.entry()->text(), "");
  EXPECT_TRUE(login.isVisible());

  QTest::keyClicks(login.entry(), "pw");
  QTest::keyClick(login.entry(), Qt::Key_Return);
  h.Settle();
  EXPECT_FALSE(login.isVisible());
  EXPECT_TRUE(h.main().isVisible());
  EXPECT_EQ(h.main().StatusText(), "Connected");
  EXPECT_EQ(h.Text("Lb_fw_ver"), "01.09");
  EXPECT_EQ(h.core().access.LoginPassword, "pw");
}

TEST(LoginWindowTest, AFailedExchangeShowsTheFailureState) {
  WindowHarness h;
  h.model.state.userPassword = "pw";
  h.Start();
  h.model.faults.silent = true;
  Tpass_in& login = h.program->passIn();
  QTest::keyClicks(login.entry(), "pw");
  QTest::mouseClick(login.okButton(), Qt::LeftButton);
  EXPECT_EQ(login.windowTitle(), "TAVIRON Starting Failure");
  EXPECT_EQ(login.statusLine()->text(), "Failed to Start TAVIRON.");
  EXPECT_FALSE(login.okButton()->isVisible());
  EXPECT_TRUE(login.failureOkButton()->isVisible());
  QTest::mouseClick(login.failureOkButton(), Qt::LeftButton);
  EXPECT_FALSE(login.isVisible());
  EXPECT_FALSE(h.main().isVisible());
}

TEST(MaintenanceWindowTest, TheGateAsksThenLoggingGoesOn) {
  WindowHarness h;
  h.Start();
  h.Then([&h] {
    auto& dialog = h.program->superPassIn();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), "Enter Maintenance Password");
    auto* edit = dialog.findChild<QLineEdit*>("Ed_pass");
    QTest::keyClicks(edit, "qorplemt");
    QTest::mouseClick(dialog.findChild<QPushButton*>("Button_ok"), Qt::LeftButton);
  });
  h.Trigger(h.main().MenuItem("N23"));
  EXPECT_EQ(h.core().exchange.log.LogEnabled, 1);
  EXPECT_FALSE(h.main().MenuItem("N23")->isEnabled());
  EXPECT_TRUE(h.main().MenuItem("N24")->isEnabled());
  EXPECT_TRUE(std::filesystem::exists(h.dir / "LOG.TXT"));
  // Admitted until the next connection: no second question.
  h.Trigger(h.main().MenuItem("N24"));
  EXPECT_EQ(h.core().exchange.log.LogEnabled, 0);
}

TEST(SequenceRulesTest, OperatorInputIsDroppedWhileASequenceRuns) {
  WindowHarness h;
  h.Start();
  auto* toolbar = h.main().findChild<QToolBar*>("ToolBar1");
  QWidget* refresh = toolbar->widgetForAction(h.main().ToolButton(4));
  int refreshes = 0;
  QObject::connect(h.main().ToolButton(4), &QAction::triggered, [&] { ++refreshes; });
  h.program->Run([&] {
    QTest::mouseClick(refresh, Qt::LeftButton);
    EXPECT_FALSE(h.program->Run([] {}));  // no second command inside the first
  });
  EXPECT_EQ(refreshes, 0);
  QTest::mouseClick(refresh, Qt::LeftButton);
  EXPECT_EQ(refreshes, 1);
}

TEST(SequenceRulesTest, TheWindowShowsItIsBusyUntilTheSequenceEnds) {
  const struct {
    const char* name;
    std::function<void(WindowHarness&)> start;
  } cases[] = {
      {"F5", [](WindowHarness&) { PressKey(Qt::Key_F5); }},
      {"Reset button", [](WindowHarness& h) { ClickToolButton(h.main(), 5); }},
  };
  for (const auto& c : cases) {
    WindowHarness h;
    h.Start();
    h.main().activateWindow();
    h.Settle();
    int writes = 0;
    h.port.onWrite = [&](const std::string&) {
      if (writes++ > 0) return;
      const QCursor* cursor = QApplication::overrideCursor();
      EXPECT_TRUE(cursor != nullptr && cursor->shape() == Qt::WaitCursor) << c.name;
      for (int button = 1; button <= 8; ++button) {
        EXPECT_FALSE(h.main().ToolButton(button)->isEnabled()) << c.name << button;
      }
      EXPECT_FALSE(h.main().MenuItem("N19")->isEnabled()) << c.name;
    };
    c.start(h);
    h.Settle();
    EXPECT_GT(writes, 0) << c.name;
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << c.name;
    EXPECT_EQ(h.main().StatusText(), "Connected") << c.name;
    EXPECT_TRUE(h.main().ToolButton(4)->isEnabled()) << c.name;
    EXPECT_FALSE(h.main().ToolButton(1)->isEnabled()) << c.name;
    EXPECT_TRUE(h.main().MenuItem("N19")->isEnabled()) << c.name;
  }
}

TEST(SequenceRulesTest, ACloseRequestWaitsForTheSequence) {
  WindowHarness h;
  h.Start();
  h.program->Run([&] {
    h.program->RequestClose();
    EXPECT_TRUE(h.main().isVisible());
    EXPECT_TRUE(h.core().exchange.link.HasPort());
  });
  EXPECT_FALSE(h.main().isVisible());
  EXPECT_FALSE(h.core().exchange.link.HasPort());
  EXPECT_TRUE(std::filesystem::exists(h.dir / "SWITCH.INI"));
}

}  // namespace
}  // namespace taviron::test
