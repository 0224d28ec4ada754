// What a screen reader is told of each input and value, read through Qt's accessibility
// interface.
#include <gtest/gtest.h>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

#include <algorithm>
#include <iterator>
#include <map>
#include <tuple>
#include <vector>

#include "gui/access/Pass_in.h"
#include "gui/access/Pass_in2.h"
#include "gui/access/Pass_set.h"
#include "gui/access/Super_pass_in.h"
#include "gui/common/QtUnspokenPasswords.h"
#include "gui/config/AboutBox.h"
#include "gui/config/Mac_set.h"
#include "gui/config/Port_set.h"
#include "gui/config/Serial_set.h"
#include "gui/firmware/Fw_update.h"
#include "tests/gui/OperatorHands.h"
#include "tests/gui/WindowHarness.h"
#include "views/AccessibleNames.h"

namespace taviron::test {
namespace {

QString Said(QObject* object, QAccessible::Text what = QAccessible::Name) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
  return face == nullptr ? QString("<none>") : face->text(what);
}

// What the windows tell a screen reader while it lives, as the bridge to the desktop's
// accessibility bus receives it from the program's handler: {event, object, text} for a list's
// or box's text going in and out, the item that takes the focus, and a notification read out
// wherever the focus is.
class Told {
 public:
  using Event = std::tuple<QAccessible::Event, QObject*, QString>;
  Told() {
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    SendAccessibilityUpdatesTo(&Record);
    current_ = this;
  }
  ~Told() {
    current_ = nullptr;
    SendAccessibilityUpdatesTo(nullptr);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
  }
  std::vector<Event> Of(const QObject* object) const {
    std::vector<Event> told;
    std::copy_if(events.begin(), events.end(), std::back_inserter(told),
                 [object](const Event& e) { return std::get<1>(e) == object; });
    return told;
  }
  std::vector<QString> Spoken() const {
    std::vector<QString> texts;
    for (const auto& [type, object, text] : events)
      if (type == QAccessible::ObjectShow) texts.push_back(text);
    return texts;
  }
  std::vector<Event> events;

 private:
  static void Record(QAccessibleEvent* e) {
    QAccessibleInterface* face = e->accessibleInterface();
    if (current_ == nullptr || face == nullptr) return;
    QString text = face->text(QAccessible::Name);
    if (e->type() == QAccessible::TextInserted) {
      text = static_cast<QAccessibleTextInsertEvent*>(e)->textInserted();
    } else if (e->type() == QAccessible::TextRemoved) {
      text = static_cast<QAccessibleTextRemoveEvent*>(e)->textRemoved();
    } else if (e->type() == QAccessible::ObjectShow) {
      // A notification without text says nothing.
      if (face->role() != QAccessible::Notification || text.isEmpty()) return;
    } else if (e->type() != QAccessible::Focus) {
      return;
    }
    current_->events.emplace_back(e->type(), e->object(), text);
  }
  static inline Told* current_ = nullptr;
};

TEST(AccessibilityTest, EveryEditBoxAndListSaysWhatItIs) {
  WindowHarness h;
  h.Start();
  const std::map<QString, QString> kNames{
      {"pass_in/Ed_pass", "Password"},
      {"pass_in2/Ed_pass2", "Password"},
      {"super_pass_in/Ed_pass", "Maintenance password"},
      {"pass_set/Ed_pass1", "New password"},
      {"pass_set/Ed_pass2", "New password again"},
      {"serial_set/ComboBox1", "COM Port"},
      {"serial_set/Cmb_device", "Device of the COM port"},
      {"fw_update/Ed_file", "Firmware file"},
  };
  QWidget* windows[] = {&h.program->passIn(),  &h.program->passIn2(),   &h.program->superPassIn(),
                        &h.program->passSet(), &h.program->serialSet(), &h.program->fwUpdate(),
                        &h.program->portSet(), &h.program->macSet()};
  int inputs = 0;
  for (QWidget* window : windows) {
    QList<QWidget*> fields;
    for (QLineEdit* e : window->findChildren<QLineEdit*>())
      fields << e;
    for (QComboBox* c : window->findChildren<QComboBox*>())
      fields << c;
    for (QWidget* field : fields) {
      ++inputs;
      QString key = window->objectName() + "/" + field->objectName();
      QString expected;
      if (auto it = kNames.find(key); it != kNames.end()) {
        expected = it->second;
      } else if (field->objectName().startsWith("Cmb_port")) {
        expected = QString("Port #%1 speed and duplex").arg(field->objectName().mid(8));
      } else if (field->objectName().startsWith("Ed_mac")) {
        expected = QString("MAC address, pair %1 of 6").arg(field->objectName().mid(6));
      }
      EXPECT_FALSE(expected.isEmpty()) << "no name foreseen for " << key.toStdString();
      EXPECT_EQ(Said(field), expected) << key.toStdString();
    }
  }
  EXPECT_EQ(inputs, 8 + 8 + 6);
}

TEST(AccessibilityTest, EveryListIsReadAsItsNameAndItsItemAndTellsEachChange) {
  WindowHarness h;
  h.Start();
  h.core().session.deviceRoots = {h.dir / "sys", h.dir / "dev"};  // none: one item
  h.program->serialSet().FormShow();
  std::vector<std::pair<QComboBox*, std::string>> lists;
  for (int port = 1; port <= 8; ++port)
    lists.emplace_back(h.program->portSet().List(port), PortListName(port));
  lists.emplace_back(h.program->serialSet().list(), kComPortListName);
  lists.emplace_back(h.program->serialSet().deviceList(), kComDeviceListName);
  Told told;
  for (const auto& [list, name] : lists) {
    SCOPED_TRACE(name);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(list);
    ASSERT_NE(face->textInterface(), nullptr);
    list->setCurrentIndex(0);
    const QString first = list->itemText(0), second = list->itemText(1);
    EXPECT_EQ(face->role(), QAccessible::ComboBox);
    EXPECT_EQ(face->text(QAccessible::Name).toStdString(), name);
    EXPECT_EQ(face->text(QAccessible::Value), first);
    EXPECT_EQ(face->textInterface()->text(0, -1), first);
    if (list->count() < 2) continue;
    // Down chooses the next item: the list reads it now and tells it, the old item giving way;
    // in the list it opens it is the selected item.
    told.events.clear();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(face->textInterface()->text(0, face->textInterface()->characterCount()), second);
    EXPECT_EQ(told.Of(list), (std::vector<Told::Event>{{QAccessible::TextInserted, list, second},
                                                       {QAccessible::TextRemoved, list, first}}));
    EXPECT_TRUE(face->child(0)->child(1)->state().selected);
    EXPECT_FALSE(face->child(0)->child(0)->state().selected);
    // Opened, it tells last the item that has its focus.
    told.events.clear();
    list->showPopup();
    h.Settle();
    ASSERT_FALSE(told.Of(list->view()).empty());
    EXPECT_EQ(told.Of(list->view()).back(), Told::Event(QAccessible::Focus, list->view(), second));
    list->hidePopup();
  }
}

TEST(AccessibilityTest, EmptyValuesOfTheMainWindowAreNotReadAsTheirGroupsTitle) {
  WindowHarness h;
  h.model.state.portModes = "55555555";
  h.Start();
  int values = 0;
  for (QLabel* label : h.main().findChildren<QLabel*>()) {
    const QString name = label->objectName();
    if (!name.startsWith("Lb_") || name == "Lb_") continue;
    ++values;
    // Auto has no duplex, and no firmware error shows: those labels are empty now.
    EXPECT_EQ(Said(label), label->text()) << name.toStdString();
    EXPECT_FALSE(Said(label, QAccessible::Description).isEmpty()) << name.toStdString();
  }
  EXPECT_EQ(values, 6 + 16);
  EXPECT_EQ(Said(h.main().findChild<QLabel*>("Lb_dup3")), "");
  EXPECT_EQ(Said(h.main().findChild<QLabel*>("Lb_dup3"), QAccessible::Description),
            "Port #3 duplex");
  EXPECT_EQ(Said(h.main().findChild<QLabel*>("Lb_link3")), "Auto");
}

TEST(AccessibilityTest, TheToolbarTheUploadProgressAndTheAboutPictureSayWhatTheyAre) {
  WindowHarness h;
  h.Start();
  const std::tuple<QObject*, std::string_view, QAccessible::Role> kCases[] = {
      {h.main().findChild<QToolBar*>("ToolBar1"), kToolbarName, QAccessible::ToolBar},
      {h.program->fwUpdate().findChild<QProgressBar*>(), kUploadProgressName,
       QAccessible::ProgressBar},
      {h.program->aboutBox().findChild<QLabel*>("ProgramIcon"), kProgramPictureName,
       QAccessible::Graphic},
  };
  for (const auto& [object, name, role] : kCases) {
    EXPECT_EQ(Said(object).toStdString(), name);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(object)->role(), role) << name;
  }
}

// Read out when they change, wherever the focus is.
TEST(AccessibilityTest, TheLinkStateAndEveryRefusedPasswordAreReadOut) {
  WindowHarness h;
  h.model.state.userPassword = "pw";
  h.Start();
  Told told;
  for (const char* typed : {"bad", "worse", "pw"}) {
    QTest::keyClicks(h.program->passIn().entry(), typed);
    QTest::keyClick(h.program->passIn().entry(), Qt::Key_Return);
    h.Settle();
  }
  h.Trigger(h.main().ToolButton(2));  // Disconnect
  h.Trigger(h.main().ToolButton(1));  // Connect
  h.Trigger(h.main().ToolButton(4));  // Refresh: still connected, nothing new
  h.Then([&h] {
    auto& gate = h.program->superPassIn();
    for (const char* typed : {"bad", "worse"}) {
      QTest::keyClicks(gate.findChild<QLineEdit*>("Ed_pass"), typed);
      QTest::keyClick(gate.findChild<QLineEdit*>("Ed_pass"), Qt::Key_Return);
    }
    gate.reject();
  });
  h.Trigger(h.main().MenuItem("N23"));
  EXPECT_EQ(told.Spoken(),
            (std::vector<QString>{"Please retype the password.", "Please retype the password.",
                                  "Connected", "Disconnect", "Connected",
                                  "Please retype maintenance password.",
                                  "Please retype maintenance password."}));
  // The password boxes' text went in and out counted, never as the characters typed.
  int boxChanges = 0;
  for (const auto& [type, object, text] : told.events) {
    if (qobject_cast<QLineEdit*>(object) == nullptr) continue;
    ++boxChanges;
    EXPECT_EQ(text, QString(text.size(), QLatin1Char('*')));
  }
  EXPECT_GT(boxChanges, 0);
}

}  // namespace
}  // namespace taviron::test
