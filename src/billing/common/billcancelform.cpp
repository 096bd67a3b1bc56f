#include "billing/common/billcancelform.h"

#include <QFocusEvent>
#include <QSignalBlocker>
#include <algorithm>

#include "billing/common/reportrows.h"
#include "data/bills.h"
#include "data/columns.h"
#include "framework/databaseerror.h"
#include "framework/keyfilters.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/msgbox.h"
#include "platform/system.h"

namespace {

const QString kSelectBill = QStringLiteral("Please select the Bill Number");

constexpr double kCaptionLeft = 3120;
constexpr double kBoxLeft = 5280;
constexpr double kRowStep = 480;
constexpr double kCaptionWidth = 2000;
constexpr double kRowHeight = 330;

}  // namespace

const BillCancelShape& CancelShapeOf(CancelBillKind kind) {
  static const BillCancelShape outPatient{
      "frmCancelBill",
      "                   Settings Out-Patient Cancel Bill",
      BillKind::OutPatient,
      cols::OutPatientPrintDetails::kTable,
      cols::OutPatientPrintDetails::BillNo,
      {"Dr Fees", "Dressing Charges", "X-Ray", "Lab Charge", "ECG", "Scan", "Others"},
      {},
      false,
      true,
      true,
      vbOKOnly,
      false,
      840, 8040, 825,
      1440, 2655, 1920,
      2400,
      5760, 1700, 6360,
      6840, 3960, 5760,
  };
  static const BillCancelShape inPatient{
      "frmCancelInBill",
      "                   Settings In-Patient Cancel Bill",
      BillKind::InPatient,
      cols::InPatientPrintDetails::kTable,
      cols::InPatientPrintDetails::BillNo,
      {"Bed Charges", "Professional Charges", "Nursing Charges", "Op/T Charges", "Anesthetic Charges", "X-Ray",
       "Lab Charges", "ECG", "Scan", "Others"},
      // X-Ray and Lab Charges are kept with the bill but belong to the test bills.
      {5, 6},
      true,
      false,
      false,
      vbCritical,
      true,
      1080, 8080, 1065,
      1560, 3615, 2040,
      2520,
      6360, 1815, 6840,
      7560, 4800, 6240,
  };
  return kind == CancelBillKind::OutPatient ? outPatient : inPatient;
}

BillCancelForm::BillCancelForm(CancelBillKind kind)
    : MenuForm({QString::fromLatin1(CancelShapeOf(kind).caption), 9795, 11745}), shape_(CancelShapeOf(kind)) {
  setObjectName(QString::fromLatin1(shape_.formName));

  // The bill's values are shown, never edited: nothing typed here would be saved.
  auto shownBox = [this](QLineEdit& box, const QString& name, double top, double width) {
    box.setObjectName(name);
    MoveTwips(&box, kBoxLeft, top, width, kRowHeight);
    if (shape_.boxesDisabled)
      box.setEnabled(false);
    else
      box.setReadOnly(true);
  };

  captions_.add(QStringLiteral("Bill Number"), kCaptionLeft, shape_.billNoTop, kCaptionWidth, kRowHeight);
  cmbBillNumber.setObjectName(QStringLiteral("cmbBillNumber"));
  PlaceChoiceBox(cmbBillNumber, kBoxLeft, shape_.billNoTop, 2655, kRowHeight,
                 shape_.comboInserts ? cmbBillNumber.insertPolicy() : QComboBox::NoInsert);
  MoveTwips(&Picture11, shape_.helpLeft, shape_.helpTop, 360, 360);

  captions_.add(QStringLiteral("Patient Name"), kCaptionLeft, shape_.nameTop, kCaptionWidth, kRowHeight);
  shownBox(txtPatientName, QStringLiteral("txtPatientName"), shape_.nameTop, shape_.nameWidth);
  captions_.add(QStringLiteral("Patient ID"), kCaptionLeft, shape_.idTop, kCaptionWidth, kRowHeight);
  shownBox(txtPatientID, QStringLiteral("txtPatientID"), shape_.idTop, 2655);

  int row = 0;
  QWidget* previous = &txtPatientID;
  for (std::size_t i = 0; i < shape_.amounts.size(); ++i) {
    const bool hidden = std::find(shape_.hidden.begin(), shape_.hidden.end(), i) != shape_.hidden.end();
    const double top = shape_.firstAmountTop + kRowStep * (hidden ? 0 : row++);
    PlaceCaption(Label1.emplace_back(this), QString::fromLatin1(shape_.amounts[i]), kCaptionLeft, top, kCaptionWidth,
                 kRowHeight);
    QLineEdit& amount = Text1.emplace_back(this);
    shownBox(amount, QStringLiteral("Text1_%1").arg(i), top, 2175);
    // The amounts come after the patient in the tab order, as they stand on the form.
    setTabOrder(previous, &amount);
    previous = &amount;
    if (hidden) {
      Label1.back().setVisible(false);
      amount.setVisible(false);
    }
  }

  captions_.add(QStringLiteral("Date"), kCaptionLeft, shape_.dateTop, kCaptionWidth, kRowHeight);
  DTPicker1.setObjectName(QStringLiteral("DTPicker1"));
  DTPicker1.setCalendarPopup(true);
  DTPicker1.setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  SetTodayPickers({&DTPicker1});
  MoveTwips(&DTPicker1, kBoxLeft, shape_.dateTop, shape_.dateWidth, kRowHeight);
  captions_.add(QStringLiteral("Total"), kCaptionLeft, shape_.totalTop, kCaptionWidth, kRowHeight);
  shownBox(txtTotal, QStringLiteral("txtTotal"), shape_.totalTop, 2175);

  MoveTwips(&Picture1, shape_.okLeft, shape_.buttonsTop, 870, 360);
  MoveTwips(&Picture2, shape_.closeLeft, shape_.buttonsTop, 870, 360);

  Label3.setObjectName(QStringLiteral("Label3"));
  SetUpHoverHolder(Label3);
}

BillCancelForm::~BillCancelForm() {
  // The box outlives this destructor's body: it must not run the look-up of a form half gone.
  cmbBillNumber.removeEventFilter(this);
}

std::vector<MenuPicture> BillCancelForm::MenuPictures() {
  return OkCancelPictures(&Picture1, &Picture2, &Label3, &Picture11,
                          QStringLiteral("Select the Bill Number that you wish to Cancel!"));
}

void BillCancelForm::LoadMenuForm() {
  connect(&Picture1, &ImageButton::Click, this, &BillCancelForm::Picture1_Click);
  connect(&Picture2, &ImageButton::Click, this, &BillCancelForm::Picture2_Click);
  connect(&DTPicker1, &QDateEdit::dateChanged, this, &BillCancelForm::DTPicker1_Change);
  QComboBox* combo = &cmbBillNumber;
  WireKeyPress(combo, [combo](int& KeyAscii) { KeyAscii = AutoCompleteKeyPress(combo, KeyAscii, false); });
  connect(combo, &QComboBox::editTextChanged, this, &BillCancelForm::cmbBillNumber_Change);
  connect(combo, &QComboBox::activated, this, &BillCancelForm::cmbBillNumber_Change);
  combo->installEventFilter(this);

  try {
    fillBillNumbers();
  } catch (const DbError&) {
    DatabaseErrorEnd();
    return;
  }
}

void BillCancelForm::fillBillNumbers() {
  // A million bills over ten years: only their numbers are listed, in the table's order, read from
  // the index of the numbers; a look-up reads its bill alone. Showing the list runs no look-up.
  bills_ = ShowKeyList(&cmbBillNumber,
                       ReadKeyListInTableOrder(gCon, ValidBillNumbersRead(shape_.kind), shape_.billNoColumn, false));
}

bool BillCancelForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &cmbBillNumber && event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
    cmbBillNumber_Change();
  return MenuForm::eventFilter(watched, event);
}

void BillCancelForm::Picture2_Click() { CloseForm(); }

void BillCancelForm::DTPicker1_Change() { RefuseFutureBillDate(DTPicker1); }

void BillCancelForm::cmbBillNumber_Change() {
  const QString text = cmbBillNumber.currentText();
  if (!bills_ || Trim(text).isEmpty()) return;
  // The first listed bill of that number, as it now stands.
  std::unique_ptr<Recordset> bill = ReadListedRow(gCon, QString::fromLatin1(shape_.table), *bills_, text);
  if (!bill) {
    // The boxes keep the bill shown before, but it is no longer one a Cancel may touch.
    located_.reset();
    locatedBillNo_.clear();
    return;
  }
  BillRecordset = std::move(bill);
  Recordset& rs = *BillRecordset;
  const StoredBill shown = ReadStoredBill(shape_.kind, rs);
  txtPatientName.setText(shown.patientName);
  txtPatientID.setText(shown.patientId);
  for (std::size_t i = 0; i < Text1.size() && i < shown.amounts.size(); ++i) Text1[i].setText(shown.amounts[i]);
  if (const std::optional<QDate> day = StoredDay(shown.date)) {
    // The bill's own date, shown as it is stored: it is never checked against today here.
    const QSignalBlocker blocker(DTPicker1);
    DTPicker1.setDate(*day);
  }
  txtTotal.setText(shown.total);
  located_ = rs.GetBookmark();
  locatedBillNo_ = text;
}

void BillCancelForm::Picture1_Click() {
  // Only the bill the last look-up found: after a miss or a cancellation the boxes may still
  // show a bill, but none is located and nothing may be written.
  const bool shown = located_ && (!shape_.cancelNeedsShownNumber ||
                                  (!txtPatientID.text().isEmpty() && cmbBillNumber.currentText() == locatedBillNo_));
  if (!shown) {
    MsgBox(kSelectBill, vbCritical, QStringLiteral("Warning"));
    cmbBillNumber.setFocus();
    return;
  }
  if (MsgBox(QStringLiteral("Do you Wish to Cancel ( Delete ) the Current Bill"), vbCritical + vbYesNo,
             QStringLiteral("Warning")) != vbYes)
    return;
  Recordset& rs = *BillRecordset;
  bool available = false;
  try {
    // A bill is cancelled once: its status is read again inside the transaction of the write,
    // so that a bill another program cancelled since the look-up is not cancelled again. No
    // message is shown while the transaction holds the database.
    available = CancelBill(shape_.kind, rs);
  } catch (const DbError& e) {
    if (rs.State() == adStateOpen) rs.CancelUpdate();
    MsgBox(e.Description(), shape_.errorIcon);
    return;
  }
  if (!available) {
    MsgBox(kSelectBill, vbCritical, QStringLiteral("Warning"));
    cmbBillNumber.setFocus();
    return;
  }
  located_.reset();
  locatedBillNo_.clear();
  MsgBox(QStringLiteral("Record Deleted ! Bill Cancelled "), vbInformation);
  if (!shape_.staysOpen) {
    CloseForm();
    return;
  }

  // More bills may be cancelled: the list is read again without the one just cancelled.
  const QString shownNo = cmbBillNumber.currentText();
  try {
    fillBillNumbers();
  } catch (const DbError& e) {
    // The bill is cancelled; only the list could not be read again, and stays as it was.
    MsgBox(e.Description(), vbCritical);
  }
  // Putting the number back runs the look-up, which no longer finds it: the cancelled bill stays
  // on display with nothing located.
  cmbBillNumber.setEditText(shownNo);
}
