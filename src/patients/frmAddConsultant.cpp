#include "patients/frmAddConsultant.h"

#include <QFocusEvent>
#include <QFont>
#include <QSignalBlocker>
#include <optional>

#include "data/doctors.h"
#include "data/fees.h"
#include "data/patients.h"
#include "framework/databaseerror.h"
#include "framework/keyfilters.h"
#include "framework/keylist.h"
#include "framework/listform.h"
#include "framework/twips.h"
#include "globals.h"
#include "masters/pricelists.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "platform/vbruntime.h"

namespace {

namespace fee = cols::SettingsConsultant;

// A combo box shows `text`; a list item of exactly that text becomes its current item.
void setComboText(QComboBox& combo, const QString& text) {
  combo.setCurrentIndex(combo.findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
  combo.setEditText(text);
}

}  // namespace

RecordFormConfig frmAddConsultant::ConsultantConfig() {
  RecordFormConfig c;
  c.caption = QString(24, QLatin1Char(' ')) + QStringLiteral("Add Consultant Fees Details");
  c.height = 6300;
  c.width = 10995;
  c.helpTip = QStringLiteral("Lab Investigation Here ");
  c.read = FeesRecordRead();
  c.keyColumn = fee::DrName;
  c.keyset = true;  // a hundred thousand fees after ten years: the form shows one at a time
  c.refusalTitle = QString();  // this form's refusals carry no title of their own
  return c;
}

frmAddConsultant::frmAddConsultant() : RecordForm(ConsultantConfig()) {
  setObjectName(QStringLiteral("frmAddConsultant"));
  const QFont labelFont(QStringLiteral("Arial"), 10, QFont::Bold);
  const QFont boxFont(QStringLiteral("Arial"), 9);
  const QString labelStyle = QStringLiteral("color: #8e3b52; background: transparent;");

  const struct {
    QLabel* label;
    const char* caption;
    QWidget* box;
    int top;
  } rows[] = {
      {&Label1, "Date", &DTPicker1, 600},
      {&Label9, "Dr Name", &cmbPatientID, 1080},
      {&Label4, "Amount", &txtPassword, 1560},
      {&Label2, "Patient ID", &Combo1, 2040},
  };
  QWidget* previous = nullptr;
  for (const auto& r : rows) {
    r.label->setText(QLatin1String(r.caption));
    r.label->setFont(labelFont);
    r.label->setStyleSheet(labelStyle);
    r.label->setBuddy(r.box);
    MoveTwips(r.label, 2160, r.top + 15, 2200, 300);
    r.box->setFont(boxFont);
    MoveTwips(r.box, 4560, r.top, 2055, 330);
    if (previous) setTabOrder(previous, r.box);
    previous = r.box;
  }
  txtPassword.setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));

  DTPicker1.setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  DTPicker1.setCalendarPopup(true);
  for (QComboBox* combo : {&cmbPatientID, &Combo1}) {
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(12);
  }

  MoveTwips(&Picture11, 4560 + 2055 + 120, 1065, 360, 360);
  PlaceRecordButtons(1440, 4320, 5350);  // where the price-list forms of this size have theirs

  WireKeyPress(&cmbPatientID,
               [this](int& KeyAscii) { KeyAscii = AutoCompleteKeyPress(&cmbPatientID, KeyAscii, false); });
  WireKeyPress(&Combo1, [this](int& KeyAscii) { KeyAscii = AutoCompleteKeyPress(&Combo1, KeyAscii, false); });
  WireKeyPress(&txtPassword, [this](int& KeyAscii) { NumberOnlyKeyPress(&txtPassword, KeyAscii, false); });

  connect(&cmbPatientID, &QComboBox::activated, this, [this] { cmbPatientID_LookUp(); });
  cmbPatientID.installEventFilter(this);
}

frmAddConsultant::~frmAddConsultant() {
  // The box loses the focus while the form is taken apart: no look-up may run then.
  cmbPatientID.removeEventFilter(this);
  disconnect(&cmbPatientID, nullptr, this, nullptr);
}

bool frmAddConsultant::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &cmbPatientID && event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
    cmbPatientID_LookUp();
  return RecordForm::eventFilter(watched, event);
}

// ---- load and display ----

void frmAddConsultant::closeForEmptyList(const QString& message) {
  MsgBox(message, vbCritical, QStringLiteral("Warning"));
  CloseForm();
}

bool frmAddConsultant::fillDoctorList() {
  QStringList doctorIds;
  if (!RunDatabaseStep(*this, [&doctorIds] { doctorIds = DoctorIds(gCon); })) return false;
  if (doctorIds.isEmpty()) {
    closeForEmptyList(QStringLiteral("Please add the Dr. Details First"));
    return false;
  }
  const QSignalBlocker blocker(&cmbPatientID);
  cmbPatientID.addItems(doctorIds);
  return true;
}

bool frmAddConsultant::fillPatientList() {
  // Half a million identifiers after ten years: only the identifier column is read, into a
  // compact list. It is not trimmed, so that display() finds the identifier exactly as stored.
  auto ids = std::make_unique<KeyList>(false);
  const auto append = [&ids](const char* id, int size, qint64 rowid) { ids->AppendUtf8(id, size, rowid); };
  // The identifier column of each table's rows in identifier order.
  for (const PatientTableKind kind : {PatientTableKind::InPatient, PatientTableKind::OutPatient}) {
    const TableRead& read = PatientsRecordRead(kind);
    const int before = ids->Count();
    if (!RunDatabaseStep(*this, [&] {
          ids->Reserve(RowsAtMost(gCon, read));
          ReadColumnText(gCon, read, patientcols::EmployeeID, append);
        }))
      return false;
    if (ids->Count() == before) {
      closeForEmptyList(QStringLiteral("Please add the Patient Details First"));
      return false;
    }
  }
  ShowKeyList(&Combo1, std::move(ids));
  return true;
}

void frmAddConsultant::Form_Load() {
  {
    const QSignalBlocker blocker(&DTPicker1);
    DTPicker1.setDate(Today());
  }
  lookingUp_ = true;  // the lists and the first row come in without a look-up
  RecordForm::Form_Load();
  if (!MainRecordset || MainRecordset->State() != adStateOpen) {
    lookingUp_ = false;
    return;
  }
  try {
    const bool filled = fillPatientList() && fillDoctorList();
    if (!filled) {
      lookingUp_ = false;
      return;
    }
  } catch (const DbError& e) {
    MsgBox(QStringLiteral("Error:") + e.Description());
  }

  // Filling a list selects its first item: the boxes show the first fee again, or nothing.
  try {
    if (MainRecordset->HasCurrentRow())
      display();
    else
      ClearInputs();
  } catch (const DbError& e) {
    MsgBox(QStringLiteral("Error:") + e.Description());
  }
  lookingUp_ = false;
}

void frmAddConsultant::display() {
  const Fee f = ReadFee(*MainRecordset);
  // A row without a readable date shows today's, as a new fee would.
  DTPicker1.setDate(f.date.isValid() ? f.date : Today());
  const bool wasLookingUp = lookingUp_;
  lookingUp_ = true;
  setComboText(cmbPatientID, f.doctor);
  txtPassword.setText(f.amount);
  setComboText(Combo1, f.patientId);
  lookingUp_ = wasLookingUp;
}

void frmAddConsultant::ClearInputs() {
  DTPicker1.setDate(Today());
  const bool wasLookingUp = lookingUp_;
  lookingUp_ = true;
  setComboText(cmbPatientID, {});
  txtPassword.clear();
  setComboText(Combo1, {});
  lookingUp_ = wasLookingUp;
}

// ---- the doctor look-up ----

void frmAddConsultant::cmbPatientID_LookUp() {
  if (lookingUp_ || !Picture9.isHidden()) return;  // browse mode only
  if (!MainRecordset || MainRecordset->State() != adStateOpen) return;
  const QString doctor = cmbPatientID.currentText();
  const QString patient = Combo1.currentText();
  if (doctor.isEmpty() || patient.isEmpty()) return;
  lookingUp_ = true;
  try {
    // Only this form writes the table, so its own rows are the table's current rows. They are
    // read one at a time as they are shown: rather than walk them all, the database names the few
    // that can hold the pair, and the first of those in the form's order that does is shown.
    const Recordset::Bookmark was = MainRecordset->GetBookmark();
    std::optional<Recordset::Bookmark> first;
    for (const qint64 rowid : FeeRowIdsOfPair(gCon, doctor, patient)) {
      if (!MainRecordset->MoveToRowId(rowid) || !ShowsCurrentRow()) continue;
      const Recordset::Bookmark at = MainRecordset->GetBookmark();
      if (!first || at.position < first->position) first = at;
    }
    MainRecordset->MoveTo(first.value_or(was));  // none: the fee shown before stays current
    if (first) display();
  } catch (const DbError& e) {
    MsgBox(e.Description());
  }
  lookingUp_ = false;
}

bool frmAddConsultant::ShowsCurrentRow() const {
  // The doctor is the key the base compares; the patient names the fee too.
  return KeyNamesCurrentRow() &&
         Trim(MainRecordset->Fields(fee::patientid).toText()) == Trim(Combo1.currentText());
}

// ---- View All ----

void frmAddConsultant::ViewAllRecords() { LookUp<frmViewAllLab>(this); }

// ---- Save ----

void frmAddConsultant::refuse(const QString& text, QWidget* focus, const QString& title) {
  MsgBox(text, vbCritical, title);
  focus->setFocus();
}

bool frmAddConsultant::duplicatePairFound() {
  const QString doctor = Trim(cmbPatientID.currentText());
  const QString patient = Trim(Combo1.currentText());
  // Read afresh (fees saved since the form opened count too), but only the rows that can hold
  // the pair.
  Recordset rows;
  rows.Open(FeesOfPairRead(doctor, patient), gCon);
  for (; !rows.Eof(); rows.MoveNext()) {
    // After Modify the fee being modified may keep its own pair, or take a new one for itself.
    if (IsRowBeingModified(rows)) continue;
    if (Trim(rows.Fields(fee::DrName).toText()) == doctor && Trim(rows.Fields(fee::patientid).toText()) == patient)
      return true;
  }
  return false;
}

bool frmAddConsultant::ValidateSave() {
  if (Trim(cmbPatientID.currentText()).isEmpty()) {
    refuse(QStringLiteral("Please Fill the Description"), &cmbPatientID);
    return false;
  }
  if (duplicatePairFound()) {
    refuse(QStringLiteral("Please Select the Another Name and Patient ID\r\nThis Name Already Available"),
           &cmbPatientID, QStringLiteral("Warning"));
    return false;
  }
  if (Trim(txtPassword.text()).isEmpty()) {
    refuse(QStringLiteral("Please Fill the Amount"), &txtPassword);
    return false;
  }
  if (Trim(Combo1.currentText()).isEmpty()) {
    refuse(QStringLiteral("Please Select Patient ID"), &Combo1);
    return false;
  }
  return true;
}

void frmAddConsultant::WriteColumns() {
  WriteFee(*MainRecordset, {DTPicker1.date(), cmbPatientID.currentText(), txtPassword.text(), Combo1.currentText()});
}
