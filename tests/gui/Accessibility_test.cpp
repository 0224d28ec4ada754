// What a screen reader is told of each input and value, read through Qt's accessibility
// interface.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <map>

#include "gui/access/Pass_in.h"
#include "gui/access/Pass_in2.h"
#include "gui/access/Pass_set.h"
#include "gui/access/Super_pass_in.h"
#include "gui/config/Mac_set.h"
#include "gui/config/Port_set.h"
#include "gui/config/Serial_set.h"
#include "gui/firmware/Fw_update.h"
#include "tests/gui/OperatorHands.h"
#include "tests/gui/WindowHarness.h"

namespace taviron::test {
namespace {

QString Said(QObject* object, QAccessible::Text what = QAccessible::Name) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
  return face == nullptr ? QString("<none>") : face->text(what);
}

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

TEST(AccessibilityTest, APortListIsAnnouncedByItsPortAndTellsItsItemAsItsValue) {
  WindowHarness h;
  h.Start();
  QComboBox* list = h.program->portSet().List(3);
  list->setCurrentIndex(4);
  EXPECT_EQ(Said(list), "Port #3 speed and duplex");
  EXPECT_EQ(Said(list, QAccessible::Value), "Auto");
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(list);
  EXPECT_EQ(face->role(), QAccessible::ComboBox);
  ASSERT_EQ(face->childCount(), 1);  // the list of items, as a screen reader browses it
  EXPECT_EQ(face->child(0)->object(), static_cast<QObject*>(list->view()));
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

}  // namespace
}  // namespace taviron::test
