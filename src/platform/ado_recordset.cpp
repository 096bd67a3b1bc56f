// The recordset: its moves, its edits (Update, AddNew, Delete) and the journal a rollback
// restores it from. Its rows are kept in the row store (ado_rowstore.cpp); Open and the other
// reads are in ado_loading.cpp.
#include <sqlite3.h>

#include <algorithm>

#include "platform/ado.h"
#include "platform/ado_recordset_impl.h"

using namespace ado_detail;

const RowRef& Recordset::Impl::rowAt(std::size_t index) const {
  RowRef& r = storage.rows[index];
  if (r.offset != kNotRead) return r;
  Statement s;
  s.prepare(db(), "SELECT *, rowid FROM " + quoteIdentifier(table()) + " WHERE rowid=?",
            QStringLiteral("Cannot read \"%1\"").arg(source));
  sqlite3_bind_int64(s.st, 1, r.rowid);
  const int rc = sqlite3_step(s.st);
  if (rc != SQLITE_ROW && rc != SQLITE_DONE)
    throw ProviderError(db(), rc, QStringLiteral("Cannot read \"%1\"").arg(source));
  if (rc == SQLITE_DONE || sqlite3_column_count(s.st) != fieldCount() + 1)
    raise(adErrRowNotFound, QStringLiteral("Cannot read \"%1\": the row is no longer in the table").arg(source));
  r.offset = readRow(storage.arena, s.st, fieldCount()).offset;
  return r;
}

std::optional<RowRef> Recordset::Impl::reread(std::int64_t rowid) {
  try {
    Statement s;
    s.prepare(db(), "SELECT *, rowid FROM " + quoteIdentifier(table()) + " WHERE rowid=?",
              QStringLiteral("Cannot read the row back"));
    sqlite3_bind_int64(s.st, 1, rowid);
    if (sqlite3_column_count(s.st) != fieldCount() + 1 || sqlite3_step(s.st) != SQLITE_ROW) return std::nullopt;
    return readRow(storage.arena, s.st, fieldCount());
  } catch (const DbError&) {
    return std::nullopt;
  }
}

namespace {

// Runs a bound write; the edit stays pending when it fails.
void runWrite(sqlite3* db, Statement& s, const QString& context, bool needsOneRow) {
  const int rc = sqlite3_step(s.st);
  if (rc != SQLITE_DONE) throw ProviderError(db, rc, context);
  if (needsOneRow && sqlite3_changes(db) != 1)
    raise(adErrRowNotFound,
          context + QStringLiteral(": the row is no longer in the table (another user may have deleted it)"));
}

}  // namespace

void Recordset::Impl::update() {
  requireLiveTransaction();
  std::vector<int> set;
  for (int i = 0; i < fieldCount(); ++i)
    if (edit.dirty[std::size_t(i)]) set.push_back(i);
  const QByteArray quotedTable = quoteIdentifier(table());

  if (edit.mode == adEditAdd) {
    QByteArray sql = "INSERT INTO " + quotedTable;
    if (set.empty()) {
      sql += " DEFAULT VALUES";
    } else {
      QByteArray names, marks;
      for (int i : set) {
        names += (names.isEmpty() ? "" : ",") + columns[std::size_t(i)].quoted;
        marks += marks.isEmpty() ? "?" : ",?";
      }
      sql += " (" + names + ") VALUES (" + marks + ")";
    }
    Statement s;
    s.prepare(db(), sql, QStringLiteral("Cannot add the row"));
    for (std::size_t k = 0; k < set.size(); ++k) bindValue(s.st, int(k) + 1, edit.values[std::size_t(set[k])]);
    runWrite(db(), s, QStringLiteral("Cannot add the row"), false);
    const std::int64_t rowid = sqlite3_last_insert_rowid(db());
    // The row is stored now; from here on nothing may leave the add pending, or a second
    // Update would store it twice.
    const std::optional<RowRef> stored = reread(rowid);
    storage.rows.push_back(stored ? *stored : rowFromValues(edit.values, rowid));
    log({UndoEntry::Kind::Appended, 0, {}, nullptr});
    at = {rowCount() - 1, false};
    edit = {};
    return;
  }

  if (set.empty()) {  // nothing was set: nothing to write
    edit = {};
    return;
  }
  const auto index = std::size_t(at.index);
  const RowRef old = storage.rows[index];
  QByteArray sql = "UPDATE " + quotedTable + " SET ";
  for (std::size_t k = 0; k < set.size(); ++k) sql += (k ? "," : "") + columns[std::size_t(set[k])].quoted + "=?";
  sql += " WHERE rowid=?";
  Statement s;
  s.prepare(db(), sql, QStringLiteral("Cannot change the row"));
  for (std::size_t k = 0; k < set.size(); ++k) bindValue(s.st, int(k) + 1, edit.values[std::size_t(set[k])]);
  sqlite3_bind_int64(s.st, int(set.size()) + 1, old.rowid);
  runWrite(db(), s, QStringLiteral("Cannot change the row"), true);
  const std::optional<RowRef> stored = reread(old.rowid);
  storage.rows[index] = stored ? *stored : rowFromValues(edit.values, old.rowid);
  log({UndoEntry::Kind::Replaced, index, old, nullptr});
  edit = {};
}

void Recordset::Impl::remove() {
  requireLiveTransaction();
  const auto index = std::size_t(at.index);
  const RowRef old = storage.rows[index];
  Statement s;
  s.prepare(db(), "DELETE FROM " + quoteIdentifier(table()) + " WHERE rowid=?",
            QStringLiteral("Cannot delete the row"));
  sqlite3_bind_int64(s.st, 1, old.rowid);
  runWrite(db(), s, QStringLiteral("Cannot delete the row"), true);
  storage.rows.erase(storage.rows.begin() + long(index));
  log({UndoEntry::Kind::Erased, index, old, nullptr});
  at.deletedSlot = true;
}

void Recordset::Impl::rollback() {
  if (!journal.active) return;
  if (journal.reopen) {
    // Opened inside the transaction, so it may hold rows that are gone now: read it again.
    journal = {};
    edit = {};
    Storage fresh;
    std::vector<Column> cols;
    try {
      load(fresh, cols);
      storage = std::move(fresh);
      columns = std::move(cols);
    } catch (const DbError&) {
      storage = {};
    }
    at = {};
    return;
  }
  for (auto it = journal.log.rbegin(); it != journal.log.rend(); ++it) {
    switch (it->kind) {
      case UndoEntry::Kind::Replaced: storage.rows[it->index] = it->row; break;
      case UndoEntry::Kind::Appended: storage.rows.pop_back(); break;
      case UndoEntry::Kind::Erased: storage.rows.insert(storage.rows.begin() + long(it->index), it->row); break;
      case UndoEntry::Kind::Requeried: storage = std::move(*it->storage); break;
    }
  }
  at = journal.at;
  edit = std::move(journal.edit);
  journal = {};
}

// ---- Recordset ----

Recordset::Recordset() : d(std::make_unique<Impl>()) {}

Recordset::~Recordset() {
  if (d->open) d->con->detach(this);
}

void Recordset::Close() {
  if (!d->open) return;
  d->con->detach(this);
  auto error = std::move(d->lastOpenError);
  d = std::make_unique<Impl>();
  d->lastOpenError = std::move(error);
}

int Recordset::State() const { return d->open ? adStateOpen : adStateClosed; }
const std::optional<DbError>& Recordset::LastOpenError() const { return d->lastOpenError; }
std::shared_ptr<Connection> Recordset::ActiveConnection() const { return d->con; }
const QString& Recordset::Source() const { return d->source; }

long Recordset::RecordCount() const {
  d->requireOpen();
  return d->rowCount() + (d->edit.mode == adEditAdd ? 1 : 0);
}

bool Recordset::Bof() const {
  d->requireOpen();
  if (d->edit.mode == adEditAdd || d->at.deletedSlot) return false;
  return d->rowCount() == 0 || d->at.index < 0;
}

bool Recordset::Eof() const {
  d->requireOpen();
  if (d->edit.mode == adEditAdd || d->at.deletedSlot) return false;
  return d->rowCount() == 0 || d->at.index >= d->rowCount();
}

bool Recordset::HasCurrentRow() const {
  d->requireOpen();
  return d->hasCurrentRow();
}

std::optional<qint64> Recordset::CurrentRowId() const {
  d->requireOpen();
  if (d->edit.mode == adEditAdd || !d->hasCurrentRow()) return std::nullopt;
  return d->storage.rows[std::size_t(d->at.index)].rowid;
}

int Recordset::EditMode() const {
  d->requireOpen();
  return d->edit.mode;
}

void Recordset::MoveFirst() {
  d->requireOpen();
  d->requireNoEdit();
  d->at = {0, false};  // on an empty recordset that is BOF and EOF at once
}

void Recordset::MoveLast() {
  d->requireOpen();
  d->requireNoEdit();
  d->at = {d->rowCount() == 0 ? 0 : d->rowCount() - 1, false};
}

void Recordset::MoveNext() {
  d->requireOpen();
  d->requireNoEdit();
  if (d->at.deletedSlot) {
    d->at.deletedSlot = false;  // the row that followed the deleted one is already there
    return;
  }
  if (Eof()) noCurrentRow();
  ++d->at.index;
}

void Recordset::MovePrevious() {
  d->requireOpen();
  d->requireNoEdit();
  if (d->at.deletedSlot) {
    d->at = {d->at.index - 1, false};
    return;
  }
  if (Bof()) noCurrentRow();
  d->at.index = std::min(d->at.index, d->rowCount()) - 1;
}

void Recordset::Requery() {
  d->requireOpen();
  d->requireNoEdit();
  auto fresh = std::make_shared<Storage>();
  std::vector<Column> cols;
  d->load(*fresh, cols);  // on failure the old snapshot stays as it was
  d->log({UndoEntry::Kind::Requeried, 0, {}, std::make_shared<Storage>(std::move(d->storage))});
  d->storage = std::move(*fresh);
  d->columns = std::move(cols);
  d->at = {0, false};
}

int Recordset::FieldCount() const {
  d->requireOpen();
  return d->fieldCount();
}

QString Recordset::FieldName(int ordinal) const {
  d->requireOpen();
  d->requireOrdinal(ordinal);
  return d->columns[std::size_t(ordinal)].name;
}

Value Recordset::Fields(int ordinal) const {
  d->requireOpen();
  d->requireOrdinal(ordinal);
  if (d->edit.mode != adEditNone) return d->edit.values[std::size_t(ordinal)];
  if (!d->hasCurrentRow()) noCurrentRow();
  return d->cell(d->rowAt(std::size_t(d->at.index)), ordinal);
}

void Recordset::SetField(int ordinal, const Value& value) {
  d->requireOpen();
  d->requireUpdatable();
  d->requireOrdinal(ordinal);
  if (d->edit.mode == adEditNone) {
    if (!d->hasCurrentRow()) noCurrentRow();
    d->edit.values = d->rowValues(d->rowAt(std::size_t(d->at.index)));
    d->edit.dirty.assign(d->columns.size(), false);
    d->edit.mode = adEditInProgress;
  }
  d->edit.values[std::size_t(ordinal)] = value;
  d->edit.dirty[std::size_t(ordinal)] = true;
}

void Recordset::AddNew() {
  d->requireOpen();
  d->requireUpdatable();
  d->requireNoEdit();  // a second AddNew never stores the first one on the quiet
  d->edit.before = d->at;
  d->edit.values.assign(d->columns.size(), Value());
  d->edit.dirty.assign(d->columns.size(), false);
  d->edit.mode = adEditAdd;
}

void Recordset::Update() {
  d->requireOpen();
  d->requireUpdatable();
  if (d->edit.mode == adEditNone) {
    if (!d->hasCurrentRow()) noCurrentRow();
    return;  // nothing was changed
  }
  d->update();
}

void Recordset::CancelUpdate() {
  d->requireOpen();
  if (d->edit.mode == adEditAdd) d->at = d->edit.before;
  d->edit = {};
}

void Recordset::Delete() {
  d->requireOpen();
  d->requireUpdatable();
  d->requireNoEdit();
  if (!d->hasCurrentRow()) noCurrentRow();
  d->remove();
}

Recordset::Bookmark Recordset::GetBookmark() const {
  d->requireOpen();
  return {d->at.index};
}

void Recordset::MoveTo(const Bookmark& b) {
  d->requireOpen();
  d->requireNoEdit();
  if (b.position < -1 || b.position > d->rowCount())
    raise(adErrInvalidArgument, QStringLiteral("The bookmark does not name a row of this recordset"));
  d->at = {b.position, false};
}

bool Recordset::MoveToRowId(qint64 rowid) {
  d->requireOpen();
  d->requireNoEdit();
  const auto& rows = d->storage.rows;
  const auto it = std::find_if(rows.begin(), rows.end(), [rowid](const RowRef& r) { return r.rowid == rowid; });
  d->at = {long(it - rows.begin()), false};
  return it != rows.end();
}

void Recordset::journalBegin() {
  if (!d->open) return;
  d->journal = {};
  d->journal.active = true;
  d->journal.at = d->at;
  d->journal.edit = d->edit;
}

void Recordset::journalRollback() {
  if (!d->open) return;
  // The rows put back are not the ones last read: nothing read before is handed on any more.
  d->keysetStamp.reset();
  d->keptTexts.reset();
  d->rollback();
}

void Recordset::journalDiscard() { d->journal = {}; }
