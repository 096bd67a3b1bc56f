#pragma once
// The laboratory and x-ray forms on a database with two doctors, a small price list of each
// kind, two in-patients and three out-patients (one of them sharing an in-patient's
// identifier), and the steps a user takes on them.
#include <QApplication>
#include <QStringList>
#include <ostream>

#include "billing/labxray/testbillform.h"
#include "billing/labxray/testcancelform.h"
#include "billing/labxray/testreportforms.h"
#include "globals.h"
#include "platform/system.h"
#include "support/fixture.h"
#include "support/input.h"

class LabXRayTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    exec(QStringLiteral(
        "INSERT INTO SettingDrDetails(DoctorID) VALUES ('Dr.Zerdan , M.B.B.S'), ('Dr.Amal');"
        "INSERT INTO SettingsLab(Description, Amount) VALUES ('CBC', '150'), ('Lipid Profile', '152.50'),"
        "  ('Sugar', '5'), ('Urine', '0');"
        "INSERT INTO SettingsXRay(Description, AdultAmount, ChildrenAmount) VALUES ('Chest', '400', '250'),"
        "  ('Hand', '300', '180');"
        "INSERT INTO SettingsInPatient(EmployeeID, FirstName, Sex, Age, Address, Location, Discharged)"
        " VALUES ('IP10', 'Ravi', 'Male', '8', '12 Hill Road', 'Brackwell', 'No'),"
        "        ('OP20', 'Inez', 'Female', '50', '3 Ward Row', 'Orm', 'No');"
        "INSERT INTO SettingsOutPatient(EmployeeID, FirstName, Sex, Age, Address, Location)"
        " VALUES ('OP20', 'Other', 'Male', '5', 'x', 'y'),"
        "        ('OP21', 'Tara', 'Female', '7', '9 Low Street', 'Tarn'),"
        "        ('OP22', 'Noor', 'Male', 'ten', '2 Bay', 'Kelvany');"));
    gCon = openDb();
  }

  template <class F>
  F* open() {
    F* f = LoadForm<F>();
    if (f) {
      f->Show();
      QApplication::setActiveWindow(f->FormWindow());
    }
    return f;
  }

  // The bill form with a patient, a doctor and these tests added.
  static void addTests(TestBillForm* f, const QStringList& tests) {
    for (const QString& t : tests) {
      f->cmbDescription.setFocus();
      TypeKeys(f->cmbDescription, t);
      Click(f->Picture1);
      f->cmbDescription.setEditText(QString());
    }
  }

  static QStringList rowsOf(const QTreeWidget* list) {
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      const QTreeWidgetItem* it = list->topLevelItem(i);
      QStringList cells;
      for (int c = 0; c < list->columnCount(); ++c) cells << it->text(c);
      out << cells.join(QLatin1Char('|'));
    }
    return out;
  }

  void expectPrintAndSave() {
    boxes().expect(QStringLiteral("Do you wish to Print this Bill"), QStringLiteral("Print"), vbYesNo, vbYes);
    boxes().expect(QStringLiteral("Bill Printed and Saved Successfully"), QStringLiteral("Print Info"),
                   vbInformation);
  }

  // Every row of a query, its columns joined by "|".
  QStringList rows(const QString& sql) const {
    Recordset rs;
    rs.Open(sql, openDb());
    QStringList out;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
      QStringList cells;
      for (int i = 0; i < rs.FieldCount(); ++i) cells << rs.Fields(i).toText();
      out << cells.join(QLatin1Char('|'));
    }
    return out;
  }

  // A stored bill line: number, ISO date, description, amount, discount, gross, net, name, id,
  // status.
  void insertLine(const char* table, int billNo, const char* isoDate, const char* description, const char* amount,
                  const char* total, const char* name, const char* id, const char* status = "Available") const {
    exec(QStringLiteral("INSERT INTO %1 VALUES (%2, '%3', '%4', '%5', '0', '%6', '%6', '%7', '%8', '%9')")
             .arg(QString::fromLatin1(table))
             .arg(billNo)
             .arg(QString::fromLatin1(isoDate), QString::fromLatin1(description), QString::fromLatin1(amount),
                  QString::fromLatin1(total), QString::fromLatin1(name), QString::fromLatin1(id),
                  QString::fromLatin1(status)));
  }
};
