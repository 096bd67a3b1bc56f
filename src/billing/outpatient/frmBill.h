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

  // Saves the bill on screen (its row and its number) once it has been printed. A database
  // failure raises DbError and saves nothing.
  void adddatabase();

  // The controls, under their own names.
  QComboBox* cmbPatientName;  // captioned "Patient ID": the patients' identifiers
  QLineEdit* txtPatientID;    // captioned "Patient Name": the chosen patient's name
  QComboBox* cmbDrName;
  QLabel* Label2;             // the bill number
  QDateEdit* DTPicker1;
  std::array<QLineEdit*, 7> Text1{};   // the fees; 6 is the free-text row's amount
  std::array<QLabel*, 13> Label1{};    // their captions, then the other captions
  QLineEdit* Text2;           // the free-text row's description
  QCheckBox* CheckBox2;       // the free-text row goes onto the bill
  QTreeWidget* List;          // "Sl No", "Particulars", "Amount"
  QLineEdit* txtTotal;
  QCheckBox* CheckBox1;       // "Address"
  ImageButton* Picture1;      // add
  ImageButton* Picture2;      // print
  ImageButton* Picture3;      // clear
  ImageButton* Picture4;      // new bill
  ImageButton* Picture5;      // help
  ImageButton* Picture11;     // help beside the fees
  ImageButton* Picture12;     // help beside the print button
  QLabel* Label3;             // the hover holder

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

  std::unique_ptr<Recordset> DoctorRecordset;
  std::unique_ptr<Recordset> PatientRecordset;
  std::unique_ptr<Recordset> BillRecordset;
  std::unique_ptr<Recordset> BillNoRecordset;

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
  // Opens a recordset of the form; false (after the message and the end) when it cannot.
  bool openRecordset(std::unique_ptr<Recordset>& rs, const TableRead& read);
  void showRows();
  OutBillPrint printedBill() const;
  // Before a new bill is printed: shows the number that is next now in Label2, saying so when it
  // is not the one shown. False (after a message) when it cannot be read; nothing is printed then.
  bool takeNextNumber();

  std::unique_ptr<PatientChooser> chooser_;
  OutBillRows rows_;
};
