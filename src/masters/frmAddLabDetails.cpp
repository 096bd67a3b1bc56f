#include "masters/frmAddLabDetails.h"

#include <QFocusEvent>

#include "data/pricelists.h"
#include "framework/keyfilters.h"
#include "framework/listform.h"
#include "framework/twips.h"
#include "masters/pricelistlayout.h"
#include "masters/pricelists.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"

RecordFormConfig frmAddLabDetails::LabFormConfig() {
  RecordFormConfig c;
  c.caption = QString(24, QLatin1Char(' ')) + QStringLiteral("Add Lab Details");
  c.height = 6300;
  c.width = 10995;
  c.helpTip = QStringLiteral("Lab Investigation Here ");
  c.read = LabTestsRead();
  c.keyColumn = cols::SettingsLab::Description;
  c.keyCaseCounts = false;  // the bill forms complete the name with case ignored
  return c;
}

frmAddLabDetails::frmAddLabDetails() : RecordForm(LabFormConfig()) {
  cmbPatientID.setEditable(true);
  cmbPatientID.setInsertPolicy(QComboBox::NoInsert);
  LayOutPriceRow(&Label9, QStringLiteral("Investication"), &cmbPatientID, 1080);
  LayOutPriceRow(&Label4, QStringLiteral("Amount"), &txtPassword, 1440);
  MoveTwips(&Picture11, 8100, 1020, 360, 360);
  PlaceRecordButtons(1440, 4320, 5350);
  setTabOrder(&cmbPatientID, &txtPassword);

  // The form follows the description as it is typed, completed or chosen: every box shows the
  // row it names, or no row is current and Modify and Delete refuse. A click on them picks nothing.
  connect(&cmbPatientID, &QComboBox::editTextChanged, this, [this] { cmbPatientID_Click(); });
  connect(&cmbPatientID, &QComboBox::activated, this, [this] { cmbPatientID_Click(); });
  cmbPatientID.installEventFilter(this);
  if (cmbPatientID.lineEdit()) cmbPatientID.lineEdit()->installEventFilter(this);
  WireKeyPress(&cmbPatientID, [this](int& k) { cmbPatientID_KeyPress(k); });
  WireKeyPress(&txtPassword, [this](int& k) { k = NumberOnlyKeyPress(&txtPassword, k, false); });
}

frmAddLabDetails::~frmAddLabDetails() {
  // The box loses the focus while it is destroyed; by then there is no row to look up.
  cmbPatientID.removeEventFilter(this);
  if (cmbPatientID.lineEdit()) cmbPatientID.lineEdit()->removeEventFilter(this);
}

bool frmAddLabDetails::eventFilter(QObject* watched, QEvent* event) {
  // Leaving the box (not for its own drop-down list) looks the typed description up.
  if (event->type() == QEvent::FocusOut && (watched == &cmbPatientID || watched == cmbPatientID.lineEdit())) {
    auto* focus = static_cast<QFocusEvent*>(event);
    if (focus->reason() != Qt::PopupFocusReason && IsLoaded()) cmbPatientID_Click();
  }
  return RecordForm::eventFilter(watched, event);
}

void frmAddLabDetails::Form_Load() {
  BusyFlag = false;
  RecordForm::Form_Load();
  if (!IsLoaded() || !MainRecordset || MainRecordset->State() != adStateOpen) return;
  try {
    if (MainRecordset->RecordCount() != 0) {
      fillList(*MainRecordset);
      MainRecordset->MoveFirst();
      display();
    }
  } catch (const DbError& e) {
    MsgBox(QStringLiteral("Error:") + e.Description());
  }
}

void frmAddLabDetails::setDescription(const QString& text) {
  cmbPatientID.setCurrentIndex(-1);
  cmbPatientID.setEditText(text);
}

void frmAddLabDetails::display() {
  const LabTest t = ReadLabTest(*MainRecordset);
  // A description the clerk is typing or completing stays as it is, caret and selection with it.
  if (cmbPatientID.currentText() != t.description) setDescription(t.description);
  txtPassword.setText(t.amount);
}

void frmAddLabDetails::ClearInputs() {
  setDescription(QString());
  txtPassword.clear();
}

void frmAddLabDetails::fillList(Recordset& rs) {
  const QString shown = cmbPatientID.currentText();
  // The texts the box passes through while it is filled name no choice of the clerk's.
  const bool wasFilling = fillingList_;
  fillingList_ = true;
  cmbPatientID.clear();
  rs.MoveFirst();
  for (long i = 0, n = rs.RecordCount(); i < n && !rs.Eof(); ++i, rs.MoveNext())
    cmbPatientID.addItem(rs.Fields(cols::SettingsLab::Description).toText());
  setDescription(shown);
  fillingList_ = wasFilling;
}

void frmAddLabDetails::reloadList() {
  LookupRecordset->Requery();
  fillList(*LookupRecordset);
}

void frmAddLabDetails::cmbPatientID_Click() {
  if (BusyFlag || fillingList_ || lookingUp_) return;
  if (Picture1.isHidden() || cmbPatientID.currentText().isEmpty()) return;
  if (!MainRecordset || MainRecordset->State() != adStateOpen || MainRecordset->RecordCount() == 0) return;
  lookingUp_ = true;
  try {
    const QString wanted = Trim(cmbPatientID.currentText());
    bool found = false;
    for (MainRecordset->MoveFirst(); !found && !MainRecordset->Eof();) {
      found = Trim(MainRecordset->Fields(cols::SettingsLab::Description).toText()) == wanted;
      if (found)
        display();
      else
        MainRecordset->MoveNext();
    }
    // A description that is in no row: the typed text stays, and no row is current, so that
    // Modify and Delete find nothing to act on rather than the row shown before.
  } catch (const DbError& e) {
    MsgBox(e.Description());
  }
  lookingUp_ = false;
}

void frmAddLabDetails::cmbPatientID_KeyPress(int& KeyAscii) {
  if (!Picture1.isHidden()) KeyAscii = AutoCompleteKeyPress(&cmbPatientID, KeyAscii, true);
}

void frmAddLabDetails::Picture6_Click() {
  BusyFlag = true;
  RecordForm::Picture6_Click();
  // A refused Modify stays in browse mode, where choosing must go on loading rows.
  if (!Picture6.isHidden()) BusyFlag = false;
}

void frmAddLabDetails::Picture7_Click() {
  const long before = MainRecordset ? MainRecordset->RecordCount() : 0;
  RecordForm::Picture7_Click();
  if (!MainRecordset || MainRecordset->RecordCount() >= before) return;
  try {
    if (MainRecordset->RecordCount() != 0) {
      reloadList();
    } else {
      cmbPatientID.clear();
      ClearInputs();
    }
  } catch (const DbError& e) {
    MsgBox(e.Description());
  }
}

bool frmAddLabDetails::ValidateSave() {
  if (Trim(cmbPatientID.currentText()).isEmpty()) {
    Refuse(QStringLiteral("Please Fill the Description"), &cmbPatientID);
    return false;
  }
  if (DuplicateKeyFound()) {
    MsgBox(QStringLiteral("Please Select the Another Name\r\nThis Name Already Available"), vbCritical,
           QStringLiteral("Warning"));
    cmbPatientID.setFocus();
    return false;
  }
  if (Trim(txtPassword.text()).isEmpty()) {
    Refuse(QStringLiteral("Please Fill the Amount"), &txtPassword);
    return false;
  }
  return true;
}

void frmAddLabDetails::WriteColumns() {
  WriteLabTest(*MainRecordset, LabTest{cmbPatientID.currentText(), txtPassword.text()});
}

void frmAddLabDetails::Picture9_Click() {
  RecordForm::Picture9_Click();
  if (!Picture9.isHidden()) return;  // refused: still editing
  BusyFlag = false;
  try {
    reloadList();
    setDescription(MainRecordset->Fields(cols::SettingsLab::Description).toText());
  } catch (const DbError& e) {
    MsgBox(e.Description());
  }
}

void frmAddLabDetails::Picture10_Click() {
  BusyFlag = false;
  RecordForm::Picture10_Click();
}

void frmAddLabDetails::ViewAllRecords() { LookUp<frmViewAllLab>(this); }
