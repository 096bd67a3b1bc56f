#pragma once
// The in-patient bill: a charge bill (the charges typed into their boxes, the advance the patient
// holds deducted) or an advance receipt (the amount typed into the advance box), printed on the
// bill stationery and, at its first print, stored under the next in-patient bill number, with the
// patient's advance raised by a receipt or used up by a charge bill.
//
// frmReprintInBill is the same form showing only the free other line of the charges.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <array>
#include <memory>
#include <optional>

#include "billing/common/billchrome.h"
#include "billing/common/billprint.h"
#include "billing/common/billsheet.h"
#include "billing/common/patientchooser.h"
#include "billing/inpatient/inbillcalc.h"
#include "data/billnumbers.h"
#include "framework/imagebutton.h"
#include "framework/menuform.h"
#include "platform/ado.h"

class frmInBill : public MenuForm {
  Q_OBJECT
public:
  frmInBill();
  ~frmInBill() override;

  // Controls.
  QLabel Label3{this};               // hover aid, hidden
  QComboBox cmbPatientName{this};
  QComboBox cmbDrName{this};
  QLineEdit txtPatientID{this};      // the chosen patient's name
  std::array<QLabel, kInBillChargeCount> Label1 = ControlArray<QLabel, kInBillChargeCount>(this);
  std::array<QLineEdit, kInBillChargeCount> Text1 = ControlArray<QLineEdit, kInBillChargeCount>(this);
  QLineEdit Text2{this};             // the other line's description
  QCheckBox CheckBox2{this};         // append the other line
  ImageButton Picture1{this, QStringLiteral("Picture1")};    // add
  ImageButton Picture11{this, QStringLiteral("Picture11")};  // help icons
  QLabel Label2{this};               // the bill number
  QDateEdit DTPicker1{this};
  QLabel Label5{this};               // "Adv.   Amt"
  QLineEdit txtAdvance{this};
  QLabel Label4{this};               // "Advance"
  QLineEdit Text3{this};             // the advance the patient holds
  QTreeWidget List{this};
  ImageButton Picture4{this, QStringLiteral("Picture4")};    // new bill
  ImageButton Picture3{this, QStringLiteral("Picture3")};    // clear
  QLineEdit txtTotal{this};
  ImageButton Picture2{this, QStringLiteral("Picture2")};    // print
  ImageButton Picture12{this, QStringLiteral("Picture12")};
  QCheckBox CheckBox1{this};         // print the address
  ImageButton Picture5{this, QStringLiteral("Picture5")};

  // Form-level state. BillList holds the rows on screen with the bill's running total (the net
  // amount once the advance is deducted) and the serial counter of the numbered rows.
  InBillList BillList;
  bool BillPrinted = false;
  QString PatientAge;
  QString PatientSex;
  QString PatientAddress;
  QString PatientLocation;

  // The bill as the add button made it, which the print stores.
  struct AddedBill {
    enum class Kind { None, Charge, Receipt };
    Kind kind = Kind::None;
    QString patientId;       // the trimmed identifier at the add
    std::optional<qint64> patientRow;  // the row the chooser chose for it, which the save changes
    QString advanceBox;      // the advance box's text at the add
    bool deductsAdvance = false;  // the list deducts the advance the patient holds
    // A charge bill's rows: the advance the patient held as they were listed ("" for none),
    // which they deduct. An other line on its own deducts nothing and has none.
    std::optional<QString> listedAdvance;
  };

  void Picture1_Click();  // add
  void Picture2_Click();  // print
  void Picture3_Click();  // clear
  void Picture4_Click();  // new bill

protected:
  enum class Variant { Full, OthersOnly };
  explicit frmInBill(Variant variant);

  void PrepareControls() override;
  std::vector<MenuPicture> MenuPictures() override;
  void LoadMenuForm() override;

private:
  void build(Variant variant);
  void patientChosen();
  void DTPicker1_Change();
  void showList();
  BillSheet sheet() const;
  void forgetPatient();
  // Before a new bill is printed and once more under its number, with the database as it is now:
  // the message a charge bill whose deducted advance the patient no longer holds is refused with.
  // Raises DbError when the patient's row cannot be read or holds another patient now.
  std::optional<QString> refusal();
  // What the save stores: the bill as the add button listed it and the print printed it (the
  // charges listed, the net total, the receipt's amount and the patient on the sheet), and the
  // change to the advance of the row chosen for the patient.
  BillToStore toStore() const;

  BillCaptions captions_{this};
  std::unique_ptr<PatientChooser> chooser_;
  AddedBill added_;
};

// The second copy of the in-patient bill form: of the charges only the other line is shown.
// Nothing in the program opens it.
class frmReprintInBill : public frmInBill {
  Q_OBJECT
public:
  frmReprintInBill();
};
