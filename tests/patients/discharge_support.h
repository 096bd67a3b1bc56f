#pragma once
// The discharge and consultant fee forms over tables the test fills, worked as the front desk
// works them: typing into the boxes, choosing list entries, clicking the image buttons.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTest>
#include <ostream>

#include "framework/imagebutton.h"
#include "framework/mainmenus.h"
#include "globals.h"
#include "platform/flashmovie.h"
#include "support/fixture.h"
#include "support/input.h"

class FormsTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    gCon = openDb();
    RecordMainMenus(menus);
  }

  // SQL text of a value for test set-up: NULL for nullptr.
  static QString q(const char* v) {
    return v ? "'" + QString::fromUtf8(v).replace("'", "''") + "'" : QStringLiteral("NULL");
  }
  // An in-patient row as the record form stores it.
  void addInPatient(const char* id, const char* name, const char* discharged = "No") {
    exec(QStringLiteral("INSERT INTO SettingsInPatient (EmployeeID, FirstName, Discharged) VALUES (%1, %2, %3)")
             .arg(q(id), q(name), q(discharged)));
  }
  void addOutPatient(const char* id, const char* name = "Walk In") {
    exec(QStringLiteral("INSERT INTO SettingsOutPatient (EmployeeID, FirstName) VALUES (%1, %2)").arg(q(id), q(name)));
  }
  void addDoctor(const char* shownName) {
    exec(QStringLiteral("INSERT INTO SettingDrDetails (DoctorID) VALUES (%1)").arg(q(shownName)));
  }
  int rows(const QString& table) const { return scalar("SELECT COUNT(*) FROM " + table).toInt(); }
  static QStringList items(const QComboBox& combo) {
    QStringList out;
    for (int i = 0; i < combo.count(); ++i) out << combo.itemText(i);
    return out;
  }

  QStringList menus;  // "hide" / "show" as the forms ask the main window
};
