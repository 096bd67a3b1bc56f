#include "billing/outpatient/frmBill.h"

#include <QPointer>

#include "billing/common/billpictures.h"
#include "billing/common/billprint.h"
#include "data/bills.h"
#include "data/columns.h"
#include "data/doctors.h"
#include "data/patients.h"
#include "framework/databaseerror.h"
#include "framework/keyfilters.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/system.h"

namespace {

const QString kSelectPatient = QStringLiteral("Please Select the Patient Name First");

// The out-patient's row kept for the print.
namespace patient = cols::SettingsOutPatient;

constexpr double kRowHeight = 330;

}  // namespace

frmBill::frmBill() : MenuForm({.caption = QStringLiteral("                   Settings Out-Patient Bill Details"),
                               .height = 9795, .width = 11745}) {
  setObjectName(QStringLiteral("frmBill"));

  // Bill number and date, then the patient and the doctor.
  PlaceCaption(Label1[10], QStringLiteral("Bill Number"), 600, 840, 1500, kRowHeight);
  Label2.setObjectName(QStringLiteral("Label2"));
  MoveTwips(&Label2, 2200, 840, 1600, kRowHeight);
  Label2.setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Label2.setAutoFillBackground(true);
  Label2.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  PlaceCaption(Label1[7], QStringLiteral("Date"), 6300, 840, 1350, kRowHeight);
  DTPicker1.setObjectName(QStringLiteral("DTPicker1"));
  DTPicker1.setCalendarPopup(true);
  MoveTwips(&DTPicker1, 7700, 840, 1900, kRowHeight);

  PlaceCaption(Label1[9], QStringLiteral("Patient ID"), 600, 1380, 1500, kRowHeight);
  PlaceChoiceBox(cmbPatientName, 2200, 1380, 2400, kRowHeight, cmbPatientName.insertPolicy());
  cmbPatientName.setObjectName(QStringLiteral("cmbPatientName"));
  MoveTwips(&Picture5, 4700, 1365, 360, 360);
  PlaceCaption(Label1[11], QStringLiteral("Patient Name"), 6300, 1380, 1350, kRowHeight);
  MoveTwips(&txtPatientID, 7700, 1380, 3400, kRowHeight);
  txtPatientID.setObjectName(QStringLiteral("txtPatientID"));
  PlaceCaption(Label1[12], QStringLiteral("Dr Name"), 600, 1920, 1500, kRowHeight);
  PlaceChoiceBox(cmbDrName, 2200, 1920, 3800, kRowHeight, cmbDrName.insertPolicy());
  cmbDrName.setObjectName(QStringLiteral("cmbDrName"));
  CheckBox1.setText(QStringLiteral("Address"));
  CheckBox1.setObjectName(QStringLiteral("CheckBox1"));
  MoveTwips(&CheckBox1, 7700, 1920, 1400, kRowHeight);

  // The fee boxes: the four shown, one under the other; X-Ray and Lab Charge are kept hidden.
  const FeeTexts& captions = StandardFeeCaptions();
  const double feeTop[kStandardFees] = {2700, 3180, 3660, 4140, 3660, 4140};
  for (int i = 0; i < kStandardFees; ++i) {
    PlaceCaption(Label1[std::size_t(i)], captions[std::size_t(i)], 600, feeTop[i], 1900, kRowHeight);
    MoveTwips(&Text1[std::size_t(i)], 2600, feeTop[i], 1500, kRowHeight);
    Text1[std::size_t(i)].setObjectName(QStringLiteral("Text1_%1").arg(i));
  }
  for (int i : {2, 3}) {
    Label1[std::size_t(i)].hide();
    Text1[std::size_t(i)].hide();
  }
  MoveTwips(&Picture11, 4250, 2685, 360, 360);

  // The free-text row: description, amount, tick, and the add button beside it.
  MoveTwips(&Text2, 600, 4800, 1900, kRowHeight);
  Text2.setObjectName(QStringLiteral("Text2"));
  PlaceCaption(Label1[6], QStringLiteral("Others"), 600, 4440, 1900, kRowHeight);
  Label1[6].hide();
  MoveTwips(&Text1[6], 2600, 4800, 1500, kRowHeight);
  Text1[6].setObjectName(QStringLiteral("Text1_6"));
  // It reads left to right: its description, then its amount and its tick.
  setTabOrder(&Text1[5], &Text2);
  CheckBox2.setObjectName(QStringLiteral("CheckBox2"));
  MoveTwips(&CheckBox2, 4200, 4800, 300, kRowHeight);
  MoveTwips(&Picture1, 4560, 4785, 960, 360);

  // The bill's rows and total.
  List.setObjectName(QStringLiteral("List"));
  PlaceBillList(List, 5800, 2700, 5400, 4400, {800, 3100, 1400});
  List.setItemsExpandable(false);
  List.setSelectionMode(QAbstractItemView::SingleSelection);
  PlaceCaption(Label1[8], QStringLiteral("Total"), 8200, 7300, 800, kRowHeight);
  MoveTwips(&txtTotal, 9000, 7300, 2200, kRowHeight);
  txtTotal.setObjectName(QStringLiteral("txtTotal"));
  // The total is the listed rows' sum: typed over, the stored bill would not be the printed one.
  txtTotal.setReadOnly(true);

  MoveTwips(&Picture2, 3600, 8400, 960, 360);
  MoveTwips(&Picture12, 4620, 8400, 360, 360);
  MoveTwips(&Picture3, 5250, 8400, 960, 360);
  MoveTwips(&Picture4, 6450, 8400, 960, 360);

  Label3.setObjectName(QStringLiteral("Label3"));
  SetUpHoverHolder(Label3);

  chooser_ = std::make_unique<PatientChooser>(&cmbPatientName, &txtPatientID);
}

frmBill::~frmBill() = default;

QString frmBill::PatientAge() const { return chooser_->Field(patient::Age); }
QString frmBill::PatientSex() const { return chooser_->Field(patient::Sex); }
QString frmBill::PatientAddress() const { return chooser_->Field(patient::Address); }
QString frmBill::PatientLocation() const { return chooser_->Field(patient::Location); }

void frmBill::PrepareControls() {
  rows_ = OutBillRows();
  BillPrinted = false;
  DTPicker1.setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  DTPicker1.setDate(Today());
}

std::vector<MenuPicture> frmBill::MenuPictures() {
  return BillFormPictures({&Picture1, &Picture2, &Picture3, &Picture4, &Picture11, &Picture12, &Picture5, &Label3}, false);
}

void frmBill::LoadMenuForm() {
  connect(&Picture1, &ImageButton::Click, this, &frmBill::Picture1_Click);
  connect(&Picture2, &ImageButton::Click, this, &frmBill::Picture2_Click);
  connect(&Picture3, &ImageButton::Click, this, &frmBill::Picture3_Click);
  connect(&Picture4, &ImageButton::Click, this, &frmBill::Picture4_Click);
  connect(&DTPicker1, &QDateEdit::dateChanged, this, &frmBill::DTPicker1_Change);
  for (int i = 0; i < 7; ++i) {
    QLineEdit* box = &Text1[std::size_t(i)];
    WireKeyPress(box, [box](int& KeyAscii) { NumberOnlyKeyPress(box, KeyAscii, true); });
  }
  QComboBox* doctors = &cmbDrName;
  WireKeyPress(doctors, [doctors](int& KeyAscii) { KeyAscii = AutoCompleteKeyPress(doctors, KeyAscii, false); });

  QStringList doctorIds;
  if (!RunDatabaseStep(*this, [&doctorIds] { doctorIds = DoctorIds(gCon); })) return;
  if (doctorIds.isEmpty()) {
    MsgBox(QStringLiteral("Please add the Dr. Details First"), vbCritical, QStringLiteral("Warning"));
    CloseForm();
    return;
  }
  {
    const QSignalBlocker blocker(cmbDrName);
    cmbDrName.addItems(doctorIds);
    cmbDrName.setCurrentIndex(-1);
    cmbDrName.setEditText(QString());
  }

  // Half a million patients: the chooser keeps their identifiers only and reads the chosen one.
  if (!RunDatabaseStep(*this, [this] { chooser_->Fill(gCon, {PatientsByNameRead(PatientTableKind::OutPatient)}); }))
    return;
  if (chooser_->Count() == 0) {
    MsgBox(QStringLiteral("Please add the OutPatient Details First"), vbCritical, QStringLiteral("Warning"));
    CloseForm();
    return;
  }
  connect(chooser_.get(), &PatientChooser::PatientConfirmed, this, [this] { cmbDrName.setFocus(); });

  // The save opens the bill table and the counter itself; reading the next number from both here
  // makes a table that cannot be read the load's "Database Error", as it always was.
  RunDatabaseStep(*this, [this] { Label2.setText(NextBillNumberText(gCon, BillKind::OutPatient)); });
}

void frmBill::DTPicker1_Change() { RefuseFutureBillDate(DTPicker1); }

void frmBill::showRows() {
  List.clear();
  for (const BillRow& row : rows_.rows) {
    AddBillListRow(List, row.serial, row.particulars, row.amount);
  }
  txtTotal.setText(rows_.total.Text());
}

void frmBill::Picture1_Click() {
  if (BillPrinted) {
    MsgBox(QStringLiteral("You cannt Change the Bill Already Printed ! Cancel The Bill Again Give Print"), vbCritical,
           QStringLiteral("Warning"));
    return;
  }
  // A text that is no patient's identifier would bill the name still shown for the one before.
  if (Trim(cmbPatientName.currentText()).isEmpty() || !chooser_->HasPatient()) {
    MsgBox(kSelectPatient, vbCritical);
    cmbPatientName.setFocus();
    return;
  }
  FeeTexts fees;
  for (int i = 0; i < kStandardFees; ++i) fees[std::size_t(i)] = Text1[std::size_t(i)].text();
  if (AddToBill(rows_, fees, Text2.text(), CheckBox2.isChecked(), Text1[6].text()) == AddResult::FreeTextRow) {
    Text2.clear();
    Text1[6].clear();
    CheckBox2.setChecked(false);
  }
  showRows();
}

OutBillPrint frmBill::printedBill() const {
  OutBillPrint bill;
  bill.patientName = txtPatientID.text();
  bill.patientId = cmbPatientName.currentText();
  bill.address = PatientAddress();
  bill.location = PatientLocation();
  bill.age = PatientAge();
  bill.sex = PatientSex();
  bill.billNo = Label2.text();
  bill.date = DTPicker1.date();
  bill.doctor = cmbDrName.currentText();
  bill.rows = rows_.rows;
  bill.total = rows_.total;
  bill.printAddress = CheckBox1.isChecked();
  return bill;
}

void frmBill::Picture2_Click() {
  PrinterObject& printer = Printer();
  try {
    SetUpOutPatientBillPrinter(printer);
  } catch (const PrinterError& e) {
    // No printer at all: said the same way as a failure while printing, and nothing more.
    ShowPrinterNotReady(e.Description());
    return;
  }
  try {
    if (List.topLevelItemCount() == 0) {
      MsgBox(QStringLiteral("Please add the Amount"), vbCritical, QStringLiteral("Warning"));
      return;
    }
    if (!chooser_->HasPatient()) {
      MsgBox(kSelectPatient, vbCritical);
      cmbPatientName.setFocus();
      return;
    }
    if (MsgBox(QStringLiteral("Do you wish to Print this Bill"), vbYesNo, QStringLiteral("Print")) != vbYes) return;
    if (BillPrinted) {
      PrintOutPatientBill(printer, printedBill());
      return;
    }
  } catch (const PrinterError& e) {
    ShowPrinterNotReady(e.Description());
    return;
  }
  // The number shown was read when the bill was begun; the paper, the stored bill and the counter
  // carry the one that is next now. The boxes run the program's events until they are answered:
  // the form may be gone by then.
  const QPointer<frmBill> alive(this);
  const NewBillPrinted done = PrintAndStoreNewBill({
      .kind = BillKind::OutPatient,
      .number = &Label2,
      .printSheet = [this, &printer] { PrintOutPatientBill(printer, printedBill()); },
      .toStore = [this] { return BillToStore{storedBill(), {}}; },
      .printerWords = true,
  });
  if (alive && done == NewBillPrinted::Stored) BillPrinted = true;
}

OutBillRecord frmBill::storedBill() const {
  OutBillRecord bill;
  bill.billNo = Label2.text();
  bill.date = DTPicker1.date();
  bill.fees = rows_.listedFees;
  bill.others = Text1[6].text();
  bill.total = txtTotal.text();
  bill.patientName = txtPatientID.text();
  bill.patientId = cmbPatientName.currentText();
  return bill;
}

void frmBill::Picture3_Click() {
  BillPrinted = false;
  rows_ = OutBillRows();
  for (QLineEdit& box : Text1) box.clear();
  txtTotal.clear();
  List.clear();
  chooser_->Clear();
  cmbDrName.setCurrentIndex(-1);
  cmbDrName.setEditText(QString());
  try {
    Label2.setText(NextBillNumberText(gCon, BillKind::OutPatient));
  } catch (const DbError& e) {
    // No number is shown then; the print reads it again.
    Label2.clear();
    MsgBox(e.Description(), vbCritical);
  }
}

void frmBill::Picture4_Click() { Picture3_Click(); }
