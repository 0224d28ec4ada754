// Every dialog and box the main window's menus and toolbar open, operated once with the mouse
// and once with the keyboard alone, with input entering through the window system.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <string>

#include "base/PasswordText.h"
#include "gui/access/Pass_set.h"
#include "gui/config/AboutBox.h"
#include "gui/config/Fact_set.h"
#include "gui/config/Mac_set.h"
#include "gui/config/Port_set.h"
#include "gui/config/Serial_set.h"
#include "gui/firmware/Fw_update.h"
#include "tests/gui/OperatorHands.h"
#include "tests/gui/WindowHarness.h"
#include "tests/support/HexImage.h"

namespace taviron::test {
namespace {

QPushButton* ButtonOf(QWidget& window, const char* name) {
  auto* button = window.findChild<QPushButton*>(name);
  EXPECT_NE(button, nullptr) << name;
  return button;
}

void ClickButton(QWidget& window, const char* name) {
  if (QPushButton* button = ButtonOf(window, name)) ClickOn(button);
}

// The OK button of a message box.
void ClickBoxOk(QWidget& window) {
  auto* box = qobject_cast<QMessageBox*>(&window);
  ASSERT_NE(box, nullptr) << window.windowTitle().toStdString();
  ClickOn(box->button(QMessageBox::Ok));
}

QLineEdit* EditOf(QWidget& window, const char* name) {
  auto* edit = window.findChild<QLineEdit*>(name);
  EXPECT_NE(edit, nullptr) << name;
  return edit;
}

// Clicks into the box and types, as the operator fills it with the mouse at hand.
void ClickAndType(QWidget& window, const char* edit, const QString& text) {
  QLineEdit* box = EditOf(window, edit);
  if (box == nullptr) return;
  QTest::mouseDClick(box->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                     box->mapTo(box->window(), box->rect().center()));
  TypeText(text);
}

// The file dialog reads folders in the background and offers completions when it has.
bool CompletionListOpens() {
  return QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 500);
}

// The standard file dialog: the name typed into its name box, then its accept button.
void ChooseFileByMouse(QWidget& window, const QString& path) {
  ClickAndType(window, "fileNameEdit", path);
  // A click beside the completion list that typing opens (once the folder is read) only closes
  // the list.
  if (CompletionListOpens()) ClickOn(EditOf(window, "fileNameEdit"));
  auto* buttons = window.findChild<QDialogButtonBox*>("buttonBox");
  ASSERT_NE(buttons, nullptr);
  QPushButton* accept = buttons->button(QDialogButtonBox::Open);
  if (accept == nullptr) accept = buttons->button(QDialogButtonBox::Save);
  ASSERT_NE(accept, nullptr);
  ClickOn(accept);
}

void ChooseFileByKeys(const QString& path) {
  TypeText(path);
  // Escape closes the completion list that typing opens, and no more.
  if (CompletionListOpens()) PressKey(Qt::Key_Escape);
  PressKey(Qt::Key_Return);
}

void Keys(std::initializer_list<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys) {
  for (auto [key, modifiers] : keys)
    PressKey(key, modifiers);
}

// The maintenance gate, answered.
void MaintenanceByMouse(Operator& op) {
  op.At("Enter Maintenance Password", [](QWidget& w) {
    ClickAndType(w, "Ed_pass", "qorplemt");
    ClickButton(w, "Button_ok");
  });
}

void MaintenanceByKeys(Operator& op) {
  op.At("Enter Maintenance Password", [](QWidget&) {
    TypeText("qorplemt");
    PressKey(Qt::Key_Return);
  });
}

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;

struct HandCase {
  const char* name;
  // Before the program starts, and once its main window is up.
  std::function<void(WindowHarness&)> before = [](WindowHarness&) {};
  std::function<void(WindowHarness&)> ready = [](WindowHarness&) {};
  // Opens the dialog from the menu or toolbar; then the operator's part in it.
  std::function<void(WindowHarness&)> openByMouse;
  std::function<void(Operator&, WindowHarness&)> byMouse;
  std::function<void(WindowHarness&)> openByKeys;
  std::function<void(Operator&, WindowHarness&)> byKeys;
  // What the switch and the windows hold afterwards, whichever hands did it.
  std::function<void(WindowHarness&)> check;
};

const HandCase kCases[] = {
    {
        .name = "AboutBox",
        .openByMouse = [](WindowHarness& h) { ClickMenuItem(h.main(), "N18", "N19"); },
        .byMouse =
            [](Operator& op, WindowHarness&) {
              op.At("About TAVIRON", [](QWidget& w) {
                EXPECT_EQ(w.findChild<QLabel*>("Version")->text(), "TAVIRON Ver. 1.09");
                ClickButton(w, "OKButton");
              });
            },
        .openByKeys =
            [](WindowHarness&) {
              Keys({{Qt::Key_H, kAlt}, {Qt::Key_T, kNone}});
            },
        .byKeys =
            [](Operator& op, WindowHarness&) {
              op.At("About TAVIRON", [](QWidget&) { PressKey(Qt::Key_Escape); });
            },
        .check = [](WindowHarness& h) { EXPECT_FALSE(h.program->aboutBox().isVisible()); },
    },
    {
        .name = "PortSetting",
        .before = [](WindowHarness& h) { h.model.state.portModes = "33333333"; },
        .openByMouse = [](WindowHarness& h) { ClickToolButton(h.main(), 6); },
        .byMouse =
            [](Operator& op, WindowHarness&) {
              op.At("Port Setting", [](QWidget& w) {
                  PickFromList(w.findChild<QComboBox*>("Cmb_port1"), 0);
                  PickFromList(w.findChild<QComboBox*>("Cmb_port8"), 5);
                  ClickButton(w, "Button_ok");
                }).At("Port Setting was Complete", ClickBoxOk);
            },
        .openByKeys =
            [](WindowHarness&) {
              Keys({{Qt::Key_S, kAlt}, {Qt::Key_P, kNone}});
            },
        .byKeys =
            [](Operator& op, WindowHarness&) {
              op.At("Port Setting", [](QWidget&) {
                  // The first list has the focus: 100Mbps/full up to 10Mbps/half.
                  EXPECT_EQ(FocusedWidget()->objectName(), "Cmb_port1");
                  Keys({{Qt::Key_Up, kNone}, {Qt::Key_Up, kNone}, {Qt::Key_Up, kNone}});
                  for (int i = 0; i < 7; ++i)
                    PressKey(Qt::Key_Tab);
                  EXPECT_EQ(FocusedWidget()->objectName(), "Cmb_port8");
                  Keys({{Qt::Key_Down, kNone}, {Qt::Key_Down, kNone}});
                  PressKey(Qt::Key_Return);
                }).At("Port Setting was Complete", [](QWidget&) { PressKey(Qt::Key_Return); });
            },
        .check =
            [](WindowHarness& h) {
              EXPECT_EQ(h.model.state.portModes, "03333336");
              EXPECT_EQ(h.Text("Lb_link1"), "10Mbps");
              EXPECT_EQ(h.Text("Lb_link8"), "Disable");
            },
    },
    {
        .name = "PortSettingRefusedThenCancelled",
        .before = [](WindowHarness& h) { h.model.faults.replies["ps 3 3"] = "\r\n[1]"; },
        .openByMouse = [](WindowHarness& h) { ClickMenuItem(h.main(), "N5", "N6"); },
        .byMouse =
            [](Operator& op, WindowHarness&) {
              op.At("Port Setting",
                    [](QWidget& w) {
                      PickFromList(w.findChild<QComboBox*>("Cmb_port4"), 3);
                      ClickButton(w, "Button_ok");
                    })
                  .At("Setting Error", ClickBoxOk)
                  .At("Port Setting", [](QWidget& w) { ClickButton(w, "Button_cancel"); });
            },
        .openByKeys =
            [](WindowHarness&) {
              Keys({{Qt::Key_S, kAlt}, {Qt::Key_P, kNone}});
            },
        .byKeys =
            [](Operator& op, WindowHarness&) {
              op.At("Port Setting",
                    [](QWidget&) {
                      for (int i = 0; i < 3; ++i)
                        PressKey(Qt::Key_Tab);
                      PressKey(Qt::Key_Up);  // Auto up to 100Mbps/full
                      PressKey(Qt::Key_S, kAlt);
                    })
                  .At("Setting Error", [](QWidget&) { PressKey(Qt::Key_Return); })
                  .At("Port Setting", [](QWidget&) { PressKey(Qt::Key_Escape); });
            },
        .check =
            [](WindowHarness& h) {
              EXPECT_FALSE(h.program->portSet().isVisible());
              // Cancelled after the refusal: the window is not refreshed.
              EXPECT_EQ(h.Text("Lb_link4"), "Auto");
            },
    },
    {
        .name = "DefaultSetting",
        .before = [](WindowHarness& h) { h.model.state.portModes = "00000000"; },
        .openByMouse = [](WindowHarness& h) { ClickToolButton(h.main(), 7); },
        .byMouse =
            [](Operator& op, WindowHarness& h) {
              op.At("Default Setting", [](QWidget& w) {
                  ClickButton(w, "Button_ok");
                }).At("Finished Default Setting", [&h](QWidget& box) {
                // The dialog is still up behind the box, with no buttons left to press.
                QWidget& dialog = h.program->factSet();
                EXPECT_TRUE(dialog.isVisible());
                EXPECT_FALSE(ButtonOf(dialog, "Button_ok")->isVisible());
                EXPECT_FALSE(ButtonOf(dialog, "Button_cancel")->isVisible());
                EXPECT_EQ(dialog.findChild<QLabel*>("Label4")->text(), "Default Setting......");
                ClickBoxOk(box);
              });
            },
        .openByKeys =
            [](WindowHarness&) {
              Keys({{Qt::Key_S, kAlt}, {Qt::Key_D, kNone}});
            },
        .byKeys =
            [](Operator& op, WindowHarness&) {
              op.At("Default Setting", [](QWidget&) {
                  PressKey(Qt::Key_Y, kAlt);
                }).At("Finished Default Setting", [](QWidget&) { PressKey(Qt::Key_Return); });
            },
        .check =
            [](WindowHarness& h) {
              EXPECT_EQ(h.model.state.portModes, "55555555");
              EXPECT_EQ(h.model.Restarts(), 1);
              EXPECT_FALSE(h.program->factSet().isVisible());
              EXPECT_EQ(h.Text("Lb_link1"), "Auto");
            },
    },
    {
        .name = "DefaultSettingDeclined",
        .openByMouse = [](WindowHarness& h) { ClickMenuItem(h.main(), "N5", "N7"); },
        .byMouse =
            [](Operator& op, WindowHarness&) {
              op.At("Default Setting", [](QWidget& w) { ClickButton(w, "Button_cancel"); });
            },
        .openByKeys =
            [](WindowHarness&) {
              Keys({{Qt::Key_S, kAlt}, {Qt::Key_D, kNone}});
            },
        .byKeys =
            [](Operator& op, WindowHarness&) {
              op.At("Default Setting", [](QWidget&) { PressKey(Qt::Key_N, kAlt); });
            },
        .check =
            [](WindowHarness& h) {
              EXPECT_EQ(h.model.Restarts(), 0);
              EXPECT_FALSE(h.program->factSet().isVisible());
            },
    },
    {
        .name = "UserPassword",
        .openByMouse = [](WindowHarness& h) { ClickToolButton(h.main(), 8); },
        .byMouse =
            [](Operator& op, WindowHarness&) {
              op.At("Change User Password", [](QWidget& w) {
                  ClickAndType(w, "Ed_pass1", "abc");
                  ClickAndType(w, "Ed_pass2", "abc");
                  ClickButton(w, "Button_ok");
                }).At("Changed User Password", ClickBoxOk);
            },
        .openByKeys =
            [](WindowHarness&) {
              Keys({{Qt::Key_S, kAlt}, {Qt::Key_U, kNone}});
            },
        .byKeys =
            [](Operator& op, WindowHarness&) {
              op.At("Change User Password", [](QWidget&) {
                  TypeText("abc");
                  PressKey(Qt::Key_Tab);
                  TypeText("abc");
                  PressKey(Qt::Key_Return);
                }).At("Changed User Password", [](QWidget&) { PressKey(Qt::Key_Return); });
            },
        .check =
            [](WindowHarness& h) {
              EXPECT_EQ(h.model.state.userPassword, "abc");
              EXPECT_EQ(h.core().access.LoginPassword, "abc");
            },
    },
    {
        .name = "UserPasswordMismatchThenCancelled",
        .openByMouse = [](WindowHarness& h) { ClickMenuItem(h.main(), "N5", "N9"); },
        .byMouse =
            [](Operator& op, WindowHarness&) {
              op.At("Change User Password",
                    [](QWidget& w) {
                      ClickAndType(w, "Ed_pass1", "abc");
                      ClickAndType(w, "Ed_pass2", "abd");
                      ClickButton(w, "Button_ok");
                    })
                  .At("User Password Changing Error", ClickBoxOk)
                  .At("Change User Password", [](QWidget& w) { ClickButton(w, "Button_cansel"); });
            },
        .openByKeys =
            [](WindowHarness&) {
              Keys({{Qt::Key_S, kAlt}, {Qt::Key_U, kNone}});
            },
        .byKeys =
            [](Operator& op, WindowHarness&) {
              op.At("Change User Password",
                    [](QWidget&) {
                      TypeText("abc");
                      PressKey(Qt::Key_Tab);
                      TypeText("abd");
                      PressKey(Qt::Key_C, kAlt);
                    })
                  .At("User Password Changing Error", [](QWidget&) { PressKey(Qt::Key_Return); })
                  .At("Change User Password", [](QWidget&) { PressKey(Qt::Key_Escape); });
            },
        .check =
            [](WindowHarness& h) {
              EXPECT_EQ(h.model.state.userPassword, "");
              EXPECT_FALSE(h.program->passSet().isVisible());
            },
    },
    {
        .name = "UserPasswordOutsideAsciiRefused",
        .openByMouse = [](WindowHarness& h) { ClickToolButton(h.main(), 8); },
        .byMouse =
            [](Operator& op, WindowHarness&) {
              op.At("Change User Password",
                    [](QWidget& w) {
                      ClickAndType(w, "Ed_pass1", "日本");
                      ClickAndType(w, "Ed_pass2", "日本");
                      ClickButton(w, "Button_ok");
                    })
                  .At("User Password Changing Error",
                      [](QWidget& w) {
                        EXPECT_EQ(qobject_cast<QMessageBox*>(&w)->text().toStdString(),
                                  std::string(kUnsendableCharactersRefused));
                        ClickBoxOk(w);
                      })
                  .At("Change User Password", [](QWidget& w) { ClickButton(w, "Button_cansel"); });
            },
        .openByKeys =
            [](WindowHarness&) {
              Keys({{Qt::Key_S, kAlt}, {Qt::Key_U, kNone}});
            },
        .byKeys =
            [](Operator& op, WindowHarness&) {
              op.At("Change User Password",
                    [](QWidget&) {
                      TypeText("ééééé");
                      PressKey(Qt::Key_Tab);
                      TypeText("ééééé");
                      PressKey(Qt::Key_Return);
                    })
                  .At("User Password Changing Error", [](QWidget&) { PressKey(Qt::Key_Return); })
                  .At("Change User Password", [](QWidget&) { PressKey(Qt::Key_Escape); });
            },
        .check =
            [](WindowHarness& h) {
              EXPECT_EQ(h.model.state.userPassword, "");
              EXPECT_EQ(h.core().access.LoginPassword, "");
              EXPECT_FALSE(h.program->passSet().isVisible());
            },
    },
    {
        .name = "ComPortSetting",
        .ready = [](WindowHarness& h) { ClickToolButton(h.main(), 2); },
        .openByMouse = [](WindowHarness& h) { ClickToolButton(h.main(), 3); },
        .byMouse =
            [](Operator& op, WindowHarness&) {
              op.At("COM Port Setting", [](QWidget& w) {
                PickFromList(w.findChild<QComboBox*>("ComboBox1"), 2);
                ClickButton(w, "Button_ok");
              });
            },
        .openByKeys =
            [](WindowHarness&) {
              Keys({{Qt::Key_C, kAlt}, {Qt::Key_S, kNone}});
            },
        .byKeys =
            [](Operator& op, WindowHarness&) {
              op.At("COM Port Setting", [](QWidget&) {
                PressKey(Qt::Key_P, kAlt);
                EXPECT_EQ(FocusedWidget()->objectName(), "ComboBox1");
                Keys({{Qt::Key_Down, kNone}, {Qt::Key_Down, kNone}});
                PressKey(Qt::Key_H, kAlt);
              });
            },
        .check = [](WindowHarness& h) { EXPECT_EQ(h.core().exchange.link.ComPortIndex, 2); },
    },
    {
        .name = "MaintenancePasswordThenLogging",
        .openByMouse = [](WindowHarness& h) { ClickMenuItem(h.main(), "N16", "N23"); },
        .byMouse =
            [](Operator& op, WindowHarness&) {
              op.At("Enter Maintenance Password", [](QWidget& w) {
                  ClickAndType(w, "Ed_pass", "wrong");
                  ClickButton(w, "Button_ok");
                }).At("Enter Maintenance Password", [](QWidget& w) {
                EXPECT_EQ(w.findChild<QLabel*>("Label1")->text(), "Password is incorrect.");
                ClickAndType(w, "Ed_pass", "qorplemt");
                ClickButton(w, "Button_ok");
              });
            },
        .openByKeys =
            [](WindowHarness&) {
              Keys({{Qt::Key_M, kAlt}, {Qt::Key_E, kNone}});
            },
        .byKeys = [](Operator& op, WindowHarness&) { MaintenanceByKeys(op); },
        .check =
            [](WindowHarness& h) {
              EXPECT_EQ(h.core().exchange.log.LogEnabled, 1);
              EXPECT_TRUE(std::filesystem::exists(h.dir / "LOG.TXT"));
            },
    },
    {
        .name = "MaintenancePasswordNotConfirmed",
        .before = [](WindowHarness& h) { h.model.faults.replies["passwd"] = "\r\n[1]"; },
        .openByMouse = [](WindowHarness& h) { ClickMenuItem(h.main(), "N16", "N23"); },
        .byMouse =
            [](Operator& op, WindowHarness&) {
              MaintenanceByMouse(op);
              op.At("Maintenance Password Setting Error", ClickBoxOk)
                  .At("Enter Maintenance Password",
                      [](QWidget& w) { ClickButton(w, "Button_cansel"); });
            },
        .openByKeys =
            [](WindowHarness&) {
              Keys({{Qt::Key_M, kAlt}, {Qt::Key_E, kNone}});
            },
        .byKeys =
            [](Operator& op, WindowHarness&) {
              MaintenanceByKeys(op);
              op.At("Maintenance Password Setting Error", [](QWidget&) {
                  PressKey(Qt::Key_Space);
                }).At("Enter Maintenance Password", [](QWidget&) { PressKey(Qt::Key_Escape); });
            },
        .check = [](WindowHarness& h) { EXPECT_EQ(h.core().exchange.log.LogEnabled, 0); },
    },
    {
        .name = "SurgeCounterClear",
        .before = [](WindowHarness& h) { h.model.state.surgeCounter = 0x195; },
        .openByMouse = [](WindowHarness& h) { ClickMenuItem(h.main(), "N16", "N17"); },
        .byMouse =
            [](Operator& op, WindowHarness&) {
              MaintenanceByMouse(op);
              op.At("Clear Surge Counter", [](QWidget& w) { ClickButton(w, "Button_ok"); });
            },
        .openByKeys =
            [](WindowHarness&) {
              Keys({{Qt::Key_M, kAlt}, {Qt::Key_C, kNone}});
            },
        .byKeys =
            [](Operator& op, WindowHarness&) {
              MaintenanceByKeys(op);
              op.At("Clear Surge Counter", [](QWidget&) { PressKey(Qt::Key_Return); });
            },
        .check =
            [](WindowHarness& h) {
              EXPECT_EQ(h.model.state.surgeCounter, 0u);
              EXPECT_EQ(h.Text("Lb_th_count"), "Normal");
            },
    },
    {
        .name = "MacAddressPastedAndInLowerCase",
        .openByMouse = [](WindowHarness& h) { ClickMenuItem(h.main(), "N16", "MAC1"); },
        .byMouse =
            [](Operator& op, WindowHarness&) {
              MaintenanceByMouse(op);
              op.At("MAC Address Setting", [](QWidget& w) {
                  QGuiApplication::clipboard()->setText("00-80-c2-ab-cd-00");
                  ClickOn(EditOf(w, "Ed_mac2"));
                  PressKey(Qt::Key_V, Qt::ControlModifier);
                  EXPECT_EQ(EditOf(w, "Ed_mac4")->text(), "AB");
                  ClickAndType(w, "Ed_mac6", "ef");
                  EXPECT_EQ(EditOf(w, "Ed_mac6")->text(), "EF");
                  ClickButton(w, "Button_ok");
                }).At("MAC address setting complete", ClickBoxOk);
            },
        .openByKeys =
            [](WindowHarness&) {
              Keys({{Qt::Key_M, kAlt}, {Qt::Key_M, kNone}});
            },
        .byKeys =
            [](Operator& op, WindowHarness&) {
              MaintenanceByKeys(op);
              op.At("MAC Address Setting", [](QWidget&) {
                  QGuiApplication::clipboard()->setText("00:80:c2:ab:cd:ef");
                  PressKey(Qt::Key_Tab);
                  PressKey(Qt::Key_Tab);
                  PressKey(Qt::Key_V, Qt::ControlModifier);
                  PressKey(Qt::Key_S, kAlt);
                }).At("MAC address setting complete", [](QWidget&) { PressKey(Qt::Key_Return); });
            },
        .check = [](WindowHarness& h) { EXPECT_EQ(h.model.state.mac, "00 80 C2 AB CD EF"); },
    },
    {
        .name = "MacAddress",
        .openByMouse = [](WindowHarness& h) { ClickMenuItem(h.main(), "N16", "MAC1"); },
        .byMouse =
            [](Operator& op, WindowHarness&) {
              MaintenanceByMouse(op);
              op.At("MAC Address Setting", [](QWidget& w) {
                  EXPECT_EQ(EditOf(w, "Ed_mac3")->text(), "C2");
                  ClickAndType(w, "Ed_mac6", "FF");
                  ClickButton(w, "Button_ok");
                }).At("MAC address setting complete", ClickBoxOk);
            },
        .openByKeys =
            [](WindowHarness&) {
              Keys({{Qt::Key_M, kAlt}, {Qt::Key_M, kNone}});
            },
        .byKeys =
            [](Operator& op, WindowHarness&) {
              MaintenanceByKeys(op);
              op.At("MAC Address Setting", [](QWidget&) {
                  EXPECT_EQ(FocusedWidget()->objectName(), "Ed_mac1");
                  for (int i = 0; i < 5; ++i)
                    PressKey(Qt::Key_Tab);
                  PressKey(Qt::Key_A, Qt::ControlModifier);
                  TypeText("FF");
                  PressKey(Qt::Key_Return);
                }).At("MAC address setting complete", [](QWidget&) { PressKey(Qt::Key_Return); });
            },
        .check = [](WindowHarness& h) { EXPECT_EQ(h.model.state.mac, "00 80 C2 12 34 FF"); },
    },
    {
        .name = "MacAddressUncorrectable",
        .openByMouse = [](WindowHarness& h) { ClickMenuItem(h.main(), "N16", "MAC1"); },
        .byMouse =
            [](Operator& op, WindowHarness&) {
              MaintenanceByMouse(op);
              op.At("MAC Address Setting",
                    [](QWidget& w) {
                      ClickAndType(w, "Ed_mac2", "zz");
                      ClickButton(w, "Button_ok");
                    })
                  .At("Setting Error", ClickBoxOk)
                  .At("MAC Address Setting", [](QWidget& w) { ClickButton(w, "Button_cancel"); });
            },
        .openByKeys =
            [](WindowHarness&) {
              Keys({{Qt::Key_M, kAlt}, {Qt::Key_M, kNone}});
            },
        .byKeys =
            [](Operator& op, WindowHarness&) {
              MaintenanceByKeys(op);
              op.At("MAC Address Setting",
                    [](QWidget&) {
                      PressKey(Qt::Key_Tab);
                      PressKey(Qt::Key_A, Qt::ControlModifier);
                      TypeText("zz");
                      PressKey(Qt::Key_S, kAlt);
                    })
                  .At("Setting Error", [](QWidget&) { PressKey(Qt::Key_Return); })
                  .At("MAC Address Setting", [](QWidget&) { PressKey(Qt::Key_Escape); });
            },
        .check =
            [](WindowHarness& h) {
              EXPECT_EQ(h.model.state.mac, "00 80 C2 12 34 56");
              EXPECT_FALSE(h.program->macSet().isVisible());
            },
    },
    {
        .name = "FirmwareUpgrade",
        .openByMouse = [](WindowHarness& h) { ClickMenuItem(h.main(), "N16", "FW1"); },
        .byMouse =
            [](Operator& op, WindowHarness&) {
              MaintenanceByMouse(op);
              op.At("Firmware Upgrade", [](QWidget& w) { ClickButton(w, "hexfile_open"); })
                  .At("Open",
                      [](QWidget& w) {
                        ChooseFileByMouse(w, QString::fromStdString(BuiltFixture("walk.hex")));
                      })
                  .At("Firmware Upgrade", [](QWidget& w) { ClickButton(w, "Button_ok"); })
                  .At("Firmware Upgrade", [](QWidget& w) {
                    EXPECT_EQ(w.findChild<QLabel*>("Lb_update")->text(),
                              "Firmware Upgrade:Restoration was completed.");
                    ClickButton(w, "Button2");
                  });
            },
        .openByKeys =
            [](WindowHarness&) {
              Keys({{Qt::Key_M, kAlt}, {Qt::Key_F, kNone}});
            },
        .byKeys =
            [](Operator& op, WindowHarness&) {
              MaintenanceByKeys(op);
              op.At("Firmware Upgrade", [](QWidget&) { PressKey(Qt::Key_O, kAlt); })
                  .At("Open",
                      [](QWidget&) {
                        ChooseFileByKeys(QString::fromStdString(BuiltFixture("walk.hex")));
                      })
                  .At("Firmware Upgrade", [](QWidget&) { PressKey(Qt::Key_U, kAlt); })
                  .At("Firmware Upgrade", [](QWidget&) { PressKey(Qt::Key_C, kAlt); });
            },
        .check =
            [](WindowHarness& h) {
              EXPECT_EQ(h.model.loader.image, ImageOfHexFile(BuiltFixture("walk.hex")));
              EXPECT_FALSE(h.program->fwUpdate().isVisible());
              EXPECT_EQ(h.main().StatusText(), "Connected");
            },
    },
    {
        .name = "SaveConfigurationFile",
        .openByMouse = [](WindowHarness& h) { ClickMenuItem(h.main(), "N1", "N21"); },
        .byMouse =
            [](Operator& op, WindowHarness& h) {
              op.At("Save As", [&h](QWidget& w) {
                ChooseFileByMouse(w, QString::fromStdString((h.dir / "site").string()));
              });
            },
        .openByKeys =
            [](WindowHarness&) {
              Keys({{Qt::Key_F, kAlt}, {Qt::Key_S, kNone}});
            },
        .byKeys =
            [](Operator& op, WindowHarness& h) {
              op.At("Save As", [&h](QWidget&) {
                ChooseFileByKeys(QString::fromStdString((h.dir / "site").string()));
              });
            },
        .check = [](WindowHarness& h) { EXPECT_EQ(ReadFile(h.dir / "site.txt").size(), 80u); },
    },
    {
        .name = "SaveOverAFileReplacesItOnYes",
        .before = [](WindowHarness& h) { WriteFile(h.dir / "site.txt", "keep"); },
        .openByMouse = [](WindowHarness& h) { ClickMenuItem(h.main(), "N1", "N21"); },
        .byMouse =
            [](Operator& op, WindowHarness& h) {
              op.At("Save As", [&h](QWidget& w) {
                  // The extension rule names site.txt for site.conf.
                  ChooseFileByMouse(w, QString::fromStdString((h.dir / "site.conf").string()));
                }).At("Confirm Save As", [&h](QWidget& w) {
                auto* box = qobject_cast<QMessageBox*>(&w);
                ASSERT_NE(box, nullptr);
                EXPECT_TRUE(box->text().startsWith(
                    QString::fromStdString((h.dir / "site.txt").string() + " already exists.")));
                ClickOn(box->button(QMessageBox::Yes));
              });
            },
        .openByKeys =
            [](WindowHarness&) {
              Keys({{Qt::Key_F, kAlt}, {Qt::Key_S, kNone}});
            },
        .byKeys =
            [](Operator& op, WindowHarness& h) {
              op.At("Save As", [&h](QWidget&) {
                  ChooseFileByKeys(QString::fromStdString((h.dir / "site.conf").string()));
                }).At("Confirm Save As", [](QWidget&) { PressKey(Qt::Key_Y, kAlt); });
            },
        .check = [](WindowHarness& h) { EXPECT_EQ(ReadFile(h.dir / "site.txt").size(), 80u); },
    },
    {
        .name = "SaveOverAFileKeepsItOnNo",
        .before = [](WindowHarness& h) { WriteFile(h.dir / "site.txt", "keep"); },
        .openByMouse = [](WindowHarness& h) { ClickMenuItem(h.main(), "N1", "N21"); },
        .byMouse =
            [](Operator& op, WindowHarness& h) {
              op.At("Save As", [&h](QWidget& w) {
                  ChooseFileByMouse(w, QString::fromStdString((h.dir / "site").string()));
                }).At("Confirm Save As", [](QWidget& w) {
                ClickOn(qobject_cast<QMessageBox*>(&w)->button(QMessageBox::No));
              });
            },
        .openByKeys =
            [](WindowHarness&) {
              Keys({{Qt::Key_F, kAlt}, {Qt::Key_S, kNone}});
            },
        .byKeys =
            [](Operator& op, WindowHarness& h) {
              op.At("Save As", [&h](QWidget&) {
                  ChooseFileByKeys(QString::fromStdString((h.dir / "site").string()));
                }).At("Confirm Save As", [](QWidget&) { PressKey(Qt::Key_Return); });
            },
        .check = [](WindowHarness& h) { EXPECT_EQ(ReadFile(h.dir / "site.txt"), "keep"); },
    },
    {
        .name = "OpenMissingConfigurationFile",
        .openByMouse = [](WindowHarness& h) { ClickMenuItem(h.main(), "N1", "N20"); },
        .byMouse =
            [](Operator& op, WindowHarness& h) {
              op.At("Open", [&h](QWidget& w) {
                  ChooseFileByMouse(w, QString::fromStdString((h.dir / "none.txt").string()));
                }).At("File Open Error", ClickBoxOk);
            },
        .openByKeys =
            [](WindowHarness&) {
              Keys({{Qt::Key_F, kAlt}, {Qt::Key_O, kNone}});
            },
        .byKeys =
            [](Operator& op, WindowHarness& h) {
              op.At("Open", [&h](QWidget&) {
                  ChooseFileByKeys(QString::fromStdString((h.dir / "none.txt").string()));
                }).At("File Open Error", [](QWidget&) { PressKey(Qt::Key_Escape); });
            },
        .check = [](WindowHarness& h) { EXPECT_EQ(h.main().StatusText(), "Connected"); },
    },
    {
        .name = "ReLogin",
        .ready =
            [](WindowHarness& h) {
              h.model.state.userPassword = "pw";
              ClickToolButton(h.main(), 2);
            },
        .openByMouse = [](WindowHarness& h) { ClickToolButton(h.main(), 1); },
        .byMouse =
            [](Operator& op, WindowHarness&) {
              op.At("Enter Password", [](QWidget& w) {
                  ClickAndType(w, "Ed_pass2", "bad");
                  ClickButton(w, "Button_ok");
                }).At("Enter Password", [](QWidget& w) {
                EXPECT_EQ(w.findChild<QLabel*>("Label1")->text(), "Password is incorrect.");
                ClickAndType(w, "Ed_pass2", "pw");
                ClickButton(w, "Button_ok");
              });
            },
        .openByKeys =
            [](WindowHarness&) {
              Keys({{Qt::Key_C, kAlt}, {Qt::Key_C, kNone}});
            },
        .byKeys =
            [](Operator& op, WindowHarness&) {
              op.At("Enter Password", [](QWidget&) {
                  TypeText("bad");
                  PressKey(Qt::Key_Return);
                }).At("Enter Password", [](QWidget&) {
                TypeText("pw");
                PressKey(Qt::Key_Return);
              });
            },
        .check =
            [](WindowHarness& h) {
              EXPECT_EQ(h.main().StatusText(), "Connected");
              EXPECT_EQ(h.core().access.LoginPassword, "pw");
            },
    },
    {
        .name = "PortSettingNotObtainedOnRefresh",
        .ready = [](WindowHarness& h) { h.model.state.portErrors = "77777777"; },
        .openByMouse = [](WindowHarness& h) { ClickToolButton(h.main(), 4); },
        .byMouse =
            [](Operator& op, WindowHarness&) {
              op.At("Port Configuration acquisition Error", ClickBoxOk);
            },
        .openByKeys =
            [](WindowHarness&) {
              Keys({{Qt::Key_V, kAlt}, {Qt::Key_R, kNone}});
            },
        .byKeys =
            [](Operator& op, WindowHarness&) {
              op.At("Port Configuration acquisition Error",
                    [](QWidget&) { PressKey(Qt::Key_Escape); });
            },
        .check = [](WindowHarness& h) { EXPECT_EQ(h.Text("Lb_link1"), "Communication Error"); },
    },
    {
        .name = "ResetThatFails",
        .ready = [](WindowHarness& h) { h.port.names.clear(); },  // the port is gone meanwhile
        .openByMouse = [](WindowHarness& h) { ClickToolButton(h.main(), 5); },
        .byMouse = [](Operator& op, WindowHarness&) { op.At("Reset failure", ClickBoxOk); },
        .openByKeys =
            [](WindowHarness&) {
              Keys({{Qt::Key_S, kAlt}, {Qt::Key_E, kNone}});
            },
        .byKeys =
            [](Operator& op, WindowHarness&) {
              op.At("Reset failure", [](QWidget&) { PressKey(Qt::Key_Return); });
            },
        // The refresh that follows the reset finds no port either.
        .check =
            [](WindowHarness& h) { EXPECT_EQ(h.main().StatusText(), "Communication failure"); },
    },
};

enum class Hands { kMouse, kKeyboard };

class DialogsByHandTest : public testing::TestWithParam<std::tuple<HandCase, Hands>> {};

TEST_P(DialogsByHandTest, OpenOperateAndClose) {
  const auto& [c, hands] = GetParam();
  WindowHarness h;
  h.realBoxes = true;
  c.before(h);
  h.Start();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&h.main()));
  c.ready(h);
  h.Settle();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&h.main()));
  {
    Operator op([&h](QWidget* window) { return h.program->AwaitsOperator(window); });
    if (hands == Hands::kMouse) {
      c.byMouse(op, h);
      c.openByMouse(h);
    } else {
      c.byKeys(op, h);
      c.openByKeys(h);
    }
    h.Settle();
    EXPECT_TRUE(op.Done()) << op.Report();
  }
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  c.check(h);
  EXPECT_FALSE(h.program->Busy());
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogsByHandTest,
                         testing::Combine(testing::ValuesIn(kCases),
                                          testing::Values(Hands::kMouse, Hands::kKeyboard)),
                         [](const testing::TestParamInfo<DialogsByHandTest::ParamType>& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) == Hands::kMouse ? "ByMouse"
                                                                            : "ByKeyboard");
                         });

}  // namespace
}  // namespace taviron::test
