#pragma once
// The out-patient bill form on a database with two doctors and three out-patients, and the few
// user actions the tests repeat.
#include <QApplication>

#include "billing/outpatient/frmBill.h"
#include "globals.h"
#include "support/fixture.h"
#include "support/input.h"

class BillFormTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    exec("INSERT INTO SettingDrDetails (DoctorID) VALUES ('Dr Meera'), ('Dr Anand')");
    // Listed by first name: OP12 (ABC), OP3 (Beena), OP7 (Chitra, stored with a trailing blank).
    exec("INSERT INTO SettingsOutPatient (EmployeeID, FirstName, Sex, Age, Address, Location) VALUES "
         "('OP3', 'Beena', 'Female', '41', 'Rose Villa', 'Pala'), "
         "('OP12', 'ABC', 'Male', '36', '12 Hill Road', 'Kottayam'), "
         "('OP7 ', 'Chitra', 'Female', '8', 'Lake View', 'Vaikom')");
  }
  void TearDown() override {
    form = nullptr;
    HalvionTest::TearDown();
  }

  // Loads and shows the form; nullptr when its load closed it.
  frmBill* open() {
    gCon = openDb();
    form = ShowForm<frmBill>();
    if (form) {
      form->activateWindow();
      QApplication::setActiveWindow(form);
    }
    return form;
  }

  // Puts an identifier into the chooser and chooses it with Enter.
  void choose(const QString& id) {
    form->cmbPatientName.setFocus();
    form->cmbPatientName.setEditText(id);
    PressKey(form->cmbPatientName, Qt::Key_Return);
  }
  void fees(const QString& drFees, const QString& dressing, const QString& ecg, const QString& scan) {
    const QString texts[] = {drFees, dressing, ecg, scan};
    const int boxes[] = {0, 1, 4, 5};
    for (int i = 0; i < 4; ++i) {
      form->Text1[std::size_t(boxes[i])].clear();
      TypeKeys(form->Text1[std::size_t(boxes[i])], texts[i]);
    }
  }
  void freeText(const QString& description, const QString& amount, bool tick = true) {
    TypeKeys(form->Text2, description);
    TypeKeys(form->Text1[6], amount);
    form->CheckBox2.setChecked(tick);
  }
  // "01 Dr Fees 100.00" for each row of the list.
  QStringList listed() const {
    QStringList out;
    for (int i = 0; i < form->List.topLevelItemCount(); ++i) {
      const QTreeWidgetItem* item = form->List.topLevelItem(i);
      out << item->text(0) + ' ' + item->text(1) + ' ' + item->text(2);
    }
    return out;
  }
  // A bill for OP12 with Dr Fees 100 and ECG 50, listed.
  void makeBill() {
    choose("OP12");
    form->cmbDrName.setEditText("Dr Meera");
    fees("100", "", "50", "");
    Click(form->Picture1);
  }
  // Answers the print question with Yes and expects the success message.
  void printAndSave() {
    boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
    boxes().expect("Bill Printed and Saved Successfully", "Print Info", vbInformation);
    Click(form->Picture2);
  }
  int billRows() const { return scalar("SELECT count(*) FROM OutPatientPrintDetails").toInt(); }

  frmBill* form = nullptr;
};
