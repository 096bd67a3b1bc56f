#pragma once
// The laboratory and x-ray bill forms (frmLabBillReport, frmXRayBillReport: entry forms despite
// their names). The user picks a patient, a doctor and the date, adds test lines priced from the
// price list (an x-ray test at the adults' or the children's price by the age of the patient
// chosen when the test is chosen), sets a discount percent and prints the bill on the
// stationery. The first print stores the bill under the number that is next at that moment
// (the one shown, unless another program took it meanwhile); from then on the bill is locked
// until New bill.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <memory>

#include "billing/common/billchrome.h"
#include "billing/common/billsheet.h"
#include "billing/labxray/testbillkind.h"
#include "billing/common/patientchooser.h"
#include "data/bills.h"
#include "framework/imagebutton.h"
#include "framework/menuform.h"
#include "platform/ado.h"

class TestBillForm : public MenuForm {
  Q_OBJECT
public:
  ~TestBillForm() override;

  TestBillKind Kind() const { return kind_; }

  QLabel Label3{this};               // hover aid, hidden
  QComboBox cmbPatientName{this};    // the patient's identifier
  QComboBox cmbDrName{this};
  QLineEdit txtPatientID{this};      // the chosen patient's name
  QComboBox cmbDescription{this};    // the test
  ImageButton Picture1{this, QStringLiteral("Picture1")};    // add
  ImageButton Picture11{this, QStringLiteral("Picture11")};  // help icons
  QLineEdit txtDiscount{this};       // percent
  QLabel Label2{this};               // the bill number
  QDateEdit DTPicker1{this};
  QTreeWidget List{this};
  QLineEdit txtCTotal{this};         // gross total
  ImageButton Picture4{this, QStringLiteral("Picture4")};    // new bill
  ImageButton Picture3{this, QStringLiteral("Picture3")};    // clear
  QLineEdit txtTotal{this};          // net total, set by the print
  ImageButton Picture2{this, QStringLiteral("Picture2")};    // print
  ImageButton Picture12{this, QStringLiteral("Picture12")};
  QCheckBox CheckBox1{this};         // print the address
  ImageButton Picture5{this, QStringLiteral("Picture5")};

  int SerialCounter = 0;
  bool BillPrinted = false;
  Value TestAmount;  // the price of the test chosen last, as the price list holds it
  QString PatientAge;
  QString PatientSex;
  QString PatientAddress;
  QString PatientLocation;

  Recordset PriceRecordset;

  void Picture1_Click();  // add
  void Picture2_Click();  // print
  void Picture3_Click();  // clear
  void Picture4_Click();  // new bill
  void cmbDescription_Change();

protected:
  explicit TestBillForm(TestBillKind kind);
  void PrepareControls() override;
  std::vector<MenuPicture> MenuPictures() override;
  void LoadMenuForm() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // A list of the load that came empty: the form says so and closes; whether it did.
  bool closeWhenEmpty(bool empty, const QString& message);
  void patientChosen();
  void forgetPatient();
  void DTPicker1_Change();
  BillSheet sheet() const;
  // The bill's lines as the save stores them, under the number shown.
  TestBillRecord storedBill() const;

  TestBillKind kind_;
  BillCaptions captions_{this};
  std::unique_ptr<PatientChooser> chooser_;
  bool testChosen_ = false;  // TestAmount belongs to the test the combo box shows
};

class frmLabBillReport : public TestBillForm {
  Q_OBJECT
public:
  frmLabBillReport() : TestBillForm(TestBillKind::Lab) {}
};

class frmXRayBillReport : public TestBillForm {
  Q_OBJECT
public:
  frmXRayBillReport() : TestBillForm(TestBillKind::XRay) {}
};
