#include "billing/inpatient/frmInBill.h"

#include <QHeaderView>

#include "billing/common/billpictures.h"
#include "billing/common/billsaved.h"
#include "billing/inpatient/inbillstore.h"
#include "data/billinglookups.h"
#include "data/columns.h"
#include "framework/databaseerror.h"
#include "framework/keyfilters.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "platform/vbruntime.h"

namespace {

const char* const kCaption = "                   Settings In-Patient Bill Details";
const char* const kPrinterMessage = "Please Check the Printer is Correctly Installed";
const char* const kNoPatient = "Please Select the Patient Name First";
const char* const kBadAdvance = "Please Enter the Correct Advance Amount";
const char* const kAddAgain =
    "The Patient or the Advance Amount was changed after Add. Please press Add again";
const char* const kAdvanceChanged = "The advance of this patient has changed. Please press Add again";

constexpr int kFormHeight = 10425;
constexpr int kFormWidth = 11745;
constexpr int kBoxWidth = 2055;
constexpr int kBoxHeight = 315;
constexpr int kComboWidth = 2280;
constexpr int kLabelWidth = 2280;
constexpr int kButtonWidth = 960;
constexpr int kButtonHeight = 360;
constexpr int kHelpSize = 360;

QLabel* label(QWidget* form, const QString& caption, int left, int top, int width = kLabelWidth) {
  auto* l = new QLabel(caption, form);
  MoveTwips(l, left, top, width, kBoxHeight);
  return l;
}

QLineEdit* box(QWidget* form, int left, int top, int width = kBoxWidth) {
  auto* b = new QLineEdit(form);
  MoveTwips(b, left, top, width, kBoxHeight);
  return b;
}

QComboBox* combo(QWidget* form, int left, int top) {
  auto* c = new QComboBox(form);
  c->setEditable(true);
  c->setInsertPolicy(QComboBox::NoInsert);
  // Wider than the amount boxes: doctors' names run long ("Dr.Zerdan , M.B.B.S").
  MoveTwips(c, left, top, kComboWidth, kBoxHeight);
  return c;
}

ImageButton* button(QWidget* form, const char* name, int left, int top, int width, int height) {
  auto* b = new ImageButton(form, QString::fromLatin1(name));
  MoveTwips(b, left, top, width, height);
  return b;
}

}  // namespace

frmInBill::frmInBill() : frmInBill(Variant::Full) {}

frmInBill::frmInBill(Variant variant) : MenuForm({QString::fromLatin1(kCaption), kFormHeight, kFormWidth}) {
  build(variant);
}

frmInBill::~frmInBill() = default;

frmReprintInBill::frmReprintInBill() : frmInBill(Variant::OthersOnly) {}

void frmInBill::build(Variant variant) {
  Label3 = new QLabel(QStringLiteral("Label3"), this);
  Label3->hide();

  // Left column: captions at 3000, inputs at 5400.
  label(this, QStringLiteral("Patient ID"), 3000, 600);
  cmbPatientName = combo(this, 5400, 600);
  label(this, QStringLiteral("Dr Name"), 3000, 1080);
  cmbDrName = combo(this, 5400, 1080);
  label(this, QStringLiteral("Patient Name"), 3000, 1560);
  txtPatientID = box(this, 5400, 1560);
  txtPatientID->setEnabled(false);

  static constexpr int chargeTops[kInBillChargeCount] = {2040, 2520, 3000, 3480, 3960, 4440, 4920, 4440, 4920, 5400};
  for (int i = 0; i < kInBillChargeCount; ++i) {
    Label1[std::size_t(i)] = label(this, InBillChargeCaptions()[std::size_t(i)], 3000, chargeTops[i]);
    Text1[std::size_t(i)] = box(this, 5400, chargeTops[i]);
    QLineEdit* amount = Text1[std::size_t(i)];
    WireKeyPress(amount, [amount](int& KeyAscii) { KeyAscii = NumberOnlyKeyPress(amount, KeyAscii, true); });
  }
  Text2 = box(this, 3000, 5400, kLabelWidth);
  CheckBox2 = new QCheckBox(this);
  MoveTwips(CheckBox2, 7680, 5400, 300, kBoxHeight);
  Picture1 = button(this, "Picture1", 8040, 5400, kButtonWidth, kButtonHeight);
  Picture11 = button(this, "Picture11", 9120, 5400, kHelpSize, kHelpSize);
  // The other line reads left to right: its description, then its amount and its tick.
  setTabOrder(Text1[8], Text2);
  setTabOrder(Text2, Text1[9]);
  setTabOrder(Text1[9], CheckBox2);

  // The X-ray and laboratory charges have bills of their own; their boxes stay on the form,
  // empty and out of reach. The others line shows its description box instead of its caption.
  std::vector<int> hidden = {5, 6, 9};
  if (variant == Variant::OthersOnly) hidden = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  for (int i : hidden) {
    Label1[std::size_t(i)]->hide();
    if (i != 9) Text1[std::size_t(i)]->hide();
  }

  // Right column: captions at 8280.
  label(this, QStringLiteral("Bill Number"), 8280, 600, 1320);
  Label2 = label(this, QString(), 9720, 600, 1500);
  label(this, QStringLiteral("Date"), 8280, 1200, 1320);
  DTPicker1 = new QDateEdit(this);
  DTPicker1->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  SetTodayPickers({DTPicker1});
  DTPicker1->setCalendarPopup(true);
  MoveTwips(DTPicker1, 9600, 1200, 1620, kBoxHeight);
  Label5 = label(this, QString::fromLatin1(kAdvanceCaption), 8280, 1680, 1320);
  txtAdvance = box(this, 9600, 1680, 1620);
  // An amount, as the charge boxes take it: "1,000" or "-500" would make a receipt of 1.00 or one
  // that empties the advance held.
  QLineEdit* advance = txtAdvance;
  WireKeyPress(advance, [advance](int& KeyAscii) { KeyAscii = NumberOnlyKeyPress(advance, KeyAscii, true); });
  Label4 = label(this, QStringLiteral("Advance"), 8280, 2160, 1320);
  Text3 = box(this, 9600, 2160, 1620);
  Text3->setEnabled(false);

  List = new QTreeWidget(this);
  MoveTwips(List, 2400, 5880, 6810, 2535);
  List->setRootIsDecorated(false);
  List->setColumnCount(3);
  List->setHeaderLabels({QStringLiteral("Sl No"), QStringLiteral("Particulars"), QStringLiteral("Amount")});
  List->setColumnWidth(0, TwipsToPixels(700));
  List->setColumnWidth(1, TwipsToPixels(5000));
  List->setColumnWidth(2, TwipsToPixels(1000));
  List->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
  List->header()->setStretchLastSection(false);

  Picture4 = button(this, "Picture4", 2400, 9120, kButtonWidth, kButtonHeight);
  Picture3 = button(this, "Picture3", 4920, 9120, kButtonWidth, kButtonHeight);
  label(this, QStringLiteral("Total"), 6960, 9240, 700);
  txtTotal = box(this, 7680, 9240, 1500);
  txtTotal->setAlignment(Qt::AlignRight);
  // The total is the listed rows' net: typed over, the stored bill would not be the printed one.
  txtTotal->setReadOnly(true);
  Picture2 = button(this, "Picture2", 9360, 9120, kButtonWidth, kButtonHeight);
  Picture12 = button(this, "Picture12", 10680, 9000, kHelpSize, kHelpSize);
  CheckBox1 = new QCheckBox(QStringLiteral("Address"), this);
  MoveTwips(CheckBox1, 9360, 9720, 1200, kBoxHeight);
  Picture5 = button(this, "Picture5", 10680, 9600, kHelpSize, kHelpSize);

  chooser_ = std::make_unique<PatientChooser>(cmbPatientName, txtPatientID);
  connect(chooser_.get(), &PatientChooser::PatientChosen, this, &frmInBill::patientChosen);
  QComboBox* doctors = cmbDrName;
  WireKeyPress(doctors, [doctors](int& KeyAscii) { KeyAscii = AutoCompleteKeyPress(doctors, KeyAscii, false); });
  connect(DTPicker1, &QDateEdit::dateChanged, this, &frmInBill::DTPicker1_Change);
  connect(Picture1, &ImageButton::Click, this, &frmInBill::Picture1_Click);
  connect(Picture2, &ImageButton::Click, this, &frmInBill::Picture2_Click);
  connect(Picture3, &ImageButton::Click, this, &frmInBill::Picture3_Click);
  connect(Picture4, &ImageButton::Click, this, &frmInBill::Picture4_Click);
}

bool frmInBill::openRecordset(Recordset& rs, const TableRead& read) {
  try {
    rs.Open(read, gCon, adOpenDynamic, adLockOptimistic);
  } catch (const DbError&) {
  }
  if (rs.State() == adStateOpen) return true;
  DatabaseErrorEnd();
  Unload();
  return false;
}

void frmInBill::PrepareControls() {
  BillList.serialCounter = 0;
  BillPrinted = false;
}

std::vector<MenuPicture> frmInBill::MenuPictures() {
  return BillFormPictures({Picture1, Picture2, Picture3, Picture4, Picture11, Picture12, Picture5, Label3}, true);
}

void frmInBill::LoadMenuForm() {
  if (!openRecordset(DoctorRecordset, DoctorsByIdRead())) return;
  if (DoctorRecordset.RecordCount() == 0) {
    MsgBox(QStringLiteral("Please add the Dr. Details First"), vbCritical, QStringLiteral("Warning"));
    CloseForm();
    return;
  }
  for (DoctorRecordset.MoveFirst(); !DoctorRecordset.Eof(); DoctorRecordset.MoveNext())
    cmbDrName->addItem(DoctorRecordset.Fields(cols::SettingDrDetails::DoctorID).toText());
  cmbDrName->setCurrentIndex(-1);
  cmbDrName->setEditText(QString());

  if (!openRecordset(InPatientRecordset, InPatientsByNameRead())) return;
  if (InPatientRecordset.RecordCount() == 0) {
    MsgBox(QStringLiteral("Please add the InPatient Details First"), vbCritical, QStringLiteral("Warning"));
    CloseForm();
    return;
  }
  chooser_->Fill({&InPatientRecordset});

  // The form only appends to the bill table: its old bills need not be read for that.
  if (!openRecordset(BillRecordset, NewBillRowsRead(BillKind::InPatient))) return;
  if (!openRecordset(CounterRecordset, BillCounterRead(BillKind::InPatient))) return;
  try {
    Label2->setText(NextBillNumberText(gCon, BillKind::InPatient));
  } catch (const DbError&) {
    DatabaseErrorEnd();
    Unload();
    return;
  }
}


void frmInBill::patientChosen() {
  txtPatientID->setText(chooser_->Field(cols::SettingsInPatient::FirstName));
  PatientAddress = chooser_->Field(cols::SettingsInPatient::Address);
  PatientLocation = chooser_->Field(cols::SettingsInPatient::Location);
  PatientSex = chooser_->Field(cols::SettingsInPatient::Sex);
  PatientAge = chooser_->Field(cols::SettingsInPatient::Age);
  Text3->setText(chooser_->Field(cols::SettingsInPatient::Advance));
  cmbDrName->setFocus();
}

void frmInBill::forgetPatient() {
  PatientAge.clear();
  PatientSex.clear();
  PatientAddress.clear();
  PatientLocation.clear();
}

void frmInBill::DTPicker1_Change() {
  if (DTPicker1->date() <= Today()) return;
  MsgBox(QStringLiteral("Please Select date Less than Equal To Current Date\r\nYou cannt Bill for Future Date"),
         vbCritical, QStringLiteral("Warning"));
  DTPicker1->setDate(Today());
}

void frmInBill::showList() {
  List->clear();
  for (const BillSheetRow& row : BillList.rows) {
    auto* item = new QTreeWidgetItem(List, QStringList{row.serial, row.description, row.amount});
    item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
  }
  txtTotal->setText(BillList.total.Text());
}

void frmInBill::Picture1_Click() {
  if (BillPrinted) {
    MsgBox(QStringLiteral("You cannt Change the Bill Already Printed ! Cancel the Bill First then Again Give Print"),
           vbCritical, QStringLiteral("Warning"));
    return;
  }
  const QString patient = Trim(cmbPatientName->currentText());
  if (!Trim(txtAdvance->text()).isEmpty()) {
    // What the filter cannot keep out (a paste of "0", a text set from elsewhere) makes no
    // receipt: one of nothing, or of a number the clerk did not type, would be printed and kept.
    if (!IsAdvanceAmount(txtAdvance->text())) {
      MsgBox(QString::fromLatin1(kBadAdvance), vbCritical, QStringLiteral("Warning"));
      txtAdvance->setFocus();
      return;
    }
    MakeAdvanceReceipt(BillList, txtAdvance->text());
    added_ = {AddedBill::Kind::Receipt, patient, txtAdvance->text(), false, std::nullopt};
    showList();
    return;
  }
  if (patient.isEmpty()) {
    MsgBox(QString::fromLatin1(kNoPatient), vbCritical);
    cmbPatientName->setFocus();
    return;
  }
  if (!Trim(Text2->text()).isEmpty() && CheckBox2->isChecked()) {
    AppendOtherLine(BillList, Text2->text(), Text1[9]->text());
    // An other line on its own is a charge bill that deducts nothing; after the charges it
    // belongs to the bill they made.
    if (added_.kind == AddedBill::Kind::None)
      added_ = {AddedBill::Kind::Charge, patient, txtAdvance->text(), false, std::nullopt};
    Text2->clear();
    Text1[9]->clear();
    CheckBox2->setChecked(false);
    showList();
    return;
  }
  std::array<QString, kInBillChargeCount> charges;
  for (int i = 0; i < kInBillChargeCount; ++i) charges[std::size_t(i)] = Text1[std::size_t(i)]->text();
  MakeChargeBill(BillList, charges, Text3->text());
  added_ = {AddedBill::Kind::Charge, patient, txtAdvance->text(), !Trim(Text3->text()).isEmpty(), Text3->text()};
  showList();
}

BillSheet frmInBill::sheet() const {
  BillSheet s;
  s.kind = BillSheet::Kind::InPatient;
  // Only the patient the chooser shows prints: with the chooser empty, nobody's details do.
  if (chooser_->HasPatient()) {
    s.patientName = txtPatientID->text();
    s.patientId = cmbPatientName->currentText();
    s.address1 = PatientAddress;
    s.address2 = PatientLocation;
    s.age = PatientAge;
    s.sex = PatientSex;
  }
  s.printAddress = CheckBox1->isChecked();
  s.billNo = Label2->text();
  s.date = DTPicker1->date();
  s.doctor = cmbDrName->currentText();
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
    const QString patient = Trim(cmbPatientName->currentText());
    if (!patient.isEmpty() && !chooser_->HasPatient()) {
      MsgBox(QString::fromLatin1(kNoPatient), vbCritical);
      cmbPatientName->setFocus();
      return;
    }
    if (patient != added_.patientId || txtAdvance->text() != added_.advanceBox) {
      MsgBox(QString::fromLatin1(kAddAgain), vbCritical, QStringLiteral("Warning"));
      return;
    }
    if (MsgBox(QStringLiteral("Do you wish to Print this Bill"), vbYesNo, QStringLiteral("Print")) != vbYes) return;
    if (!BillPrinted && !checkBeforePrint()) return;
    PrintBillSheet(sheet());
  } catch (const std::exception&) {
    MsgBox(QString::fromLatin1(kPrinterMessage), vbCritical);
    return;
  }
  BillList.serialCounter = 0;
  if (BillPrinted) return;
  // The paper is out: a failure from here on is the database's, and printing again stores the
  // same bill under the same number (a failed save stores nothing and leaves BillPrinted false).
  try {
    adddatabase();
  } catch (const DbError& e) {
    ShowBillNotSaved(e);
  } catch (const std::exception& e) {
    ShowBillNotSaved(DbError(adErrProvider, QString::fromLocal8Bit(e.what())));
  }
}

bool frmInBill::checkBeforePrint() {
  try {
    if (added_.listedAdvance) {
      const QString held = AdvanceHeldNow(InPatientRecordset, added_.patientId);
      if (!SameAdvance(held, *added_.listedAdvance)) {
        // The next add lists the advance the patient holds now.
        Text3->setText(held);
        MsgBox(QString::fromLatin1(kAdvanceChanged), vbCritical, QStringLiteral("Warning"));
        return false;
      }
    }
    // The number shown was read when the bill was begun; the paper, the stored bill and the
    // counter must carry the one that is next now.
    TakeNextBillNumber(BillKind::InPatient, Label2);
  } catch (const DbError& e) {
    MsgBox(e.Description(), vbCritical);
    return false;
  }
  return true;
}

void frmInBill::adddatabase() {
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
  if (!added_.patientId.isEmpty()) {
    if (added_.kind == AddedBill::Kind::Receipt) {
      advance.kind = AdvanceChange::Kind::Receive;
      advance.amount = received;
    } else if (added_.kind == AddedBill::Kind::Charge) {
      if (added_.deductsAdvance) advance.kind = AdvanceChange::Kind::Clear;
      advance.deducted = added_.listedAdvance;
    }
  }

  SaveBill(BillKind::InPatient, BillRecordset, CounterRecordset, bill, &InPatientRecordset, advance);
  MsgBox(QStringLiteral("Bill Printed and Saved Successfully"), vbInformation, QStringLiteral("Print Info"));
  BillPrinted = true;
}

void frmInBill::Picture3_Click() {
  BillPrinted = false;
  for (QLineEdit* b : Text1) b->clear();
  txtTotal->clear();
  chooser_->Clear();
  txtPatientID->clear();
  cmbDrName->setCurrentIndex(-1);
  cmbDrName->setEditText(QString());
  Text2->clear();
  txtAdvance->clear();
  Text3->clear();
  BillList = {};
  List->clear();
  added_ = {};
  forgetPatient();
  try {
    Label2->setText(NextBillNumberText(gCon, BillKind::InPatient));
  } catch (const DbError& e) {
    // No number is shown then; the print reads it again.
    Label2->clear();
    MsgBox(e.Description(), vbCritical);
  }
}

void frmInBill::Picture4_Click() { Picture3_Click(); }
