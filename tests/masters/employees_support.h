#pragma once
// The employee register over a table the test fills, worked as the user works it: typing into
// the boxes, picking the birth date, clicking the image buttons, answering the questions.
#include <QTest>

#include "framework/mainmenus.h"
#include "globals.h"
#include "masters/frmAddEmployeeDetail.h"
#include "platform/system.h"
#include "platform/vbruntime.h"
#include "support/fixture.h"
#include "support/record_bar.h"
#include "support/input.h"

class EmployeesTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    gCon = openDb();
    RecordMainMenus(menus);
  }

  // A stored employee; values are SQL literals in column order (NULL allowed).
  void addRow(const QStringList& literals) {
    exec(QStringLiteral("INSERT INTO SettingsEmployeeDetails VALUES (%1)").arg(literals.join(',')));
  }
  void addEmployee(const QString& id, const QString& first, const QString& dob = QStringLiteral("05/12/1980"),
                   const QString& mobile = QStringLiteral("98765")) {
    addRow({q(id), q(first), q("K"), q("Male"), q(mobile), q("Not Available"), q(dob), q(" 46 Years,  0 Months,  5 Days"),
            q("Not Available"), q("12 Lake Road"), q("Not Available"), q("Nurse"), q("B.Sc")});
  }
  static QString q(const QString& s) { return '\'' + QString(s).replace('\'', "''") + '\''; }

  frmAddEmployeeDetail* open() {
    form = ShowForm<frmAddEmployeeDetail>();
    if (form) {
      form->FormWindow()->activateWindow();
      (void)QTest::qWaitForWindowActive(form->FormWindow());
    }
    return form;
  }

  // The user picks a birth date (the picker's change runs).
  void pick(const QDate& date) { form->DTPicker1.setDate(date); }

  // Every input filled as a complete employee, born 25 November 1980.
  void fillAll(const QString& id = QStringLiteral("101")) {
    TypeOver(form->txtEmployeeID, id);
    TypeOver(form->txtFirstName, "Asha");
    TypeOver(form->txtLastName, "R");
    TypeOver(form->cmbSex, "Fe");
    TypeOver(form->txtMobilePhone, "9000");
    TypeOver(form->txtHomePhone, "4000");
    pick(QDate(1980, 11, 25));
    TypeOver(form->txtPagerNumber, "77");
    TypeOver(form->txtAddress, "3 Hill Street");
    TypeOver(form->txtEmailId, "asha@example.org");
    TypeOver(form->txtEmployeeType, "Nurse");
    TypeOver(form->txtQualification, "B.Sc");
  }

  std::string mode() const { return RecordBarMode(form); }
  QString focused() const {
    QWidget* f = form->focusWidget();
    while (f && f->parentWidget() != form) f = f->parentWidget();  // the picker's and combo's inner boxes
    return f ? f->objectName() : QString();
  }

  int rowCount() const { return scalar("SELECT COUNT(*) FROM SettingsEmployeeDetails").toInt(); }
  // One stored row, its thirteen columns joined with "|".
  QString row(const QString& where) const {
    return scalar("SELECT EmployeeID||'|'||FirstName||'|'||LastName||'|'||Sex||'|'||MobilePhone||'|'||HomePhone||'|'||"
                  "DateOfBirth||'|'||Age||'|'||PagerNumber||'|'||Address||'|'||EmailId||'|'||EmployeeType||'|'||"
                  "Qualification FROM SettingsEmployeeDetails WHERE " +
                  where);
  }

  frmAddEmployeeDetail* form = nullptr;
  QStringList menus;
};
