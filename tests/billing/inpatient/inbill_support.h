#pragma once
// The in-patient bill form on a database with two doctors and four in-patients, and the few
// steps a user takes on it.
#include <QApplication>
#include <QStringList>
#include <ostream>

#include "billing/inpatient/frmInBill.h"
#include "globals.h"
#include "support/fixture.h"
#include "support/input.h"

class InBillTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    exec(QStringLiteral(
        "INSERT INTO SettingDrDetails(DoctorID) VALUES ('Dr.Zerdan , M.B.B.S'), ('Dr.Amal');"
        "INSERT INTO SettingsInPatient(EmployeeID, FirstName, Sex, Age, Address, Location, Discharged, Advance)"
        " VALUES ('IP10', 'Ravi', 'Male', '40', '12 Hill Road', 'Brackwell', 'No', NULL),"
        "        ('IP11', 'Meena', 'Female', '33', '4 Lake Street', 'Kelvany', 'No', 500),"
        "        ('IP12', 'Arun', 'Male', '61', '7 Mill Lane', 'Tarn', 'No', 300),"
        "        ('IP13', 'Sita', 'Female', '25', '1 Quay', 'Orm', 'No', 1500);"));
    gCon = openDb();
  }

  template <class F = frmInBill>
  F* open() {
    F* f = LoadForm<F>();
    if (f) {
      f->Show();
      QApplication::setActiveWindow(f->FormWindow());
    }
    return f;
  }

  // Types the identifier into the chooser and chooses it with Enter.
  static void choosePatient(frmInBill* f, const QString& id) { TypeKeys(f->cmbPatientName, id + "\r"); }

  // The rows the list shows, one "serial|particulars|amount" text each.
  static QStringList listRows(const frmInBill* f) {
    QStringList out;
    for (int i = 0; i < f->List.topLevelItemCount(); ++i) {
      const QTreeWidgetItem* it = f->List.topLevelItem(i);
      out << it->text(0) + QLatin1Char('|') + it->text(1) + QLatin1Char('|') + it->text(2);
    }
    return out;
  }

  // Print answered Yes, with the save's message after it.
  void printAndSave(frmInBill* f) {
    boxes().expect(QStringLiteral("Do you wish to Print this Bill"), QStringLiteral("Print"), vbYesNo, vbYes);
    boxes().expect(QStringLiteral("Bill Printed and Saved Successfully"), QStringLiteral("Print Info"),
                   vbInformation);
    Click(f->Picture2);
  }

  // The columns of the first row of a query, "<null>" for no value; empty with no row.
  QStringList rowOf(const QString& sql) const {
    Recordset rs;
    rs.Open(sql, openDb());
    QStringList out;
    if (rs.RecordCount() == 0) return out;
    for (int i = 0; i < rs.FieldCount(); ++i)
      out << (rs.Fields(i).IsNull() ? QStringLiteral("<null>") : rs.Fields(i).toText());
    return out;
  }
  int billCount() const { return scalar(QStringLiteral("SELECT count(*) FROM InPatientPrintDetails")).toInt(); }
  QString advanceOf(const QString& id) const {
    const QStringList r = rowOf(QStringLiteral("SELECT Advance FROM SettingsInPatient WHERE EmployeeID='%1'").arg(id));
    return r.isEmpty() ? QString() : r[0];
  }
};
