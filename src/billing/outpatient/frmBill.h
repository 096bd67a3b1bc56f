#pragma once
// The out-patient bill: the patient, the doctor and the date, the fees listed as numbered rows
// with their total, printed on the bill stationery and saved under the next bill number.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <array>
#include <memory>

#include "billing/common/billchrome.h"
#include "billing/common/patientchooser.h"
#include "billing/outpatient/outbill.h"
#include "framework/imagebutton.h"
#include "framework/menuform.h"
#include "platform/ado.h"

class frmBill : public MenuForm {
  Q_OBJECT
public:
  frmBill();
  ~frmBill() override;

  // The controls, under their own names.
  QLabel Label2{this};             // the bill number
  QDateEdit DTPicker1{this};
  QComboBox cmbPatientName{this};  // captioned "Patient ID": the patients' identifiers
  ImageButton Picture5{this, QStringLiteral("Picture5")};    // help
  QLineEdit txtPatientID{this};    // captioned "Patient Name": the chosen patient's name
  QComboBox cmbDrName{this};
  QCheckBox CheckBox1{this};       // "Address"
  std::array<QLabel, 13> Label1 = ControlArray<QLabel, 13>(this);        // the fees' captions, then the others
  std::array<QLineEdit, 7> Text1 = ControlArray<QLineEdit, 7>(this);     // the fees; 6 is the free-text row's amount
  ImageButton Picture11{this, QStringLiteral("Picture11")};  // help beside the fees
  QLineEdit Text2{this};           // the free-text row's description
  QCheckBox CheckBox2{this};       // the free-text row goes onto the bill
  ImageButton Picture1{this, QStringLiteral("Picture1")};    // add
  QTreeWidget List{this};          // "Sl No", "Particulars", "Amount"
  QLineEdit txtTotal{this};
  ImageButton Picture2{this, QStringLiteral("Picture2")};    // print
  ImageButton Picture12{this, QStringLiteral("Picture12")};  // help beside the print button
  ImageButton Picture3{this, QStringLiteral("Picture3")};    // clear
  ImageButton Picture4{this, QStringLiteral("Picture4")};    // new bill
  QLabel Label3{this};             // the hover holder

  // The form's state.
  bool BillPrinted = false;
  int BillSerial() const { return rows_.serial; }
  const Money& BillTotal() const { return rows_.total; }
  // The chosen patient's values kept for the print ("" with no patient).
  QString PatientAge() const;
  QString PatientSex() const;
  QString PatientAddress() const;
  QString PatientLocation() const;

  PatientChooser& Chooser() { return *chooser_; }

  void Picture1_Click();  // add
  void Picture2_Click();  // print and save
  void Picture3_Click();  // clear
  void Picture4_Click();  // new bill

protected:
  void PrepareControls() override;
  std::vector<MenuPicture> MenuPictures() override;
  void LoadMenuForm() override;

private:
  void DTPicker1_Change();
  void showRows();
  OutBillPrint printedBill() const;
  // The bill's row as the save stores it, under the number shown.
  OutBillRecord storedBill() const;

  std::unique_ptr<PatientChooser> chooser_;
  OutBillRows rows_;
};
