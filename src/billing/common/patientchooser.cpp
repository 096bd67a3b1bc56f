#include "billing/common/patientchooser.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <memory>
#include <utility>

#include "data/columns.h"
#include "framework/databaseerror.h"
#include "framework/keyfilters.h"
#include "platform/vbruntime.h"

// The patient's identifier leads the rows of both patient tables.
static constexpr int kPatientId = cols::SettingsOutPatient::EmployeeID;
static_assert(kPatientId == int(cols::SettingsInPatient::EmployeeID));

PatientChooser::PatientChooser(QComboBox* cmbPatientName, QLineEdit* txtPatientID, QObject* parent)
    : QObject(parent), combo_(cmbPatientName), name_(txtPatientID) {
  if (!combo_) return;
  QComboBox* combo = combo_;
  WireKeyPress(combo, [this, combo](int& KeyAscii) {
    KeyAscii = AutoCompleteKeyPress(combo, KeyAscii, false);
    if (KeyAscii == 13) confirm();
  });
  // A text typed or completed is only proposed; an emptied one holds nobody at once.
  connect(combo, &QComboBox::editTextChanged, this, [this](const QString& text) {
    if (Trim(text).isEmpty()) Change();
  });
  // The box activates an entry for an arrow key and as editing ends too; only a pick confirms.
  connect(combo, &QComboBox::activated, this, [this] {
    if (!std::exchange(picking_, false)) return;
    confirm();
  });
  // What the keys propose is listed beside the box, in a list that leaves the mouse alone: a
  // click aimed at the doctor box reaches the doctor box. An entry clicked there is a pick.
  connect(ListTypedProposals(combo), &TypedProposals::Picked, this, [this](const QString& id) {
    if (!combo_) return;
    combo_->setEditText(id);
    confirm();
  });
  combo->installEventFilter(this);
  listArea_ = combo->view()->viewport();
  listArea_->installEventFilter(this);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { listFollowsFocus(now); });
}

PatientChooser::~PatientChooser() {
  qApp->removeEventFilter(this);
  if (combo_) combo_->removeEventFilter(this);
  if (listArea_) listArea_->removeEventFilter(this);
}

void PatientChooser::showList(std::unique_ptr<KeyList> list) {
  if (!combo_) return;
  // Filling again keeps what the box shows.
  const QString text = combo_->currentText();
  keys_ = ShowKeyList(combo_, std::move(list));
  const QSignalBlocker blocker(combo_);
  combo_->setEditText(text);
}

void PatientChooser::Fill(std::shared_ptr<Connection> con, const std::vector<TableRead>& tables) {
  auto list = std::make_unique<KeyList>(true);
  std::vector<int> ends;
  QStringList names;
  for (const TableRead& read : tables) {
    ReadColumnText(con, read, 0,
                   [&list](const char* id, int size, qint64 rowid) { list->AppendUtf8(id, size, rowid); });
    ends.push_back(list->Count());
    names << read.table;
  }
  listedEnd_ = std::move(ends);
  tables_ = std::move(names);
  con_ = std::move(con);
  keys_ = nullptr;
  showList(std::move(list));
}

int PatientChooser::Count(int table) const {
  if (!keys_ || table < 0 || table >= int(listedEnd_.size())) return 0;
  return listedEnd_[std::size_t(table)] - (table > 0 ? listedEnd_[std::size_t(table) - 1] : 0);
}

int PatientChooser::Count() const { return keys_ ? keys_->Count() : 0; }

bool PatientChooser::findListed(const QString& wanted) {
  // The tables are listed in order: the first row listed is the first table's, if any.
  const int at = keys_->FirstExact(wanted);
  if (at < 0) return false;
  std::size_t table = 0;
  while (table + 1 < listedEnd_.size() && at >= listedEnd_[table]) ++table;
  Recordset rs;
  try {
    rs.Open(RowByRowIdRead(tables_[qsizetype(table)], keys_->RowId(at)), con_);
    if (rs.Eof()) return false;
    row_.clear();
    for (int i = 0; i < rs.FieldCount(); ++i) row_.push_back(rs.Fields(i));
    rowid_ = keys_->RowId(at);
  } catch (const DbError&) {
    // A file another program holds is no patient missing: the clerk is told so, and the
    // identifier stays in the box for the next try.
    ShowDatabaseError();
    return false;
  }
  return true;
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
    emit PatientForgotten();
    return;
  }
  const bool found = keys_ && con_ && findListed(wanted);
  if (found) {
    patientId_ = Trim(row_[0].toText());
    matched_ = true;
    if (name_) name_->setText(row_.size() > 1 ? row_[1].toText() : QString());
  }
  busy_ = false;
  if (found) emit PatientChosen();
}

void PatientChooser::confirm() {
  const QPointer<PatientChooser> alive(this);
  Change();
  if (alive && HasPatient()) emit PatientConfirmed();
}

bool PatientChooser::HasPatient() const {
  return matched_ && combo_ && Trim(combo_->currentText()) == patientId_;
}

QString PatientChooser::Field(int ordinal) const {
  if (!matched_ || ordinal < 0 || ordinal >= int(row_.size())) return QString();
  return row_[std::size_t(ordinal)].toText();
}

std::optional<qint64> PatientChooser::RowId() const {
  if (!matched_) return std::nullopt;
  return rowid_;
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
  if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType() && watched != listArea_) {
    confirmOnClickOutside(static_cast<QWidget*>(watched));
    return QObject::eventFilter(watched, event);
  }
  if (watched == listArea_) {
    // The list picks the entry under a released button, and activates it, before the release
    // goes further; a press begins a new pick.
    if (event->type() == QEvent::MouseButtonPress) picking_ = false;
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
      picking_ = combo_ && combo_->view()->isVisible();
    return QObject::eventFilter(watched, event);
  }
  if (watched == combo_ && event->type() == QEvent::KeyPress) {
    picking_ = false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // Tab confirms the identifier shown and, when it chose a patient, moves on to the doctor
    // rather than to whatever box the tab order names next.
    if (key->key() == Qt::Key_Tab && !(key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))) {
      const QPointer<QComboBox> combo(combo_);
      confirm();
      if (combo && !combo->hasFocus()) return true;
    }
  }
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
    qApp->installEventFilter(this);
  }
  if (watched == combo_ && event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
    qApp->removeEventFilter(this);
    picking_ = false;
    Change();
  }
  return QObject::eventFilter(watched, event);
}

void PatientChooser::confirmOnClickOutside(QWidget* clicked) {
  // A click on the form beside the box takes no focus (the background, a label), so the focus
  // leaving the box would never confirm the identifier typed; the click does, as that would.
  // The box itself, its proposals and its dropped-down list are the clerk still choosing.
  if (!combo_ || !combo_->hasFocus() || clicked->window() != combo_->window()) return;
  if (clicked == combo_ || combo_->isAncestorOf(clicked)) return;
  TypedProposals* typed = TypedProposalsOf(combo_);
  if (typed && typed->View() && (clicked == typed->View() || typed->View()->isAncestorOf(clicked))) return;
  if (HasPatient() || Trim(combo_->currentText()).isEmpty()) return;
  Change();
  if (typed) typed->Close();
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
