#include "billing/inpatient/frmInBill.h"

#include <QPointer>

#include "billing/common/billpictures.h"
#include "billing/common/billprint.h"
#include "billing/inpatient/inbillstore.h"
#include "data/columns.h"
#include "data/doctors.h"
#include "data/patients.h"
#include "framework/databaseerror.h"
#include "framework/keyfilters.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "platform/vbruntime.h"

namespace {

const char* const kCaption = "                   Settings In-Patient Bill Details";
const char* const kNoPatient = "Please Select the Patient Name First";
const char* const kBadAdvance = "Please Enter the Correct Advance Amount";
const char* const kAddAgain =
    "The Patient or the Advance Amount was changed after Add. Please press Add again";
const char* const kAdvanceChanged = "The advance of this patient has changed. Please press Add again";

constexpr int kFormHeight = 10425;
constexpr int kFormWidth = 11745;
}  // namespace

frmInBill::frmInBill() : frmInBill(Variant::Full) {}

frmInBill::frmInBill(Variant variant) : MenuForm({.caption = QString::fromLatin1(kCaption),
                                                  .height = kFormHeight, .width = kFormWidth}) {
  build(variant);
}

frmInBill::~frmInBill() = default;

frmReprintInBill::frmReprintInBill() : frmInBill(Variant::OthersOnly) {}

void frmInBill::build(Variant variant) {
  SetUpHoverHolder(Label3);

  // Left column: captions at 3000, inputs at 5400.
  PlaceBillHead(captions_, cmbPatientName, cmbDrName, txtPatientID, kBillBoxWidth);

  static constexpr int chargeTops[kInBillChargeCount] = {2040, 2520, 3000, 3480, 3960, 4440, 4920, 4440, 4920, 5400};
  for (int i = 0; i < kInBillChargeCount; ++i) {
    PlaceCaption(Label1[std::size_t(i)], InBillChargeCaptions()[std::size_t(i)], 3000, chargeTops[i], kBillCaptionWidth);
    QLineEdit* amount = &Text1[std::size_t(i)];
    MoveTwips(amount, 5400, chargeTops[i], kBillBoxWidth, kBillBoxHeight);
    WireKeyPress(amount, [amount](int& KeyAscii) { KeyAscii = NumberOnlyKeyPress(amount, KeyAscii, true); });
  }
  MoveTwips(&Text2, 3000, 5400, kBillCaptionWidth, kBillBoxHeight);
  MoveTwips(&CheckBox2, 7680, 5400, 300, kBillBoxHeight);
  MoveTwips(&Picture1, 8040, 5400, kBillButtonWidth, kBillButtonHeight);
  MoveTwips(&Picture11, 9120, 5400, kBillHelpSize, kBillHelpSize);
  // The other line reads left to right: its description, then its amount and its tick.
  setTabOrder(&Text1[8], &Text2);
  setTabOrder(&Text2, &Text1[9]);
  setTabOrder(&Text1[9], &CheckBox2);

  // The X-ray and laboratory charges have bills of their own; their boxes stay on the form,
  // empty and out of reach. The others line shows its description box instead of its caption.
  std::vector<int> hidden = {5, 6, 9};
  if (variant == Variant::OthersOnly) hidden = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  for (int i : hidden) {
    Label1[std::size_t(i)].hide();
    if (i != 9) Text1[std::size_t(i)].hide();
  }

  // Right column: captions at 8280.
  PlaceBillNumber(captions_, Label2, DTPicker1, 1200);
  SetTodayPickers({&DTPicker1});
  PlaceCaption(Label5, QString::fromLatin1(kAdvanceCaption), 8280, 1680, 1320);
  MoveTwips(&txtAdvance, 9600, 1680, 1620, kBillBoxHeight);
  // An amount, as the charge boxes take it: "1,000" or "-500" would make a receipt of 1.00 or one
  // that empties the advance held.
  QLineEdit* advance = &txtAdvance;
  WireKeyPress(advance, [advance](int& KeyAscii) { KeyAscii = NumberOnlyKeyPress(advance, KeyAscii, true); });
  PlaceCaption(Label4, QStringLiteral("Advance"), 8280, 2160, 1320);
  MoveTwips(&Text3, 9600, 2160, 1620, kBillBoxHeight);
  Text3.setEnabled(false);

  PlaceBillList(List, 2400, 5880, 6810, 2535, {700, 5000, 1000});

  PlaceBillFoot(captions_, {Picture4, Picture3, txtTotal, Picture2, Picture12, CheckBox1, Picture5});
  txtTotal.setAlignment(Qt::AlignRight);
  // The total is the listed rows' net: typed over, the stored bill would not be the printed one.
  txtTotal.setReadOnly(true);

  chooser_ = std::make_unique<PatientChooser>(&cmbPatientName, &txtPatientID);
  connect(chooser_.get(), &PatientChooser::PatientChosen, this, &frmInBill::patientChosen);
  connect(chooser_.get(), &PatientChooser::PatientConfirmed, this, [this] { cmbDrName.setFocus(); });
  QComboBox* doctors = &cmbDrName;
  WireKeyPress(doctors, [doctors](int& KeyAscii) { KeyAscii = AutoCompleteKeyPress(doctors, KeyAscii, false); });
  connect(&DTPicker1, &QDateEdit::dateChanged, this, &frmInBill::DTPicker1_Change);
  connect(&Picture1, &ImageButton::Click, this, &frmInBill::Picture1_Click);
  connect(&Picture2, &ImageButton::Click, this, &frmInBill::Picture2_Click);
  connect(&Picture3, &ImageButton::Click, this, &frmInBill::Picture3_Click);
  connect(&Picture4, &ImageButton::Click, this, &frmInBill::Picture4_Click);
}

void frmInBill::PrepareControls() {
  BillList.serialCounter = 0;
  BillPrinted = false;
}

std::vector<MenuPicture> frmInBill::MenuPictures() {
  return BillFormPictures({&Picture1, &Picture2, &Picture3, &Picture4, &Picture11, &Picture12, &Picture5, &Label3}, true);
}

void frmInBill::LoadMenuForm() {
  QStringList doctorIds;
  if (!RunDatabaseStep(*this, [&doctorIds] { doctorIds = DoctorIds(gCon); })) return;
  if (doctorIds.isEmpty()) {
    MsgBox(QStringLiteral("Please add the Dr. Details First"), vbCritical, QStringLiteral("Warning"));
    CloseForm();
    return;
  }
  cmbDrName.addItems(doctorIds);
  cmbDrName.setCurrentIndex(-1);
  cmbDrName.setEditText(QString());

  // The chooser keeps the patients' identifiers only and reads the chosen one's row, so that a
  // patient chosen again shows the advance the database holds then.
  if (!RunDatabaseStep(*this, [this] { chooser_->Fill(gCon, {PatientsByNameRead(PatientTableKind::InPatient)}); }))
    return;
  if (chooser_->Count() == 0) {
    MsgBox(QStringLiteral("Please add the InPatient Details First"), vbCritical, QStringLiteral("Warning"));
    CloseForm();
    return;
  }

  // The save opens the bill table, the counter and the patient's row itself; reading the next
  // number from the first two here makes a table that cannot be read the load's "Database Error",
  // as it always was.
  RunDatabaseStep(*this, [this] { Label2.setText(NextBillNumberText(gCon, BillKind::InPatient)); });
}

void frmInBill::patientChosen() {
  txtPatientID.setText(chooser_->Field(cols::SettingsInPatient::FirstName));
  PatientAddress = chooser_->Field(cols::SettingsInPatient::Address);
  PatientLocation = chooser_->Field(cols::SettingsInPatient::Location);
  PatientSex = chooser_->Field(cols::SettingsInPatient::Sex);
  PatientAge = chooser_->Field(cols::SettingsInPatient::Age);
  Text3.setText(chooser_->Field(cols::SettingsInPatient::Advance));
}

void frmInBill::forgetPatient() {
  PatientAge.clear();
  PatientSex.clear();
  PatientAddress.clear();
  PatientLocation.clear();
}

void frmInBill::DTPicker1_Change() { RefuseFutureBillDate(DTPicker1); }

void frmInBill::showList() {
  List.clear();
  for (const BillSheetRow& row : BillList.rows) {
    AddBillListRow(List, row.serial, row.description, row.amount);
  }
  txtTotal.setText(BillList.total.Text());
}

void frmInBill::Picture1_Click() {
  if (BillPrinted) {
    MsgBox(QStringLiteral("You cannt Change the Bill Already Printed ! Cancel the Bill First then Again Give Print"),
           vbCritical, QStringLiteral("Warning"));
    return;
  }
  const QString patient = Trim(cmbPatientName.currentText());
  // An identifier typed over the chosen one and not confirmed: the name, the advance and the
  // receipt's patient shown would be the one chosen before.
  if (!patient.isEmpty() && !chooser_->HasPatient()) {
    MsgBox(QString::fromLatin1(kNoPatient), vbCritical);
    cmbPatientName.setFocus();
    return;
  }
  if (!Trim(txtAdvance.text()).isEmpty()) {
    // What the filter cannot keep out (a paste of "0", a text set from elsewhere) makes no
    // receipt: one of nothing, or of a number the clerk did not type, would be printed and kept.
    if (!IsAdvanceAmount(txtAdvance.text())) {
      MsgBox(QString::fromLatin1(kBadAdvance), vbCritical, QStringLiteral("Warning"));
      txtAdvance.setFocus();
      return;
    }
    MakeAdvanceReceipt(BillList, txtAdvance.text());
    added_ = {AddedBill::Kind::Receipt, patient, chooser_->RowId(), txtAdvance.text(), false, std::nullopt};
    showList();
    return;
  }
  if (patient.isEmpty()) {
    MsgBox(QString::fromLatin1(kNoPatient), vbCritical);
    cmbPatientName.setFocus();
    return;
  }
  if (!Trim(Text2.text()).isEmpty() && CheckBox2.isChecked()) {
    AppendOtherLine(BillList, Text2.text(), Text1[9].text());
    // An other line on its own is a charge bill that deducts nothing; after the charges it
    // belongs to the bill they made.
    if (added_.kind == AddedBill::Kind::None)
      added_ = {AddedBill::Kind::Charge, patient, chooser_->RowId(), txtAdvance.text(), false, std::nullopt};
    Text2.clear();
    Text1[9].clear();
    CheckBox2.setChecked(false);
    showList();
    return;
  }
  std::array<QString, kInBillChargeCount> charges;
  for (int i = 0; i < kInBillChargeCount; ++i) charges[std::size_t(i)] = Text1[std::size_t(i)].text();
  MakeChargeBill(BillList, charges, Text3.text());
  added_ = {AddedBill::Kind::Charge, patient, chooser_->RowId(), txtAdvance.text(), !Trim(Text3.text()).isEmpty(),
            Text3.text()};
  showList();
}

BillSheet frmInBill::sheet() const {
  BillSheet s = BillSheetHead(*this, BillSheet::Kind::InPatient, chooser_->HasPatient());
  s.rows = BillList.rows;
  s.net = BillList.total;
  return s;
}

void frmInBill::Picture2_Click() {
  try {
    SetUpBillPrinter();
    if (BillList.rows.empty()) {
      MsgBox(QStringLiteral("Please add the Amount"), vbCritical, QStringLiteral("Warning"));
      return;
    }
    const QString patient = Trim(cmbPatientName.currentText());
    if (!patient.isEmpty() && !chooser_->HasPatient()) {
      MsgBox(QString::fromLatin1(kNoPatient), vbCritical);
      cmbPatientName.setFocus();
      return;
    }
    if (patient != added_.patientId || txtAdvance.text() != added_.advanceBox) {
      MsgBox(QString::fromLatin1(kAddAgain), vbCritical, QStringLiteral("Warning"));
      return;
    }
    if (MsgBox(QStringLiteral("Do you wish to Print this Bill"), vbYesNo, QStringLiteral("Print")) != vbYes) return;
    if (BillPrinted) {
      PrintBillSheet(sheet());
      BillList.serialCounter = 0;
      return;
    }
  } catch (const std::exception&) {
    ShowPrinterNotReady();
    return;
  }
  // The boxes run the program's events until they are answered: the form may be gone by then.
  const QPointer<frmInBill> alive(this);
  const NewBillPrinted done = PrintAndStoreNewBill({
      .kind = BillKind::InPatient,
      .number = &Label2,
      .printSheet =
          [this] {
            PrintBillSheet(sheet());
            BillList.serialCounter = 0;
          },
      .toStore = [this] { return toStore(); },
      .refusal = [this] { return refusal(); },
  });
  if (alive && done == NewBillPrinted::Stored) BillPrinted = true;
}

std::optional<QString> frmInBill::refusal() {
  // The row the bill was added for, read as the database holds it now: refused, in the
  // database's words, when it holds another patient since.
  const QString held = AdvanceHeldNow(gCon, added_.patientId, added_.patientRow);
  // A charge bill deducted the advance the patient held: refused when it is another now, and the
  // next add lists the one held now.
  if (!added_.listedAdvance || SameAdvance(held, *added_.listedAdvance)) return std::nullopt;
  Text3.setText(held);
  return QString::fromLatin1(kAdvanceChanged);
}

BillToStore frmInBill::toStore() const {
  // The bill as it was listed and printed, not as the boxes stand now: charges changed after the
  // add are on neither the list nor the paper, and would put the bill in the wrong report.
  const BillSheet printed = sheet();
  InBillRecord bill;
  bill.billNo = printed.billNo;
  bill.date = printed.date;
  bill.charges = BillList.listedCharges;
  bill.total = BillList.total.Text();
  bill.patientName = printed.patientName;
  bill.patientId = printed.patientId;
  // A receipt's amount as its one row lists it, to the cent.
  const Money received = Money::Parse(added_.advanceBox).Round2();
  if (added_.kind == AddedBill::Kind::Receipt) bill.advance = received.Text();

  // The advance moves as the bill that was added says, never as the boxes happen to stand: a
  // receipt adds to the advance the database holds at the save, and a charge bill is stored only
  // while the patient still holds the advance its rows deducted.
  AdvanceChange advance;
  advance.patientId = added_.patientId;
  advance.patientRow = added_.patientRow;
  if (!added_.patientId.isEmpty()) {
    if (added_.kind == AddedBill::Kind::Receipt) {
      advance.kind = AdvanceChange::Kind::Receive;
      advance.amount = received;
    } else if (added_.kind == AddedBill::Kind::Charge) {
      if (added_.deductsAdvance) advance.kind = AdvanceChange::Kind::Clear;
      advance.deducted = added_.listedAdvance;
    }
  }
  return {bill, advance};
}

void frmInBill::Picture3_Click() {
  BillPrinted = false;
  for (QLineEdit& b : Text1) b.clear();
  txtTotal.clear();
  chooser_->Clear();
  txtPatientID.clear();
  cmbDrName.setCurrentIndex(-1);
  cmbDrName.setEditText(QString());
  Text2.clear();
  txtAdvance.clear();
  Text3.clear();
  BillList = {};
  List.clear();
  added_ = {};
  forgetPatient();
  try {
    Label2.setText(NextBillNumberText(gCon, BillKind::InPatient));
  } catch (const DbError& e) {
    // No number is shown then; the print reads it again.
    Label2.clear();
    MsgBox(e.Description(), vbCritical);
  }
}

void frmInBill::Picture4_Click() { Picture3_Click(); }
