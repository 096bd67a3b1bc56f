#include "billing/labxray/testpatientchooser.h"

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

TestPatientChooser::TestPatientChooser(QComboBox* cmbPatientName, QLineEdit* txtPatientID, QObject* parent)
    : QObject(parent), combo_(cmbPatientName), name_(txtPatientID) {
  if (!combo_) return;
  QComboBox* combo = combo_;
  WireKeyPress(combo, [combo](int& KeyAscii) { KeyAscii = AutoCompleteKeyPress(combo, KeyAscii, false); });
  connect(combo, &QComboBox::editTextChanged, this, [this] { Change(); });
  connect(combo, &QComboBox::activated, this, [this] { Change(); });
  combo->installEventFilter(this);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { listFollowsFocus(now); });
}

TestPatientChooser::~TestPatientChooser() {
  if (combo_) combo_->removeEventFilter(this);
}

void TestPatientChooser::Fill(Recordset* inPatients, Recordset* outPatients) {
  inPatients_ = inPatients;
  outPatients_ = outPatients;
  keys_ = nullptr;
  con_.reset();
  if (!combo_) return;
  QStringList ids;
  for (Recordset* rs : {inPatients_, outPatients_}) {
    if (!rs) continue;
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) ids << rs->Fields(kPatientId).toText();
    rs->MoveFirst();
  }
  auto list = std::make_unique<KeyList>(true);
  for (int i = 0; i < ids.size(); ++i) list->Append(ids[i], i);
  ShowKeyList(combo_, std::move(list));
}

void TestPatientChooser::Fill(std::shared_ptr<Connection> con, const QString& inPatientsSql,
                              const QString& outPatientsSql) {
  auto list = std::make_unique<KeyList>(true);
  auto append = [&list](const char* id, int size, qint64 rowid) { list->AppendUtf8(id, size, rowid); };
  ReadColumnText(con, inPatientsSql, 0, append);
  inListed_ = list->Count();
  ReadColumnText(con, outPatientsSql, 0, append);
  inTable_ = RewriteSelect(inPatientsSql, adLockOptimistic).table;
  outTable_ = RewriteSelect(outPatientsSql, adLockOptimistic).table;
  con_ = std::move(con);
  inPatients_ = outPatients_ = nullptr;
  if (combo_) keys_ = ShowKeyList(combo_, std::move(list));
}

bool TestPatientChooser::findListed(const QString& wanted) {
  // The list holds the in-patients first: the first row listed is the in-patient's, if any.
  const int at = keys_->FirstExact(wanted);
  if (at < 0) return false;
  Recordset rs;
  try {
    rs.Open(RowByRowIdSql(at < inListed_ ? inTable_ : outTable_),
            {Value(keys_->RowId(at))}, con_);
    if (rs.Eof()) return false;
    row_.clear();
    for (int i = 0; i < rs.FieldCount(); ++i) row_.push_back(rs.Fields(i));
  } catch (const DbError&) {
    return false;
  }
  return true;
}

bool TestPatientChooser::find(Recordset* patients, const QString& wanted) {
  if (!patients || patients->State() != adStateOpen) return false;
  // Stored identifiers are trimmed too, so that one saved with a blank is still found.
  for (patients->MoveFirst(); !patients->Eof(); patients->MoveNext()) {
    if (Trim(patients->Fields(kPatientId).toText()) != wanted) continue;
    row_.clear();
    for (int i = 0; i < patients->FieldCount(); ++i) row_.push_back(patients->Fields(i));
    return true;
  }
  return false;
}

void TestPatientChooser::Change() {
  if (busy_ || !combo_) return;
  busy_ = true;
  const QString wanted = Trim(combo_->currentText());
  if (wanted.isEmpty()) {
    forget();
    if (name_) name_->clear();
    busy_ = false;
    emit PatientForgotten();
    return;
  }
  const bool found =
      keys_ && con_ ? findListed(wanted) : find(inPatients_, wanted) || find(outPatients_, wanted);
  if (found) {
    patientId_ = wanted;
    matched_ = true;
    if (name_) name_->setText(row_.size() > 1 ? row_[1].toText() : QString());
  }
  busy_ = false;
  if (found) emit PatientChosen();
}

bool TestPatientChooser::HasPatient() const {
  return matched_ && combo_ && Trim(combo_->currentText()) == patientId_;
}

QString TestPatientChooser::Field(int ordinal) const {
  if (!matched_ || ordinal < 0 || ordinal >= int(row_.size())) return QString();
  return row_[std::size_t(ordinal)].toText();
}

void TestPatientChooser::Clear() {
  if (combo_) {
    const QSignalBlocker blocker(combo_);
    combo_->setCurrentIndex(-1);
    combo_->setEditText(QString());
  }
  if (name_) name_->clear();
  forget();
}

void TestPatientChooser::forget() {
  matched_ = false;
  patientId_.clear();
  row_.clear();
}

bool TestPatientChooser::eventFilter(QObject* watched, QEvent* event) {
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

void TestPatientChooser::listFollowsFocus(QWidget* now) {
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
