#include "billing/common/patientchooser.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>

#include "framework/keyfilters.h"
#include "platform/vbruntime.h"

PatientChooser::PatientChooser(QComboBox* cmbPatientName, QLineEdit* txtPatientID, QObject* parent)
    : QObject(parent), combo_(cmbPatientName), name_(txtPatientID) {
  if (!combo_) return;
  QComboBox* combo = combo_;
  WireKeyPress(combo, [combo](int& KeyAscii) { KeyAscii = AutoCompleteKeyPress(combo, KeyAscii, false); });
  connect(combo, &QComboBox::editTextChanged, this, [this] { Change(); });
  connect(combo, &QComboBox::activated, this, [this] { Change(); });
  combo->installEventFilter(this);
}

PatientChooser::~PatientChooser() {
  if (combo_) combo_->removeEventFilter(this);
}

void PatientChooser::Fill(Recordset* patients) {
  patients_ = patients;
  if (!combo_ || !patients_) return;
  QStringList ids;
  keys_ = nullptr;
  con_.reset();
  patients_->MoveFirst();
  while (!patients_->Eof()) {
    ids << patients_->Fields(0).toText();
    patients_->MoveNext();
  }
  patients_->MoveFirst();
  const QString text = combo_->currentText();
  auto list = std::make_unique<KeyList>(true);
  for (int i = 0; i < ids.size(); ++i) list->Append(ids[i], i);
  ShowKeyList(combo_, std::move(list));
  const QSignalBlocker blocker(combo_);
  combo_->setEditText(text);
}

void PatientChooser::Fill(std::shared_ptr<Connection> con, const QString& sql) {
  auto list = std::make_unique<KeyList>(true);
  ReadColumnText(con, sql, 0,
                 [&list](const char* id, int size, qint64 rowid) { list->AppendUtf8(id, size, rowid); });
  table_ = RewriteSelect(sql, adLockOptimistic).table;
  con_ = std::move(con);
  patients_ = nullptr;
  if (!combo_) return;
  const QString text = combo_->currentText();
  keys_ = ShowKeyList(combo_, std::move(list));
  const QSignalBlocker blocker(combo_);
  combo_->setEditText(text);
}

int PatientChooser::Count() const {
  if (keys_) return keys_->Count();
  return patients_ && patients_->State() == adStateOpen ? int(patients_->RecordCount()) : 0;
}

bool PatientChooser::lookUp(const QString& wanted) {
  if (keys_ && con_) {
    const int at = keys_->FirstExact(wanted);
    if (at < 0) return false;
    Recordset rs;
    try {
      rs.Open(QStringLiteral("SELECT * FROM %1 WHERE rowid=?").arg(table_), {Value(keys_->RowId(at))}, con_);
      if (rs.Eof()) return false;
      row_.clear();
      for (int i = 0; i < rs.FieldCount(); ++i) row_.push_back(rs.Fields(i));
    } catch (const DbError&) {
      return false;
    }
    return true;
  }
  if (!patients_ || patients_->State() != adStateOpen) return false;
  // Stored identifiers are trimmed too, so that one saved with a blank is still found.
  patients_->MoveFirst();
  while (!patients_->Eof()) {
    if (Trim(patients_->Fields(0).toText()) == wanted) {
      row_.clear();
      for (int i = 0; i < patients_->FieldCount(); ++i) row_.push_back(patients_->Fields(i));
      return true;
    }
    patients_->MoveNext();
  }
  return false;
}

void PatientChooser::Change() {
  if (busy_ || !combo_) return;
  busy_ = true;
  const QString wanted = Trim(combo_->currentText());
  if (wanted.isEmpty()) {
    // An emptied chooser holds nobody: the name must not stay on screen for the next bill.
    forget();
    if (name_) name_->clear();
    busy_ = false;
    return;
  }
  const bool found = lookUp(wanted);
  if (found) {
    patientId_ = Trim(row_[0].toText());
    matched_ = true;
    if (name_) name_->setText(row_.size() > 1 ? row_[1].toText() : QString());
  }
  busy_ = false;
  if (found) emit PatientChosen();
}

bool PatientChooser::HasPatient() const {
  return matched_ && combo_ && Trim(combo_->currentText()) == patientId_;
}

QString PatientChooser::Field(int ordinal) const {
  if (!matched_ || ordinal < 0 || ordinal >= int(row_.size())) return QString();
  return row_[std::size_t(ordinal)].toText();
}

void PatientChooser::Clear() {
  if (combo_) {
    const QSignalBlocker blocker(combo_);
    combo_->setCurrentIndex(-1);
    combo_->setEditText(QString());
  }
  if (name_) name_->clear();
  forget();
}

void PatientChooser::forget() {
  matched_ = false;
  patientId_.clear();
  row_.clear();
}

bool PatientChooser::eventFilter(QObject* watched, QEvent* event) {
  if (watched == combo_ && event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
    Change();
  return QObject::eventFilter(watched, event);
}
