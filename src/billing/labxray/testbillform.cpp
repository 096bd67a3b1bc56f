#include "billing/labxray/testbillform.h"

#include <QFocusEvent>
#include <QPointer>

#include "billing/common/billpictures.h"
#include "billing/common/billprint.h"
#include "billing/labxray/testbillstore.h"
#include "data/columns.h"
#include "data/doctors.h"
#include "data/patients.h"
#include "data/pricelists.h"
#include "framework/databaseerror.h"
#include "framework/keyfilters.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "platform/vbruntime.h"

namespace {
// A test bill's patient is an in-patient or an out-patient: both rows begin with the same columns.
namespace patient = cols::SettingsOutPatient;
// The tests' names lead both price lists.
constexpr int kTestName = cols::SettingsLab::Description;
static_assert(kTestName == int(cols::SettingsXRay::Description));
static_assert(int(patient::Age) == int(cols::SettingsInPatient::Age) &&
              int(patient::Sex) == int(cols::SettingsInPatient::Sex) && int(patient::Address) == int(cols::SettingsInPatient::Address) &&
              int(patient::Location) == int(cols::SettingsInPatient::Location));

const char* const kNoPatient = "Please Select the Patient Name First";
const char* const kNoTest = "Please Select the Description First";

constexpr int kFormHeight = 10425;
constexpr int kFormWidth = 11745;
}  // namespace

TestBillForm::TestBillForm(TestBillKind kind)
    : MenuForm({.caption = QString::fromLatin1(TestBillConfigOf(kind).billCaption),
                .height = kFormHeight, .width = kFormWidth}), kind_(kind) {
  SetUpHoverHolder(Label3);

  PlaceBillHead(captions_, cmbPatientName, cmbDrName, txtPatientID, kBillComboWidth);
  captions_.add(QStringLiteral("Description"), 3000, 2040, kBillCaptionWidth);
  PlaceChoiceBox(cmbDescription, 5400, 2040, kBillComboWidth, kBillBoxHeight);
  MoveTwips(&Picture1, 8040, 2020, kBillButtonWidth, kBillButtonHeight);
  MoveTwips(&Picture11, 9120, 2020, kBillHelpSize, kBillHelpSize);
  captions_.add(QStringLiteral("Discount"), 3000, 2520, kBillCaptionWidth);
  MoveTwips(&txtDiscount, 5400, 2520, 1000, kBillBoxHeight);

  PlaceBillNumber(captions_, Label2, DTPicker1, 1080);
  SetTodayPickers({&DTPicker1});

  PlaceBillList(List, 2400, 3120, 6810, 4680, {700, 4800, 1000});

  captions_.add(QStringLiteral("Grass Total"), 6240, 8040, 1320);
  MoveTwips(&txtCTotal, 7680, 8040, 1500, kBillBoxHeight);
  PlaceBillFoot(captions_, {Picture4, Picture3, txtTotal, Picture2, Picture12, CheckBox1, Picture5});
  // The totals are the form's own arithmetic: nothing may be typed or pasted into them.
  for (QLineEdit* total : {&txtCTotal, &txtTotal}) {
    total->setReadOnly(true);
    total->setAlignment(Qt::AlignRight);
  }

  chooser_ = std::make_unique<PatientChooser>(&cmbPatientName, &txtPatientID);
  connect(chooser_.get(), &PatientChooser::PatientChosen, this, &TestBillForm::patientChosen);
  connect(chooser_.get(), &PatientChooser::PatientForgotten, this, &TestBillForm::forgetPatient);
  connect(chooser_.get(), &PatientChooser::PatientConfirmed, this, [this] { cmbDrName.setFocus(); });
  QComboBox* doctors = &cmbDrName;
  WireKeyPress(doctors, [doctors](int& KeyAscii) { KeyAscii = AutoCompleteKeyPress(doctors, KeyAscii, false); });
  WireKeyPress(&cmbDescription, [this](int& KeyAscii) {
    KeyAscii = AutoCompleteKeyPress(&cmbDescription, KeyAscii, false);
    if (KeyAscii == 13 && testChosen_ && TestAmount.toDouble() != 0) Picture1_Click();
  });
  connect(&cmbDescription, &QComboBox::editTextChanged, this, &TestBillForm::cmbDescription_Change);
  connect(&cmbDescription, &QComboBox::activated, this, &TestBillForm::cmbDescription_Change);
  cmbDescription.installEventFilter(this);
  connect(&DTPicker1, &QDateEdit::dateChanged, this, &TestBillForm::DTPicker1_Change);
  connect(&Picture1, &ImageButton::Click, this, &TestBillForm::Picture1_Click);
  connect(&Picture2, &ImageButton::Click, this, &TestBillForm::Picture2_Click);
  connect(&Picture3, &ImageButton::Click, this, &TestBillForm::Picture3_Click);
  connect(&Picture4, &ImageButton::Click, this, &TestBillForm::Picture4_Click);
}

TestBillForm::~TestBillForm() {
  // The box outlives this destructor's body: it must not run the look-up of a form half gone.
  cmbDescription.removeEventFilter(this);
}

bool TestBillForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &cmbDescription && event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
    cmbDescription_Change();
  return MenuForm::eventFilter(watched, event);
}

bool TestBillForm::closeWhenEmpty(bool empty, const QString& message) {
  if (!empty) return false;
  MsgBox(message, vbCritical, QStringLiteral("Warning"));
  CloseForm();
  return true;
}

void TestBillForm::PrepareControls() {
  txtDiscount.setText(QStringLiteral("0"));
  BillPrinted = false;
}

std::vector<MenuPicture> TestBillForm::MenuPictures() {
  return BillFormPictures({&Picture1, &Picture2, &Picture3, &Picture4, &Picture11, &Picture12, &Picture5, &Label3}, true);
}

void TestBillForm::LoadMenuForm() {
  // Read only: the bill looks its prices up in it and never writes the price list.
  if (!RunDatabaseStep(*this, [this] { PriceRecordset.Open(TestPricesRead(BillKindOf(kind_)), gCon); })) return;
  if (closeWhenEmpty(PriceRecordset.RecordCount() == 0, QStringLiteral("Please add the Description Details First")))
    return;
  {
    const QSignalBlocker blocker(cmbDescription);
    // The price list keeps a name as it was typed, blanks around it included; the bill offers,
    // matches and bills the name itself.
    for (PriceRecordset.MoveFirst(); !PriceRecordset.Eof(); PriceRecordset.MoveNext())
      cmbDescription.addItem(Trim(PriceRecordset.Fields(kTestName).toText()));
    cmbDescription.setCurrentIndex(-1);
    cmbDescription.setEditText(QString());
  }

  QStringList doctorIds;
  if (!RunDatabaseStep(*this, [&doctorIds] { doctorIds = DoctorIds(gCon); })) return;
  if (closeWhenEmpty(doctorIds.isEmpty(), QStringLiteral("Please add the Dr. Details First"))) return;
  {
    const QSignalBlocker blocker(cmbDrName);
    cmbDrName.addItems(doctorIds);
    cmbDrName.setCurrentIndex(-1);
    cmbDrName.setEditText(QString());
  }

  // Half a million patients: the chooser keeps their identifiers only and reads the chosen one.
  if (!RunDatabaseStep(*this, [this] {
        chooser_->Fill(gCon, {PatientsByNameRead(PatientTableKind::InPatient),
                              PatientsByNameRead(PatientTableKind::OutPatient)});
      }))
    return;
  enum { kInPatients, kOutPatients };  // the order the chooser was filled in
  if (chooser_->Count(kInPatients) == 0 || chooser_->Count(kOutPatients) == 0) {
    MsgBox(chooser_->Count(kInPatients) == 0 ? QStringLiteral("Please add the InPatient Details First")
                                             : QStringLiteral("Please add the OutPatient Details First"),
           vbCritical, QStringLiteral("Warning"));
    CloseForm();
    return;
  }

  // The save opens the bill table and the counter itself; reading the next number from both here
  // makes a table that cannot be read the load's "Database Error", as it always was.
  RunDatabaseStep(*this, [this] { Label2.setText(NextBillNumberText(gCon, BillKindOf(kind_))); });
}

void TestBillForm::patientChosen() {
  PatientAddress = chooser_->Field(patient::Address);
  PatientLocation = chooser_->Field(patient::Location);
  PatientSex = chooser_->Field(patient::Sex);
  PatientAge = chooser_->Field(patient::Age);
}

void TestBillForm::forgetPatient() {
  PatientAge.clear();
  PatientSex.clear();
  PatientAddress.clear();
  PatientLocation.clear();
}

void TestBillForm::cmbDescription_Change() {
  const QString wanted = Trim(cmbDescription.currentText());
  // A text that names no test must not be billed at the price of the test chosen before it.
  testChosen_ = false;
  if (wanted.isEmpty() || PriceRecordset.State() != adStateOpen) return;
  for (PriceRecordset.MoveFirst(); !PriceRecordset.Eof(); PriceRecordset.MoveNext()) {
    if (Trim(PriceRecordset.Fields(kTestName).toText()) != wanted) continue;
    const int column = kind_ == TestBillKind::Lab ? int(cols::SettingsLab::Amount)
                       : IsXRayAdult(PatientAge)  ? int(cols::SettingsXRay::AdultAmount)
                                                  : int(cols::SettingsXRay::ChildrenAmount);
    TestAmount = PriceRecordset.Fields(column);
    testChosen_ = true;
    return;
  }
}

void TestBillForm::DTPicker1_Change() { RefuseFutureBillDate(DTPicker1); }

void TestBillForm::Picture1_Click() {
  if (BillPrinted) {
    MsgBox(QStringLiteral("You cannt Change the Bill Already Printed ! Cancel the Bill First then Again Give Print"),
           vbCritical, QStringLiteral("Warning"));
    return;
  }
  // A bill needs no patient, but an identifier typed and not confirmed is nobody's: the name
  // shown beside it would be the one chosen before.
  if (!Trim(cmbPatientName.currentText()).isEmpty() && !chooser_->HasPatient()) {
    const QPointer<TestBillForm> alive(this);
    MsgBox(QString::fromLatin1(kNoPatient), vbCritical);
    if (!alive) return;
    cmbPatientName.setFocus();
    return;
  }
  if (Trim(cmbDescription.currentText()).isEmpty() || !testChosen_) {
    const QPointer<TestBillForm> alive(this);
    MsgBox(QString::fromLatin1(kNoTest), vbCritical);
    if (!alive) return;
    cmbDescription.setFocus();
    return;
  }
  ++SerialCounter;
  const QString price = TestAmount.toText();
  AddBillListRow(List, Format00(SerialCounter),
                 QString::fromLatin1(TestBillConfigOf(kind_).linePrefix) + Trim(cmbDescription.currentText()), price);
  txtCTotal.setText(AddToGross(txtCTotal.text(), price));
}

BillSheet TestBillForm::sheet() const {
  BillSheet s = BillSheetHead(*this, BillSheet::Kind::Test, chooser_->HasPatient());
  for (int i = 0; i < List.topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = List.topLevelItem(i);
    s.rows.push_back({item->text(0), item->text(1), item->text(2)});
  }
  s.net = Money::Parse(txtTotal.text());
  s.discount = txtDiscount.text();
  s.grossTotal = txtCTotal.text();
  return s;
}

void TestBillForm::Picture2_Click() {
  // Each box runs the program's events until it is answered; should they close this form, the
  // click ends with its box.
  const QPointer<TestBillForm> alive(this);
  if (TestBillConfigOf(kind_).serialRestartsAtPrint) SerialCounter = 0;
  Money discount;
  if (!ReadDiscount(txtDiscount.text(), discount)) {
    MsgBox(QStringLiteral("Please select Correct Discount ! This is Invalid Discount"), vbCritical);
    if (!alive) return;
    txtDiscount.setFocus();
    return;
  }
  txtTotal.setText(NetTotal(txtCTotal.text(), discount));
  try {
    SetUpBillPrinter();
    if (List.topLevelItemCount() == 0) {
      MsgBox(QStringLiteral("Please add the Amount"), vbCritical, QStringLiteral("Warning"));
      return;
    }
    if (!Trim(cmbPatientName.currentText()).isEmpty() && !chooser_->HasPatient()) {
      MsgBox(QString::fromLatin1(kNoPatient), vbCritical);
      if (!alive) return;
      cmbPatientName.setFocus();
      return;
    }
    if (MsgBox(QStringLiteral("Do you wish to Print this Bill"), vbYesNo, QStringLiteral("Print")) != vbYes || !alive)
      return;
    if (BillPrinted) {
      PrintBillSheet(sheet());
      return;
    }
  } catch (const std::exception&) {
    ShowPrinterNotReady();
    return;
  }
  // The number shown was read when the bill was begun; the paper, the stored lines and the
  // counter carry the one that is next now.
  const NewBillPrinted done = PrintAndStoreNewBill({
      .kind = BillKindOf(kind_),
      .number = &Label2,
      .printSheet = [this] { PrintBillSheet(sheet()); },
      .toStore = [this] { return BillToStore{storedBill(), {}}; },
  });
  if (alive && done == NewBillPrinted::Stored) BillPrinted = true;
}

TestBillRecord TestBillForm::storedBill() const {
  TestBillRecord bill;
  bill.billNo = Label2.text();
  bill.date = DTPicker1.date();
  for (int i = 0; i < List.topLevelItemCount(); ++i)
    bill.lines.push_back({List.topLevelItem(i)->text(1), List.topLevelItem(i)->text(2)});
  bill.discount = txtDiscount.text();
  bill.grossTotal = txtCTotal.text();
  bill.total = txtTotal.text();
  bill.patientName = txtPatientID.text();
  bill.patientId = cmbPatientName.currentText();
  return bill;
}

void TestBillForm::Picture3_Click() {
  SerialCounter = 0;
  BillPrinted = false;
  txtTotal.clear();
  chooser_->Clear();
  txtCTotal.clear();
  cmbDrName.setCurrentIndex(-1);
  cmbDrName.setEditText(QString());
  cmbDescription.setCurrentIndex(-1);
  cmbDescription.setEditText(QString());
  testChosen_ = false;
  List.clear();
  txtDiscount.setText(QStringLiteral("0"));
  forgetPatient();
  try {
    Label2.setText(NextBillNumberText(gCon, BillKindOf(kind_)));
  } catch (const DbError& e) {
    // No number is shown then; the print reads it again.
    Label2.clear();
    MsgBox(e.Description(), vbCritical);
  }
}

void TestBillForm::Picture4_Click() { Picture3_Click(); }
