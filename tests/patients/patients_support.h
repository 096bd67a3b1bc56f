#pragma once
// The patient forms over tables the test fills, worked as the front desk works them: typing into
// the boxes, clicking the image buttons, pressing the CTRL keys.
#include <QStringList>
#include <QTest>

#include "framework/mainmenus.h"
#include "globals.h"
#include "patients/patientlists.h"
#include "patients/patientrecord.h"
#include "patients/patientsearch.h"
#include "patients/patient_boxes.h"
#include "support/fixture.h"
#include "support/record_bar.h"
#include "support/input.h"

class PatientsTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    gCon = openDb();
    RecordMainMenus(menus);
  }

  // A patient row as a form would have stored it; "" columns stay NULL.
  void addPatient(const QString& table, const QString& id, const QString& name, const QString& age = "30",
                  const QString& sex = "Male", const QString& phone = "5551234", const QString& address = "1 Hill Rd",
                  const QString& location = "Eastgate") {
    auto q = [](const QString& v) {
      return v.isEmpty() ? QStringLiteral("NULL") : "'" + QString(v).replace("'", "''") + "'";
    };
    exec(QStringLiteral("INSERT INTO %1 (EmployeeID, FirstName, Sex, MobilePhone, Age, Address, Location) "
                        "VALUES (%2, %3, %4, %5, %6, %7, %8)")
             .arg(table, q(id), q(name), q(sex), q(phone), q(age), q(address), q(location)));
  }
  int rows(const QString& table) const { return scalar("SELECT COUNT(*) FROM " + table).toInt(); }
  QString ids(const QString& table) const {
    return scalar("SELECT group_concat(EmployeeID, ',') FROM (SELECT EmployeeID FROM " + table + " ORDER BY rowid)");
  }

  QStringList menus;  // "hide" / "show" as the forms ask the main window
};

// The record form, either kind.
struct PatientKind {
  const char* name;
  QString table;
  QString prefix;
  QString otherTable;
  PatientRecordForm* (*open)();
  bool (*listOpen)();       // the form's own list is loaded
  bool (*otherListOpen)();  // the other kind's list is loaded
};

inline void PrintTo(const PatientKind& kind, std::ostream* os) { *os << kind.name; }

inline PatientKind OutPatients() {
  return {"out", "SettingsOutPatient", "OP", "SettingsInPatient",
          [] { return static_cast<PatientRecordForm*>(ShowForm<frmAddOutPatient>()); },
          [] { return LoadedForm<frmViewOutPatientDetails>() != nullptr; },
          [] { return LoadedForm<frmViewInPatientDetails>() != nullptr; }};
}
inline PatientKind InPatients() {
  return {"in", "SettingsInPatient", "IP", "SettingsOutPatient",
          [] { return static_cast<PatientRecordForm*>(ShowForm<frmAddInPatient>()); },
          [] { return LoadedForm<frmViewInPatientDetails>() != nullptr; },
          [] { return LoadedForm<frmViewOutPatientDetails>() != nullptr; }};
}

class RecordFormTest : public PatientsTest, public ::testing::WithParamInterface<PatientKind> {
protected:
  PatientRecordForm* open() {
    form = GetParam().open();
    if (form) {
      form->FormWindow()->activateWindow();
      (void)QTest::qWaitForWindowActive(form->FormWindow());
    }
    return form;
  }
  const QString& table() const { return GetParam().table; }
  QString id(const QString& number) const { return GetParam().prefix + number; }
  void add(const QString& number, const QString& name) { addPatient(table(), id(number), name); }

  // The seven boxes filled as typed (the sex as chosen from its list).
  void fill(const QString& number, const QString& name, const QString& phone, const QString& age,
            const QString& sex, const QString& address, const QString& location) {
    TypePatientBoxes(*form, number, name, phone, age, sex, address, location);
  }
  void fillValid(const QString& number) {
    fill(number, "Ann", "5550001", "40", "Female", "2 Lake St", "Westfield");
  }
  void saveExpectingSuccess() {
    boxes().expect("Record Saved Successfully", "Update Info", vbExclamation);
    Click(form->Picture9);
  }

  std::string mode() const { return RecordBarMode(form); }
  QStringList idList() const {
    QStringList out;
    for (int i = 0; i < form->cmbPatientID.count(); ++i) out << form->cmbPatientID.itemText(i);
    return out;
  }
  // The seven boxes, "|"-joined.
  QString shown() const {
    return QStringList{form->cmbPatientID.currentText(), form->txtFirstName.text(), form->cmbSex.currentText(),
                       form->txtMobilePhone.text(),      form->txtAge.text(),       form->txtAddress.text(),
                       form->txtEmailId.text()}
        .join('|');
  }
  void ctrl(char key) { PressKey(form->txtFirstName, Qt::Key(key), Qt::ControlModifier); }

  PatientRecordForm* form = nullptr;
};
