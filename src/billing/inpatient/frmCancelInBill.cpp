#include "billing/inpatient/frmCancelInBill.h"

#include <QFocusEvent>
#include <QSignalBlocker>

#include "billing/common/reportrows.h"
#include "data/bills.h"
#include "data/columns.h"
#include "framework/databaseerror.h"
#include "framework/formdesign.h"
#include "framework/keyfilters.h"
#include "framework/mainmenus.h"
#include "framework/tooltip.h"
#include "framework/trimpicture.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/msgbox.h"
#include "platform/system.h"

namespace {

const QString kSelectBill = QStringLiteral("Please select the Bill Number");
namespace bill = cols::InPatientPrintDetails;

constexpr double kCaptionLeft = 3120;
constexpr double kBoxLeft = 5280;
constexpr double kFirstRowTop = 1080;
constexpr double kRowStep = 480;

double rowTop(int row) { return kFirstRowTop + kRowStep * row; }

QLabel* caption(QWidget* form, const QString& text, double top) {
  auto* label = new QLabel(text, form);
  MoveTwips(label, kCaptionLeft, top, 2000, 330);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

// The stored bill is shown, never edited: nothing typed here would be saved.
QLineEdit* shownBox(QWidget* form, const QString& name, double top, double width) {
  auto* box = new QLineEdit(form);
  box->setObjectName(name);
  MoveTwips(box, kBoxLeft, top, width, 330);
  box->setEnabled(false);
  return box;
}

}  // namespace

frmCancelInBill::frmCancelInBill() {
  setObjectName(QStringLiteral("frmCancelInBill"));

  caption(this, QStringLiteral("Bill Number"), rowTop(0));
  cmbBillNumber = new QComboBox(this);
  cmbBillNumber->setObjectName(QStringLiteral("cmbBillNumber"));
  cmbBillNumber->setEditable(true);
  cmbBillNumber->setInsertPolicy(QComboBox::NoInsert);
  MoveTwips(cmbBillNumber, kBoxLeft, rowTop(0), 2655, 330);
  Picture11 = new ImageButton(this, QStringLiteral("Picture11"));
  MoveTwips(Picture11, kBoxLeft + 2800, rowTop(0) - 15, 360, 360);

  caption(this, QStringLiteral("Patient Name"), rowTop(1));
  txtPatientName = shownBox(this, QStringLiteral("txtPatientName"), rowTop(1), 3615);
  caption(this, QStringLiteral("Patient ID"), rowTop(2));
  txtPatientID = shownBox(this, QStringLiteral("txtPatientID"), rowTop(2), 2655);

  const char* const charges[] = {"Bed Charges", "Professional Charges", "Nursing Charges", "Op/T Charges",
                                 "Anesthetic Charges", "X-Ray", "Lab Charges", "ECG", "Scan", "Others"};
  int row = 3;
  for (std::size_t i = 0; i < Text1.size(); ++i) {
    // X-Ray and Lab Charges are kept with the bill but belong to the test bills: never shown.
    const bool hidden = i == 5 || i == 6;
    const double top = hidden ? rowTop(3) : rowTop(row++);
    Label1[i] = caption(this, QString::fromLatin1(charges[i]), top);
    Text1[i] = shownBox(this, QStringLiteral("Text1_%1").arg(i), top, 2175);
    if (hidden) {
      Label1[i]->setVisible(false);
      Text1[i]->setVisible(false);
    }
  }

  caption(this, QStringLiteral("Date"), rowTop(row));
  DTPicker1 = new QDateEdit(this);
  DTPicker1->setObjectName(QStringLiteral("DTPicker1"));
  DTPicker1->setCalendarPopup(true);
  MoveTwips(DTPicker1, kBoxLeft, rowTop(row), 1815, 330);
  ++row;
  caption(this, QStringLiteral("Total"), rowTop(row));
  txtTotal = shownBox(this, QStringLiteral("txtTotal"), rowTop(row), 2175);
  ++row;

  const double buttonsTop = rowTop(row) + 240;
  Picture1 = new ImageButton(this, QStringLiteral("Picture1"));
  MoveTwips(Picture1, 4800, buttonsTop, 870, 360);
  Picture2 = new ImageButton(this, QStringLiteral("Picture2"));
  MoveTwips(Picture2, 6240, buttonsTop, 870, 360);

  Label3 = new QLabel(QStringLiteral("Label3"), this);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->hide();
}

frmCancelInBill::~frmCancelInBill() {
  if (cmbBillNumber) cmbBillNumber->removeEventFilter(this);
}

void frmCancelInBill::Form_Load() {
  HideMainMenus(CurrentUserTypeBox());
  DTPicker1->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  DTPicker1->setDate(Today());
  gActiveForm = this;
  DesignForm(this, &ShockwaveFlash1, &ShockwaveFlash2, &ShockwaveFlash3, 9795, 11745,
             QStringLiteral("                   Settings In-Patient Cancel Bill"), &Image1);
  CenterForm();
  DTPicker1->setDate(Today());

  Picture1->setPicture(QStringLiteral("\\ok.gif"));
  Picture2->setPicture(QStringLiteral("\\can.gif"));
  Picture11->setPicture(QStringLiteral("\\help1.gif"));
  for (ImageButton* b : {Picture1, Picture2, Picture11}) TrimPictureBox(b);
  AddToolTip(Picture11, QStringLiteral("Select the Bill Number that you wish to Cancel!"), this);
  Picture1->setHoverImage(QStringLiteral("ok"), Label3);
  Picture2->setHoverImage(QStringLiteral("can"), Label3);

  connect(Picture1, &ImageButton::Click, this, &frmCancelInBill::Picture1_Click);
  connect(Picture2, &ImageButton::Click, this, &frmCancelInBill::Picture2_Click);
  connect(&ShockwaveFlash2, &FlashMovie::GotFocus, this, &frmCancelInBill::closeForm);
  connect(DTPicker1, &QDateEdit::dateChanged, this, &frmCancelInBill::DTPicker1_Change);
  QComboBox* combo = cmbBillNumber;
  WireKeyPress(combo, [combo](int& KeyAscii) { KeyAscii = AutoCompleteKeyPress(combo, KeyAscii, false); });
  connect(combo, &QComboBox::editTextChanged, this, &frmCancelInBill::cmbBillNumber_Change);
  connect(combo, &QComboBox::activated, this, &frmCancelInBill::cmbBillNumber_Change);
  combo->installEventFilter(this);

  try {
    fillBillNumbers();
  } catch (const DbError&) {
    DatabaseErrorEnd();
    return;
  }
}

void frmCancelInBill::fillBillNumbers() {
  // Only the numbers are listed, in the table's order; a search reads its bill alone. Showing the
  // list runs no search.
  bills_ = ShowKeyList(cmbBillNumber, ReadKeyList(gCon, ValidBillsSql(BillKind::InPatient), bill::BillNo, false));
}

void frmCancelInBill::Form_Unload(int& cancel) {
  (void)cancel;
  ShowMainMenus(CurrentUserTypeBox());
}

bool frmCancelInBill::eventFilter(QObject* watched, QEvent* event) {
  if (watched == cmbBillNumber && event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
    cmbBillNumber_Change();
  return VbForm::eventFilter(watched, event);
}

void frmCancelInBill::closeForm() {
  Hide();
  Unload();
}

void frmCancelInBill::Picture2_Click() { closeForm(); }

void frmCancelInBill::DTPicker1_Change() {
  if (DTPicker1->date() <= Today()) return;
  MsgBox(QStringLiteral("Please Select date Less than Equal To Current Date\r\nYou cannt Bill for Future Date"),
         vbCritical, QStringLiteral("Warning"));
  DTPicker1->setDate(Today());
}

void frmCancelInBill::cmbBillNumber_Change() {
  const QString text = cmbBillNumber->currentText();
  if (!bills_ || Trim(text).isEmpty() || bills_->Count() == 0) return;
  // The first listed bill of that number, as it now stands.
  std::unique_ptr<Recordset> bill = ReadListedRow(gCon, QString::fromLatin1(bill::kTable), *bills_, text);
  if (!bill) {
    // The boxes keep the bill shown before, but it is no longer one a Cancel may touch.
    located_.reset();
    return;
  }
  BillRecordset = std::move(bill);
  Recordset& rs = *BillRecordset;
  const StoredBill shown = ReadStoredBill(BillKind::InPatient, rs);
  txtPatientName->setText(shown.patientName);
  txtPatientID->setText(shown.patientId);
  for (std::size_t i = 0; i < Text1.size() && i < shown.amounts.size(); ++i) Text1[i]->setText(shown.amounts[i]);
  if (const std::optional<QDate> day = StoredDay(shown.date)) {
    // The bill's own date, shown as it is stored; it is not a date the user picked.
    const QSignalBlocker blocker(DTPicker1);
    DTPicker1->setDate(*day);
  }
  txtTotal->setText(shown.total);
  located_ = rs.GetBookmark();
}

void frmCancelInBill::Picture1_Click() {
  // Only the bill the last search found: after a miss or a cancellation the boxes may still show
  // a bill, but none is located and nothing may be written.
  if (!located_) {
    MsgBox(kSelectBill, vbCritical, QStringLiteral("Warning"));
    cmbBillNumber->setFocus();
    return;
  }
  if (MsgBox(QStringLiteral("Do you Wish to Cancel ( Delete ) the Current Bill"), vbCritical + vbYesNo,
             QStringLiteral("Warning")) != vbYes)
    return;
  Recordset& rs = *BillRecordset;
  bool available = false;
  try {
    // A bill is cancelled once: its status is read again inside the transaction of the write,
    // so that a bill another program cancelled since the search is not cancelled again. No
    // message is shown while the transaction holds the database.
    available = CancelBill(BillKind::InPatient, rs);
  } catch (const DbError& e) {
    if (rs.State() == adStateOpen) rs.CancelUpdate();
    MsgBox(e.Description(), vbCritical);
    return;
  }
  if (!available) {
    MsgBox(kSelectBill, vbCritical, QStringLiteral("Warning"));
    cmbBillNumber->setFocus();
    return;
  }
  located_.reset();
  MsgBox(QStringLiteral("Record Deleted ! Bill Cancelled "), vbInformation);

  const QString shown = cmbBillNumber->currentText();
  try {
    fillBillNumbers();
  } catch (const DbError& e) {
    // The bill is cancelled; only the list could not be read again, and stays as it was.
    MsgBox(e.Description(), vbCritical);
  }
  // Putting the number back runs the search, which no longer finds it: the cancelled bill stays
  // on display with nothing located.
  cmbBillNumber->setEditText(shown);
}
