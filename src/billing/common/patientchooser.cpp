#include "billing/common/patientchooser.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <memory>

#include "data/billinglookups.h"
#include "data/columns.h"
#include "framework/keyfilters.h"
#include "platform/vbruntime.h"

// The patient's identifier leads the rows of both patient tables.
static constexpr int kPatientId = cols::SettingsOutPatient::EmployeeID;
static_assert(kPatientId == int(cols::SettingsInPatient::EmployeeID));

PatientChooser::PatientChooser(QComboBox* cmbPatientName, QLineEdit* txtPatientID, QObject* parent)
    : QObject(parent), combo_(cmbPatientName), name_(txtPatientID) {
  if (!combo_) return;
  QComboBox* combo = combo_;
  WireKeyPress(combo, [combo](int& KeyAscii) { KeyAscii = AutoCompleteKeyPress(combo, KeyAscii, false); });
  connect(combo, &QComboBox::editTextChanged, this, [this] { Change(); });
  connect(combo, &QComboBox::activated, this, [this] { Change(); });
  combo->installEventFilter(this);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { listFollowsFocus(now); });
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
    ids << patients_->Fields(kPatientId).toText();
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
      rs.Open(RowByRowIdSql(table_), {Value(keys_->RowId(at))}, con_);
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
    if (Trim(patients_->Fields(kPatientId).toText()) == wanted) {
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
  if (watched == combo_ && event->type() == QEvent::FocusIn) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    // The window system catches up with a list closed the moment it opened: activating the list's
    // window and then the form's hands the focus back to this box. It stays where it went.
    if (reason == Qt::ActiveWindowFocusReason && focusLeftTo_ && focusLeftTo_->isVisible() &&
        focusLeftTo_->isEnabled() && focusLeftTo_->window() == combo_->window()) {
      focusLeftTo_->setFocus(Qt::ActiveWindowFocusReason);
      return true;
    }
    if (reason != Qt::PopupFocusReason) focusLeftTo_.clear();  // the user came back to the box
  }
  if (watched == combo_ && event->type() == QEvent::KeyPress && !redelivering_ && !combo_->hasFocus()) {
    // A key handed to the box while another box has the focus (a program can do that): the
    // completion drops the list down, and the list pulls the focus over to this box. The list
    // closes and the focus goes back where it was, as after any drop-down (the box keeps its
    // completed tail selected), unless the key chose a patient and the form moved it on itself.
    const QPointer<QWidget> before = QApplication::focusWidget();
    const std::unique_ptr<QKeyEvent> key(static_cast<QKeyEvent*>(event)->clone());
    redelivering_ = true;
    QCoreApplication::sendEvent(combo_, key.get());
    redelivering_ = false;
    event->setAccepted(key->isAccepted());
    if (combo_ && before && combo_->hasFocus()) {
      combo_->hidePopup();
      before->setFocus(Qt::PopupFocusReason);
    }
    return true;
  }
  if (watched == combo_ && event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
    Change();
  return QObject::eventFilter(watched, event);
}

void PatientChooser::listFollowsFocus(QWidget* now) {
  // The keyboard goes where an open list is: left open behind the box that has the focus, the list
  // would take the keys typed there and complete (and so empty) the identifier with them. The bill
  // forms move the focus on to the doctor as soon as a patient is chosen, with the list still down.
  if (!combo_ || !combo_->view()->isVisible()) return;
  const auto inChooser = [this](QWidget* w) {
    return w && (w == combo_ || combo_->isAncestorOf(w) || w->window() == combo_->view()->window());
  };
  if (inChooser(now)) return;
  focusLeftTo_ = now;
  combo_->hidePopup();
}
