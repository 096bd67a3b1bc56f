#include "patients/patientrecord.h"

#include <QEvent>
#include <QFont>
#include <utility>

#include "framework/keyfilters.h"
#include "framework/keylist.h"
#include "framework/listform.h"
#include "framework/tooltip.h"
#include "framework/trimpicture.h"
#include "framework/twips.h"
#include "patients/patientlists.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "platform/vbruntime.h"
#include "globals.h"

namespace {

const QString kWarning = QStringLiteral("Warning");

// A combo box shows `text`; a list item of exactly that text becomes its current item.
void setComboText(QComboBox& combo, const QString& text) {
  combo.setCurrentIndex(combo.findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
  combo.setEditText(text);
}

RecordFormConfig patientRecordConfig(const QString& captionWords, PatientTableKind kind) {
  RecordFormConfig c;
  c.caption = QString(24, QLatin1Char(' ')) + captionWords;
  c.height = 8220;
  c.width = 13230;
  c.helpTip = QStringLiteral("Select Married or Unmarried");
  c.read = PatientsRecordRead(kind);
  c.keyColumn = patientcols::EmployeeID;
  c.refusalTitle = kWarning;
  c.keyset = true;  // half a million patients after ten years: the form shows one at a time
  c.keyBeforeTable = true;
  return c;
}

}  // namespace

QString PatientIdFor(const QString& prefix, const QString& typed) { return prefix + Trim(typed); }

PatientRecordForm::PatientRecordForm(PatientFormConfig config)
    : RecordForm(config.record), patient_(std::move(config)) {
  const QFont labelFont(QStringLiteral("Arial"), 10, QFont::Bold);
  const QFont boxFont(QStringLiteral("Arial"), 9);
  const QString labelStyle = QStringLiteral("color: #8e3b52; background: transparent;");

  // Two columns of captions and boxes, in the order of the labels.
  constexpr int kTop = 1300, kStep = 580, kBoxHeight = 330;
  constexpr int kLeftLabel = 1200, kLeftBox = 3240, kLeftWidth = 3000;
  constexpr int kRightLabel = 7080, kRightBox = 9000, kRightWidth = 3240;
  const struct {
    QLabel* label;
    const char* caption;
    QWidget* box;
    bool right;
    int row;
  } rows[] = {
      {&Label8, "Patient Id", &cmbPatientID, false, 0},
      {&Label9, "Patient Name", &txtFirstName, false, 1},
      {&Label4, "Last Name", &txtLastName, false, 2},
      {&Label5, "Sex", &cmbSex, false, 3},
      {&Label7, "Age", &txtAge, false, 4},
      {&Label6, "Date Of Birth", &DTPicker1, false, 5},
      {&Label10, "Maritial Status", &cmbMartialStatus, false, 6},
      {&Label1, "Phone Number", &txtMobilePhone, true, 0},
      {&Label2, "Home Phone", &txtHomePhone, true, 1},
      {&Label16, "Pager Number", &txtPagerNumber, true, 2},
      {&Label17, "Address", &txtAddress, true, 3},
      {&Label14, "Location", &txtEmailId, true, 4},
      {&Label12, "Qualification", &txtQualification, true, 5},
  };
  QWidget* previous = nullptr;
  for (const auto& r : rows) {
    const int top = kTop + r.row * kStep;
    r.label->setText(QLatin1String(r.caption));
    r.label->setFont(labelFont);
    r.label->setStyleSheet(labelStyle);
    r.label->setBuddy(r.box);
    MoveTwips(r.label, r.right ? kRightLabel : kLeftLabel, top + 15, 1900, 300);
    r.box->setFont(boxFont);
    MoveTwips(r.box, r.right ? kRightBox : kLeftBox, top, r.right ? kRightWidth : kLeftWidth, kBoxHeight);
    if (previous) setTabOrder(previous, r.box);
    previous = r.box;
  }

  for (QComboBox* combo : {&cmbPatientID, &cmbSex, &cmbMartialStatus}) {
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(12);
  }
  cmbSex.addItems({QStringLiteral("Male"), QStringLiteral("Female")});
  cmbMartialStatus.addItems({QStringLiteral("Married"), QStringLiteral("Unmarried")});
  cmbSex.setCurrentIndex(-1);
  cmbMartialStatus.setCurrentIndex(-1);
  cmbSex.setEditText({});
  cmbMartialStatus.setEditText({});

  DTPicker1.setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  DTPicker1.setCalendarPopup(true);

  // The help icons sit right of the boxes they explain.
  MoveTwips(&Picture12, kLeftBox + kLeftWidth + 120, kTop + 2 * kStep - 15, 360, 360);
  MoveTwips(&Picture11, kLeftBox + kLeftWidth + 120, kTop + 6 * kStep - 15, 360, 360);
  PlaceRecordButtons(1440, 6000, 6960);
  Detect.hide();

  WireKeyPress(&cmbPatientID, [this](int& KeyAscii) {
    // Completion helps find a patient; a new identifier is typed as it is.
    if (!Picture1.isHidden()) KeyAscii = AutoCompleteKeyPress(&cmbPatientID, KeyAscii, true);
  });
  WireKeyPress(&cmbSex, [this](int& KeyAscii) { KeyAscii = AutoCompleteKeyPress(&cmbSex, KeyAscii, false); });
  WireKeyPress(&cmbMartialStatus,
               [this](int& KeyAscii) { KeyAscii = AutoCompleteKeyPress(&cmbMartialStatus, KeyAscii, false); });
  for (QLineEdit* box : {&txtAge, &txtMobilePhone, &txtHomePhone, &txtPagerNumber})
    WireKeyPress(box, [box](int& KeyAscii) { NumberOnlyKeyPress(box, KeyAscii, false); });
  WireKeyPress(&txtLastName, [this](int& KeyAscii) { NameOnlyKeyPress(&txtLastName, KeyAscii); });

  connect(&cmbPatientID, &QComboBox::editTextChanged, this, [this] {
    // A choice in the list (or an arrow key) while the identifier is locked is taken back at once.
    const auto& modified = RowBeingModified();
    if (modified && KeyLocked() && cmbPatientID.currentText() != modified->key) {
      setComboText(cmbPatientID, modified->key);
      return;
    }
    cmbPatientID_LookUp();
  });
  connect(&cmbPatientID, &QComboBox::activated, this, [this] { cmbPatientID_LookUp(); });
  cmbPatientID.installEventFilter(this);
  txtEmailId.installEventFilter(this);
  connect(&DTPicker1, &QDateEdit::dateChanged, this, [this] { DTPicker1_Change(); });
}

PatientRecordForm::~PatientRecordForm() {
  // The boxes lose the focus while the form is taken apart: no look-up may run then.
  cmbPatientID.removeEventFilter(this);
  txtEmailId.removeEventFilter(this);
  disconnect(&cmbPatientID, nullptr, this, nullptr);
}

bool PatientRecordForm::eventFilter(QObject* watched, QEvent* event) {
  // While the identifier is locked its list does not drop down.
  if (watched == &cmbPatientID && KeyLocked() &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick))
    return true;
  if (watched == &cmbPatientID && event->type() == QEvent::FocusOut) cmbPatientID_LookUp();
  if (watched == &txtEmailId && event->type() == QEvent::MouseButtonRelease) txtEmailId_Click();
  return RecordForm::eventFilter(watched, event);
}

// ---- load and display ----

void PatientRecordForm::Form_Load() {
  DTPicker1.setDate(Today());
  BusyFlag = false;
  RecordForm::Form_Load();
  if (!MainRecordset || MainRecordset->State() != adStateOpen) return;

  Picture12.setPicture(QStringLiteral("help1.gif"));
  TrimPictureBox(&Picture12);
  AddToolTip(&Picture12, QStringLiteral("Last Name May be Your Initial or Father Name "), this);

  try {
    fillingList_ = true;
    ids_ = ShowKeyList(&cmbPatientID, std::make_unique<KeyList>(true));
    if (MainRecordset->RecordCount() != 0) {
      ids_ = ShowKeyList(&cmbPatientID, readIdList());
      fillingList_ = false;
      MainRecordset->MoveFirst();
      display();
    }
  } catch (const DbError& e) {
    fillingList_ = false;
    MsgBox(QStringLiteral("Error:") + e.Description());
  }
  fillingList_ = false;
  EditFlag = false;
  BusyFlag = false;
}

void PatientRecordForm::display() {
  const Patient p = ReadPatient(*MainRecordset);
  setComboText(cmbPatientID, p.id);
  txtFirstName.setText(p.name);
  setComboText(cmbSex, p.sex);
  txtMobilePhone.setText(p.phone);
  txtAge.setText(p.age);
  txtAddress.setText(p.address);
  txtEmailId.setText(p.location);
}

void PatientRecordForm::ClearInputs() {
  setComboText(cmbPatientID, {});
  txtFirstName.clear();
  setComboText(cmbSex, {});
  txtMobilePhone.clear();
  txtAge.clear();
  txtAddress.clear();
  txtEmailId.clear();
}

std::unique_ptr<KeyList> PatientRecordForm::readIdList() const {
  // Only the identifier column is read: the rows themselves are read when one is shown.
  auto ids = std::make_unique<KeyList>(true);
  const auto append = [&ids](const char* id, int size, qint64 rowid) { ids->AppendUtf8(id, size, rowid); };
  // The form's own rows (the record form opens them on the form's read) give the order without
  // sorting again, while nothing was written since they were read.
  if (MainRecordset && MainRecordset->State() == adStateOpen && MainRecordset->ActiveConnection() == gCon)
    ReadColumnText(*MainRecordset, patientcols::EmployeeID, append);
  else
    ReadColumnText(gCon, Config().read, patientcols::EmployeeID, append);
  return ids;
}

void PatientRecordForm::refillIdList() {
  fillingList_ = true;
  try {
    ids_ = ShowKeyList(&cmbPatientID, readIdList());
  } catch (...) {
    ids_ = ShowKeyList(&cmbPatientID, std::make_unique<KeyList>(true));
    fillingList_ = false;
    throw;
  }
  fillingList_ = false;
}

// ---- the patient-ID box ----

void PatientRecordForm::cmbPatientID_LookUp() {
  if (BusyFlag || fillingList_ || lookingUp_) return;
  if (!MainRecordset || MainRecordset->State() != adStateOpen) return;
  const QString text = cmbPatientID.currentText();
  if (text.isEmpty() || MainRecordset->RecordCount() == 0) return;
  lookingUp_ = true;
  try {
    // No match leaves the recordset past its last row: Modify, Save and Delete then refuse,
    // since the boxes no longer show the current row.
    // The list holds every stored identifier with its row: the first one that matches names the
    // row to show.
    const QString wanted = Trim(text);
    const int found = ids_ ? ids_->FirstExact(wanted) : -1;
    if (!ids_) {
      // Before the list is filled (the first row shown at load): the rows themselves.
      for (MainRecordset->MoveFirst(); !MainRecordset->Eof(); MainRecordset->MoveNext()) {
        if (Trim(MainRecordset->Fields(patientcols::EmployeeID).toText()) == wanted) {
          display();
          break;
        }
      }
    } else if (found < 0) {
      MainRecordset->MoveLast();
      if (!MainRecordset->Eof()) MainRecordset->MoveNext();
    } else if (MainRecordset->MoveToRowId(ids_->RowId(found))) {
      display();
    }
  } catch (const DbError& e) {
    MsgBox(e.Description());
  }
  lookingUp_ = false;
}

void PatientRecordForm::DTPicker1_Change() {
  if (DTPicker1.date() <= Today()) return;
  MsgBox(QStringLiteral("Sorry ! Sir,you have not born yet. "));
  DTPicker1.setDate(Today());
}

void PatientRecordForm::txtEmailId_Click() { txtEmailId.setCursorPosition(int(txtEmailId.text().size())); }

// ---- New, Modify, Delete ----

void PatientRecordForm::Picture5_Click() {
  RecordForm::Picture5_Click();
  // The box shows no other row while the new one is open.
  if (MainRecordset && MainRecordset->State() == adStateOpen && MainRecordset->EditMode() == adEditAdd)
    BusyFlag = true;
}

void PatientRecordForm::ModifyAccepted() {
  BusyFlag = true;
  for (QLineEdit* box : findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
    if (Trim(box->text()) == QStringLiteral("Not Available")) box->clear();
}

void PatientRecordForm::RecordDeleted() {
  if (MainRecordset->RecordCount() == 0) return;  // the last one: the identifier list keeps its items
  try {
    const QString shown = cmbPatientID.currentText();
    refillIdList();
    setComboText(cmbPatientID, shown);
  } catch (const DbError& e) {
    MsgBox(e.Description());
  }
}

void PatientRecordForm::ViewAllRecords() {
  if (patient_.viewAll) patient_.viewAll(this);
}

// ---- Save and Cancel ----

bool PatientRecordForm::duplicateIdFound() {
  // A new patient is compared under the identifier it would be stored as; a modified one keeps
  // its own (the locked box shows it), which no other row may hold either. The row being
  // modified is left out by its rowid, whatever another program has changed in it meanwhile.
  const auto& modified = RowBeingModified();
  const bool modifying = EditFlag && modified;
  const QString id = modifying ? Trim(modified->key) : PatientIdFor(patient_.prefix, cmbPatientID.currentText());
  const std::optional<qint64> self = modifying ? modified->rowid : std::nullopt;
  return PatientIdTaken(MainRecordset->ActiveConnection(), patient_.kind, id, self);
}

bool PatientRecordForm::StoreRow() {
  // The transaction is over before any message: a box waits for the clerk, and the write lock
  // must not wait with it.
  if (storeInTransaction()) return true;
  refuseDuplicateId();
  return false;
}

bool PatientRecordForm::storeInTransaction() {
  // Between the scan of the checks and the write another program may store the same identifier:
  // the write lock taken first, the table is looked at once more and nothing can come between.
  Transaction transaction(MainRecordset->ActiveConnection());
  if (duplicateIdFound()) return false;  // rolled back: the row stays pending as it was
  WriteColumns();
  MainRecordset->Update();
  transaction.Commit();
  return true;
}

void PatientRecordForm::refuseDuplicateId() {
  Refuse(QStringLiteral("Please Select the Another Patient Id\r\nThis Patient ID Already Assigned"), &cmbPatientID);
}

bool PatientRecordForm::ValidateSave() {
  if (duplicateIdFound()) {
    refuseDuplicateId();
    return false;
  }
  if (RefuseFirstBlank({{cmbPatientID.currentText(), "Please Fill the Employee ID", &cmbPatientID},
                        {txtFirstName.text(), "Please Fill the First Name", &txtFirstName},
                        {txtMobilePhone.text(), "Please Fill the Phone Number", &txtMobilePhone},
                        {txtAge.text(), "Please Select the Age", &txtAge}}))
    return false;
  const double age = Val(txtAge.text());
  if (age < 0 || age > 120) {
    Refuse(QStringLiteral("Please Select the Correct Ages"), &txtAge);
    return false;
  }
  return !RefuseFirstBlank({{cmbSex.currentText(), "Please Select the Sex", &cmbSex},
                            {txtAddress.text(), "Please Fill the Address", &txtAddress},
                            {txtEmailId.text(), "Please Fill the Location", &txtEmailId}});
}

void PatientRecordForm::WriteColumns() {
  Patient p;
  p.id = PatientIdFor(patient_.prefix, cmbPatientID.currentText());
  p.name = txtFirstName.text();
  p.sex = cmbSex.currentText();
  p.phone = txtMobilePhone.text();
  p.age = txtAge.text();
  p.address = txtAddress.text();
  p.location = txtEmailId.text();
  WritePatient(*MainRecordset, p, !EditFlag);
  if (patient_.marksAdmitted) MarkAdmitted(*MainRecordset);
}

void PatientRecordForm::RecordSaved(bool modified) {
  (void)modified;
  BusyFlag = false;
}

void PatientRecordForm::Picture9_Click() {
  RecordForm::Picture9_Click();
  if (!Picture9.isHidden()) return;  // refused: still editing
  try {
    refillIdList();
    setComboText(cmbPatientID, MainRecordset->Fields(patientcols::EmployeeID).toText());
  } catch (const DbError& e) {
    MsgBox(e.Description());
  }
}

void PatientRecordForm::Picture10_Click() {
  BusyFlag = false;
  RecordForm::Picture10_Click();
}

// ---- the two forms ----

PatientFormConfig frmAddOutPatient::OutPatientConfig() {
  PatientFormConfig c;
  c.kind = PatientTableKind::OutPatient;
  c.record = patientRecordConfig(QStringLiteral("Add New Out-Patient Details"), c.kind);
  c.prefix = QStringLiteral("OP");
  c.marksAdmitted = false;
  c.viewAll = [](VbForm* caller) { LookUp<frmViewOutPatientDetails>(caller); };
  return c;
}

frmAddOutPatient::frmAddOutPatient() : PatientRecordForm(OutPatientConfig()) {}

PatientFormConfig frmAddInPatient::InPatientConfig() {
  PatientFormConfig c;
  c.kind = PatientTableKind::InPatient;
  c.record = patientRecordConfig(QStringLiteral("Add New In-Patient Details"), c.kind);
  c.prefix = QStringLiteral("IP");
  c.marksAdmitted = true;
  c.viewAll = [](VbForm* caller) { LookUp<frmViewInPatientDetails>(caller); };
  return c;
}

frmAddInPatient::frmAddInPatient() : PatientRecordForm(InPatientConfig()) {}
