#include "billing/outpatient/frmCancelBill.h"

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

namespace bill = cols::OutPatientPrintDetails;

QLabel* caption(QWidget* form, const QString& text, double top) {
  auto* label = new QLabel(text, form);
  MoveTwips(label, 3120, top, 2000, 330);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

// The bill's values are shown, never edited: nothing typed here would be saved.
QLineEdit* shownBox(QWidget* form, const char* name, double top, double width) {
  auto* box = new QLineEdit(form);
  box->setObjectName(QString::fromLatin1(name));
  MoveTwips(box, 5280, top, width, 330);
  box->setReadOnly(true);
  return box;
}

}  // namespace

frmCancelBill::frmCancelBill() {
  setObjectName(QStringLiteral("frmCancelBill"));

  caption(this, QStringLiteral("Bill Number"), 840);
  cmbBillNumber = new QComboBox(this);
  cmbBillNumber->setObjectName(QStringLiteral("cmbBillNumber"));
  cmbBillNumber->setEditable(true);
  MoveTwips(cmbBillNumber, 5280, 840, 2655, 330);
  Picture11 = new ImageButton(this, QStringLiteral("Picture11"));
  MoveTwips(Picture11, 8040, 825, 360, 360);

  caption(this, QStringLiteral("Patient Name"), 1440);
  txtPatientName = shownBox(this, "txtPatientName", 1440, 2655);
  caption(this, QStringLiteral("Patient ID"), 1920);
  txtPatientID = shownBox(this, "txtPatientID", 1920, 2655);

  const char* const fees[] = {"Dr Fees", "Dressing Charges", "X-Ray", "Lab Charge", "ECG", "Scan", "Others"};
  for (std::size_t i = 0; i < Text1.size(); ++i) {
    const double top = 2400 + 480 * double(i);
    Label1[i] = caption(this, QString::fromLatin1(fees[i]), top);
    Text1[i] = shownBox(this, "Text1", top, 2175);
    Text1[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
  }

  caption(this, QStringLiteral("Date"), 5760);
  DTPicker1 = new QDateEdit(this);
  DTPicker1->setObjectName(QStringLiteral("DTPicker1"));
  DTPicker1->setCalendarPopup(true);
  MoveTwips(DTPicker1, 5280, 5760, 1700, 330);
  caption(this, QStringLiteral("Total"), 6360);
  txtTotal = shownBox(this, "txtTotal", 6360, 2175);

  Picture1 = new ImageButton(this, QStringLiteral("Picture1"));
  MoveTwips(Picture1, 3960, 6840, 870, 360);
  Picture2 = new ImageButton(this, QStringLiteral("Picture2"));
  MoveTwips(Picture2, 5760, 6840, 870, 360);

  Label3 = new QLabel(QStringLiteral("Label3"), this);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->hide();
}

frmCancelBill::~frmCancelBill() {
  if (cmbBillNumber) cmbBillNumber->removeEventFilter(this);
}

void frmCancelBill::Form_Load() {
  HideMainMenus(CurrentUserTypeBox());
  DTPicker1->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  DTPicker1->setDate(Today());
  gActiveForm = this;
  DesignForm(this, &ShockwaveFlash1, &ShockwaveFlash2, &ShockwaveFlash3, 9795, 11745,
             QStringLiteral("                   Settings Out-Patient Cancel Bill"), &Image1);
  CenterForm();
  DTPicker1->setDate(Today());

  Picture1->setPicture(QStringLiteral("\\ok.gif"));
  Picture2->setPicture(QStringLiteral("\\can.gif"));
  Picture11->setPicture(QStringLiteral("\\help1.gif"));
  for (ImageButton* b : {Picture1, Picture2, Picture11}) TrimPictureBox(b);
  AddToolTip(Picture11, QStringLiteral("Select the Bill Number that you wish to Cancel!"), this);
  Picture1->setHoverImage(QStringLiteral("ok"), Label3);
  Picture2->setHoverImage(QStringLiteral("can"), Label3);

  connect(Picture1, &ImageButton::Click, this, &frmCancelBill::Picture1_Click);
  connect(Picture2, &ImageButton::Click, this, &frmCancelBill::Picture2_Click);
  connect(&ShockwaveFlash2, &FlashMovie::GotFocus, this, &frmCancelBill::closeForm);
  connect(DTPicker1, &QDateEdit::dateChanged, this, &frmCancelBill::DTPicker1_Change);
  QComboBox* combo = cmbBillNumber;
  WireKeyPress(combo, [combo](int& KeyAscii) { KeyAscii = AutoCompleteKeyPress(combo, KeyAscii, false); });
  connect(combo, &QComboBox::editTextChanged, this, &frmCancelBill::cmbBillNumber_Change);
  connect(combo, &QComboBox::activated, this, &frmCancelBill::cmbBillNumber_Change);
  combo->installEventFilter(this);

  // A million bills over ten years: only their numbers are listed; a look-up reads its bill.
  try {
    const QString valid = ValidBillsSql(BillKind::OutPatient);
    bills_ = ShowKeyList(combo, ReadKeyList(gCon, valid, bill::BillNo, false));
  } catch (const DbError&) {
    DatabaseErrorEnd();
    return;
  }
}

void frmCancelBill::Form_Unload(int& cancel) {
  (void)cancel;
  ShowMainMenus(CurrentUserTypeBox());
}

bool frmCancelBill::eventFilter(QObject* watched, QEvent* event) {
  if (watched == cmbBillNumber && event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
    cmbBillNumber_Change();
  return VbForm::eventFilter(watched, event);
}

void frmCancelBill::closeForm() {
  Hide();
  Unload();
}

void frmCancelBill::Picture2_Click() { closeForm(); }

void frmCancelBill::DTPicker1_Change() {
  if (DTPicker1->date() <= Today()) return;
  MsgBox(QStringLiteral("Please Select date Less than Equal To Current Date\r\nYou cannt Bill for Future Date"),
         vbCritical, QStringLiteral("Warning"));
  DTPicker1->setDate(Today());
}

void frmCancelBill::cmbBillNumber_Change() {
  if (!bills_) return;
  const QString text = cmbBillNumber->currentText();
  if (Trim(text).isEmpty()) return;
  // The first listed bill of that number, as it now stands.
  std::unique_ptr<Recordset> bill = ReadListedRow(gCon, QString::fromLatin1(bill::kTable), *bills_, text);
  if (!bill) {
    // The boxes keep the bill shown before, but it is no longer the one a Cancel may touch.
    found_.reset();
    foundBillNo_.clear();
    return;
  }
  MainRecordset = std::move(bill);
  Recordset& rs = *MainRecordset;
  const StoredBill shown = ReadStoredBill(BillKind::OutPatient, rs);
  txtPatientName->setText(shown.patientName);
  txtPatientID->setText(shown.patientId);
  for (std::size_t i = 0; i < Text1.size() && i < shown.amounts.size(); ++i) Text1[i]->setText(shown.amounts[i]);
  if (const std::optional<QDate> day = StoredDay(shown.date)) {
    // The bill's own date, shown as it is: it is never checked against today here.
    const QSignalBlocker blocker(DTPicker1);
    DTPicker1->setDate(*day);
  }
  txtTotal->setText(shown.total);
  found_ = rs.GetBookmark();
  foundBillNo_ = text;
}

void frmCancelBill::Picture1_Click() {
  // Only the bill the last look-up found, while its number is still the one shown.
  const bool shown = !txtPatientID->text().isEmpty() && found_ && cmbBillNumber->currentText() == foundBillNo_;
  if (!shown) {
    MsgBox(kSelectBill, vbCritical, QStringLiteral("Warning"));
    cmbBillNumber->setFocus();
    return;
  }
  if (MsgBox(QStringLiteral("Do you Wish to Cancel ( Delete ) the Current Bill"), vbCritical + vbYesNo,
             QStringLiteral("Warning")) != vbYes)
    return;
  Recordset& rs = *MainRecordset;
  bool available = false;
  try {
    // A bill is cancelled once: its status is read again inside the transaction of the write,
    // so that a bill another program cancelled since the look-up is not cancelled again. No
    // message is shown while the transaction holds the database.
    available = CancelBill(BillKind::OutPatient, rs);
  } catch (const DbError& e) {
    if (rs.State() == adStateOpen) rs.CancelUpdate();
    MsgBox(e.Description());
    return;
  }
  if (!available) {
    MsgBox(kSelectBill, vbCritical, QStringLiteral("Warning"));
    cmbBillNumber->setFocus();
    return;
  }
  MsgBox(QStringLiteral("Record Deleted ! Bill Cancelled "), vbInformation);
  closeForm();
}
