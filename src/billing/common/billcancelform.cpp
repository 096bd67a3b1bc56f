#include "billing/common/billcancelform.h"

#include <QFocusEvent>
#include <QSignalBlocker>
#include <algorithm>

#include "billing/common/reportrows.h"
#include "data/bills.h"
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

const BillCancelConfig& BillCancelConfigOf(BillKind kind) {
  static const BillCancelConfig outPatient{
      .formName = "frmCancelBill",
      .caption = "                   Settings Out-Patient Cancel Bill",
      .kind = BillKind::OutPatient,
      .amounts = {"Dr Fees", "Dressing Charges", "X-Ray", "Lab Charge", "ECG", "Scan", "Others"},
      .hidden = {},
      .boxesDisabled = false,
      .comboInserts = true,
      .cancelNeedsShownNumber = true,
      .errorIcon = vbOKOnly,
      .staysOpen = false,
      .billNoTop = 840,
      .helpLeft = 8040,
      .helpTop = 825,
      .nameTop = 1440,
      .nameWidth = 2655,
      .idTop = 1920,
      .firstAmountTop = 2400,
      .dateTop = 5760,
      .dateWidth = 1700,
      .totalTop = 6360,
      .buttonsTop = 6840,
      .okLeft = 3960,
      .closeLeft = 5760,
  };
  static const BillCancelConfig inPatient{
      .formName = "frmCancelInBill",
      .caption = "                   Settings In-Patient Cancel Bill",
      .kind = BillKind::InPatient,
      .amounts = {"Bed Charges", "Professional Charges", "Nursing Charges", "Op/T Charges", "Anesthetic Charges",
                  "X-Ray", "Lab Charges", "ECG", "Scan", "Others"},
      // X-Ray and Lab Charges are kept with the bill but belong to the test bills.
      .hidden = {5, 6},
      .boxesDisabled = true,
      .comboInserts = false,
      .cancelNeedsShownNumber = false,
      .errorIcon = vbCritical,
      .staysOpen = true,
      .billNoTop = 1080,
      .helpLeft = 8080,
      .helpTop = 1065,
      .nameTop = 1560,
      .nameWidth = 3615,
      .idTop = 2040,
      .firstAmountTop = 2520,
      .dateTop = 6360,
      .dateWidth = 1815,
      .totalTop = 6840,
      .buttonsTop = 7560,
      .okLeft = 4800,
      .closeLeft = 6240,
  };
  return kind == BillKind::InPatient ? inPatient : outPatient;
}

BillCancelForm::BillCancelForm(BillKind kind)
    : MenuForm({.caption = QString::fromLatin1(BillCancelConfigOf(kind).caption), .height = 9795, .width = 11745}),
      config_(BillCancelConfigOf(kind)) {
  setObjectName(QString::fromLatin1(config_.formName));

  // The bill's values are shown, never edited: nothing typed here would be saved.
  auto shownBox = [this](QLineEdit& box, const QString& name, double top, double width) {
    box.setObjectName(name);
    MoveTwips(&box, kBoxLeft, top, width, kRowHeight);
    if (config_.boxesDisabled)
      box.setEnabled(false);
    else
      box.setReadOnly(true);
  };

  captions_.add(QStringLiteral("Bill Number"), kCaptionLeft, config_.billNoTop, kCaptionWidth, kRowHeight);
  cmbBillNumber.setObjectName(QStringLiteral("cmbBillNumber"));
  PlaceChoiceBox(cmbBillNumber, kBoxLeft, config_.billNoTop, 2655, kRowHeight,
                 config_.comboInserts ? cmbBillNumber.insertPolicy() : QComboBox::NoInsert);
  MoveTwips(&Picture11, config_.helpLeft, config_.helpTop, 360, 360);

  captions_.add(QStringLiteral("Patient Name"), kCaptionLeft, config_.nameTop, kCaptionWidth, kRowHeight);
  shownBox(txtPatientName, QStringLiteral("txtPatientName"), config_.nameTop, config_.nameWidth);
  captions_.add(QStringLiteral("Patient ID"), kCaptionLeft, config_.idTop, kCaptionWidth, kRowHeight);
  shownBox(txtPatientID, QStringLiteral("txtPatientID"), config_.idTop, 2655);

  int row = 0;
  QWidget* previous = &txtPatientID;
  for (std::size_t i = 0; i < config_.amounts.size(); ++i) {
    const bool hidden = std::find(config_.hidden.begin(), config_.hidden.end(), i) != config_.hidden.end();
    const double top = config_.firstAmountTop + kRowStep * (hidden ? 0 : row++);
    PlaceCaption(Label1.emplace_back(this), QString::fromLatin1(config_.amounts[i]), kCaptionLeft, top, kCaptionWidth,
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

  captions_.add(QStringLiteral("Date"), kCaptionLeft, config_.dateTop, kCaptionWidth, kRowHeight);
  DTPicker1.setObjectName(QStringLiteral("DTPicker1"));
  DTPicker1.setCalendarPopup(true);
  DTPicker1.setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  SetTodayPickers({&DTPicker1});
  MoveTwips(&DTPicker1, kBoxLeft, config_.dateTop, config_.dateWidth, kRowHeight);
  captions_.add(QStringLiteral("Total"), kCaptionLeft, config_.totalTop, kCaptionWidth, kRowHeight);
  shownBox(txtTotal, QStringLiteral("txtTotal"), config_.totalTop, 2175);

  MoveTwips(&Picture1, config_.okLeft, config_.buttonsTop, 870, 360);
  MoveTwips(&Picture2, config_.closeLeft, config_.buttonsTop, 870, 360);

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

  RunDatabaseStep(*this, [this] { fillBillNumbers(); });
}

void BillCancelForm::fillBillNumbers() {
  // A million bills over ten years: only their numbers are listed, in the table's order, read from
  // the index of the numbers; a look-up reads its bill alone. Showing the list runs no look-up.
  bills_ = ShowKeyList(&cmbBillNumber,
                       ReadKeyListInTableOrder(gCon, ValidBillNumbersRead(config_.kind), kBillNumberColumn, false));
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
  // The first listed bill of that number, as it now stands; a bill that is no longer there is not
  // found. One that cannot be read is told as the failed read it is, not as a bill not there: the
  // clerk's number stays in the box to try again.
  const int listed = bills_->FirstExact(text);
  std::optional<StoredBill> bill;
  unread_ = false;
  if (listed >= 0) {
    try {
      bill = ReadBill(gCon, config_.kind, bills_->RowId(listed));
    } catch (const DbError&) {
      unread_ = true;
      ShowDatabaseError();
    }
  }
  if (!bill) {
    // The boxes keep the bill shown before, but it is no longer one a Cancel may touch.
    located_.reset();
    locatedBillNo_.clear();
    return;
  }
  const StoredBill& shown = *bill;
  txtPatientName.setText(shown.patientName);
  txtPatientID.setText(shown.patientId);
  for (std::size_t i = 0; i < Text1.size() && i < shown.amounts.size(); ++i) Text1[i].setText(shown.amounts[i]);
  if (const std::optional<QDate> day = StoredDay(shown.date)) {
    // The bill's own date, shown as it is stored: it is never checked against today here.
    const QSignalBlocker blocker(DTPicker1);
    DTPicker1.setDate(*day);
  }
  txtTotal.setText(shown.total);
  located_ = bills_->RowId(listed);
  locatedBillNo_ = text;
}

void BillCancelForm::Picture1_Click() {
  // Only the bill the last look-up found: after a miss or a cancellation the boxes may still
  // show a bill, but none is located and nothing may be written.
  const auto shown = [this] {
    return located_ && (!config_.cancelNeedsShownNumber ||
                        (!txtPatientID.text().isEmpty() && cmbBillNumber.currentText() == locatedBillNo_));
  };
  // A number whose look-up the database failed is looked up again: told "select the bill" after
  // "Database Error", the clerk would take a bill that is there for one that is not.
  if (!shown() && unread_) {
    cmbBillNumber_Change();
    if (unread_) return;
  }
  if (!shown()) {
    MsgBox(kSelectBill, vbCritical, QStringLiteral("Warning"));
    cmbBillNumber.setFocus();
    return;
  }
  if (MsgBox(QStringLiteral("Do you Wish to Cancel ( Delete ) the Current Bill"), vbCritical + vbYesNo,
             QStringLiteral("Warning")) != vbYes)
    return;
  bool available = false;
  try {
    // A bill is cancelled once: its status is read again inside the transaction of the write,
    // so that a bill another program cancelled since the look-up is not cancelled again. No
    // message is shown while the transaction holds the database.
    available = CancelBill(gCon, config_.kind, *located_);
  } catch (const DbError& e) {
    MsgBox(e.Description(), config_.errorIcon);
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
  if (!config_.staysOpen) {
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
