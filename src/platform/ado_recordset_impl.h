#pragma once
// The recordset's own state, shared by its edits (ado_recordset.cpp) and its loading paths
// (ado_loading.cpp); nothing above the layer uses this.
#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <sqlite3.h>
#include <vector>

#include "platform/ado.h"
#include "platform/ado_loading.h"
#include "platform/ado_rowstore.h"
#include "platform/ado_statement.h"

namespace ado_detail {

[[noreturn]] inline void noCurrentRow() {
  raise(adErrNoCurrentRow, QStringLiteral("There is no current row: the recordset stands before its first "
                                          "row, after its last row or on a deleted row"));
}

[[noreturn]] inline void editPending() {
  raise(adErrIllegalOperation,
        QStringLiteral("The recordset has a new or changed row pending: call Update or CancelUpdate first"));
}

struct Column {
  QString name;
  QByteArray quoted;  // as an SQL identifier
  bool isDate = false;
};

struct Position {
  long index = 0;            // -1 is BOF, the row count is EOF
  bool deletedSlot = false;  // on the gap a Delete left; index is the row that followed it
};

struct EditState {
  int mode = adEditNone;
  std::vector<Value> values;  // the whole row being edited or added
  std::vector<bool> dirty;    // the fields that were set and will be written
  Position before;            // where an AddNew came from, for CancelUpdate
};

// What a rollback needs to put a recordset back as it was when the transaction began: the old
// bytes of each row it changed, the rows it added or deleted, and its position and edit state.
// Nothing is copied up front; entries are undone newest first.
struct UndoEntry {
  enum class Kind : std::uint8_t { Replaced, Appended, Erased, Requeried } kind;
  std::size_t index = 0;
  RowRef row;
  std::shared_ptr<Storage> storage;  // Requeried: the snapshot before it
};

struct Journal {
  bool active = false;
  bool reopen = false;  // opened inside the transaction: a rollback reads it again
  Position at;
  EditState edit;
  std::vector<UndoEntry> log;
};

}  // namespace ado_detail

struct Recordset::Impl {
  bool open = false;
  std::shared_ptr<Connection> con;
  QString source;  // the text the rows are read with
  int lockType = adLockReadOnly;
  // The read of one table it was opened on; none for a free text, whose rows carry no rowid.
  std::optional<TableRead> read;
  QByteArray keysetSql;  // a keyset recordset: the text that reads its rowids; else empty
  mutable std::optional<ado_detail::DbStamp> keysetStamp;  // when those rowids were read
  // The sort column read with those rowids, until it is listed.
  mutable std::shared_ptr<ado_detail::KeptTexts> keptTexts;
  std::vector<Value> parameters;
  std::vector<ado_detail::Column> columns;
  mutable ado_detail::Storage storage;  // a keyset recordset reads rows into it as they are needed
  ado_detail::Position at;
  ado_detail::EditState edit;
  ado_detail::Journal journal;
  std::optional<DbError> lastOpenError;

  sqlite3* db() const { return con->handle(); }
  long rowCount() const { return long(storage.rows.size()); }
  int fieldCount() const { return int(columns.size()); }
  bool updatable() const {
    return read && lockType != adLockReadOnly;
  }

  const QString& table() const { return read->table; }

  void requireOpen() const {
    if (!open) ado_detail::raise(adErrObjectClosed, QStringLiteral("The recordset is not open"));
  }
  void requireOrdinal(int ordinal) const {
    if (ordinal < 0 || ordinal >= fieldCount())
      ado_detail::raise(adErrItemNotFound, QStringLiteral("There is no field %1 in this recordset (it has %2)")
                                               .arg(ordinal)
                                               .arg(fieldCount()));
  }
  void requireUpdatable() const {
    if (!updatable())
      ado_detail::raise(adErrFeatureNotAvailable, QStringLiteral("This recordset is read-only: ") + source);
  }
  void requireNoEdit() const {
    if (edit.mode != adEditNone) ado_detail::editPending();
  }
  bool hasCurrentRow() const {
    if (edit.mode == adEditAdd) return true;
    return !at.deletedSlot && at.index >= 0 && at.index < rowCount();
  }
  // SQLite may end a transaction by itself after a full disk or an I/O error; a write then
  // would be committed on its own, outside the save it belongs to.
  void requireLiveTransaction() const {
    if (con->InTransaction() && sqlite3_get_autocommit(db()))
      ado_detail::raise(adErrProvider, QStringLiteral("The database ended the transaction after an error; "
                                                      "nothing more is written until it is rolled back"));
  }

  // Runs the text and reads every row.
  // A keyset takes `model`'s rowids, where it is a keyset of the same text whose rowids were read
  // with the database as it is now.
  void load(ado_detail::Storage& out, std::vector<ado_detail::Column>& cols, const Impl* model = nullptr) const;

  ado_detail::RowRef readRow(std::vector<char>& a, sqlite3_stmt* st, int n) const {
    return ado_detail::appendRow(a, st, n, read.has_value());
  }
  // A row made from values, for the one case where a stored row cannot be read back.
  ado_detail::RowRef rowFromValues(const std::vector<Value>& values, std::int64_t rowid) {
    return ado_detail::appendValues(storage.arena, values, rowid);
  }

  // The row at `index`, its values read first where they have not been yet.
  const ado_detail::RowRef& rowAt(std::size_t index) const;

  Value cell(const ado_detail::RowRef& r, int ordinal) const {
    return ado_detail::cellAt(storage.arena, r, ordinal, columns[std::size_t(ordinal)].isDate);
  }
  std::vector<Value> rowValues(const ado_detail::RowRef& r) const {
    std::vector<Value> out;
    out.reserve(columns.size());
    for (int i = 0; i < fieldCount(); ++i) out.push_back(cell(r, i));
    return out;
  }

  // The row as the database now holds it: its types as stored, a generated UserID.
  std::optional<ado_detail::RowRef> reread(std::int64_t rowid);

  void log(ado_detail::UndoEntry e) {
    if (journal.active && !journal.reopen) journal.log.push_back(std::move(e));
  }

  void update();
  void remove();
  void rollback();
};
