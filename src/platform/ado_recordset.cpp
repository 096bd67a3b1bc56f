// The recordset: a snapshot of every row its SQL text gave, kept compact because the bill tables
// grow to a million rows. Each row is one run of bytes in a shared arena (a type tag per field,
// then the integer, the real or the UTF-8 text); fields are decoded only when they are read.
#include <QRegularExpression>
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>
#include <string>

#include "platform/ado.h"
#include "platform/ado_sqlite.h"
#include "platform/largearray.h"

using namespace ado_detail;

namespace {

[[noreturn]] void raise(int number, const QString& description) { throw DbError(number, description); }

[[noreturn]] void noCurrentRow() {
  raise(adErrNoCurrentRow, QStringLiteral("There is no current row: the recordset stands before its first "
                                          "row, after its last row or on a deleted row"));
}

[[noreturn]] void editPending() {
  raise(adErrIllegalOperation,
        QStringLiteral("The recordset has a new or changed row pending: call Update or CancelUpdate first"));
}

enum Tag : char { kNull = 0, kInteger = 1, kReal = 2, kText = 3 };

// The offset of a row whose values have not been read yet (a keyset recordset).
constexpr std::uint64_t kNotRead = ~std::uint64_t(0);

struct RowRef {
  std::uint64_t offset = 0;  // where the row's bytes start in the arena, or kNotRead
  std::int64_t rowid = 0;
};

// The rows of one snapshot. Bytes of rows that were changed or deleted stay in the arena until
// the next Requery: forms change a handful of rows, and a rollback needs the old bytes.
struct Storage {
  std::vector<RowRef> rows;
  std::vector<char> arena;
};

void putVarint(std::vector<char>& a, std::uint64_t v) {
  while (v >= 0x80) {
    a.push_back(char(std::uint8_t(v | 0x80)));
    v >>= 7;
  }
  a.push_back(char(std::uint8_t(v)));
}

std::uint64_t getVarint(const char*& p) {
  std::uint64_t v = 0;
  for (int shift = 0;; shift += 7) {
    const auto b = std::uint8_t(*p++);
    v |= std::uint64_t(b & 0x7f) << shift;
    if (!(b & 0x80)) return v;
  }
}

std::uint64_t zigzag(std::int64_t v) { return (std::uint64_t(v) << 1) ^ std::uint64_t(v >> 63); }
std::int64_t unzigzag(std::uint64_t v) { return std::int64_t(v >> 1) ^ -std::int64_t(v & 1); }

void putInteger(std::vector<char>& a, std::int64_t v) {
  a.push_back(kInteger);
  putVarint(a, zigzag(v));
}

void putReal(std::vector<char>& a, double v) {
  a.push_back(kReal);
  char bytes[sizeof v];
  std::memcpy(bytes, &v, sizeof v);
  a.insert(a.end(), bytes, bytes + sizeof v);
}

void putText(std::vector<char>& a, const char* p, std::size_t n) {
  a.push_back(kText);
  putVarint(a, n);
  a.insert(a.end(), p, p + n);
}

void skipCell(const char*& p) {
  switch (*p++) {
    case kInteger: getVarint(p); break;
    case kReal: p += sizeof(double); break;
    case kText: {
      const std::uint64_t n = getVarint(p);
      p += n;
      break;
    }
    default: break;
  }
}

struct Column {
  QString name;
  QByteArray quoted;  // as an SQL identifier
  bool isDate = false;
};

QByteArray quoteIdentifier(const QString& name) {
  QByteArray q = name.toUtf8();
  q.replace('"', "\"\"");
  return '"' + q + '"';
}

// A statement that is always finalised, so a recordset never keeps a lock.
struct Statement {
  sqlite3_stmt* st = nullptr;
  Statement() = default;
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  ~Statement() { sqlite3_finalize(st); }

  void prepare(sqlite3* db, const QByteArray& sql, const QString& context) {
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &st, &tail);
    if (rc != SQLITE_OK) throw ProviderError(db, rc, context);
    while (tail && *tail && std::isspace(static_cast<unsigned char>(*tail))) ++tail;
    if (!st || (tail && *tail))
      raise(adErrInvalidArgument, QStringLiteral("Only one SQL statement can be run: ") + QString::fromUtf8(sql));
  }
};

void bindValue(sqlite3_stmt* st, int index, const Value& v) {
  switch (v.kind()) {
    case Value::Kind::Null: sqlite3_bind_null(st, index); break;
    case Value::Kind::Integer: sqlite3_bind_int64(st, index, v.intValue()); break;
    case Value::Kind::Real: sqlite3_bind_double(st, index, v.realValue()); break;
    case Value::Kind::Text: {
      // An empty text stays an empty text: "" and NULL are different values to the forms.
      const QByteArray utf8 = v.textValue().toUtf8();
      sqlite3_bind_text(st, index, utf8.isNull() ? "" : utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
      break;
    }
    case Value::Kind::Date: {
      const QByteArray iso = IsoText(*v.toDate());
      sqlite3_bind_text(st, index, iso.constData(), int(iso.size()), SQLITE_TRANSIENT);
      break;
    }
  }
}

// The texts of a sort column as they were read, in the sorted order: the list of that column,
// when one is wanted, is then not read and sorted again.
struct SortedTexts {
  QString key;
  std::vector<char> bytes;
  std::vector<std::size_t> ends;  // where each text ends in `bytes`
};

// The rowids of "SELECT * FROM T [WHERE cond] ORDER BY C" in that order, sorted here rather than by the
// database; false, having read nothing, for any other text. With `texts`, also C's cells where
// they are all texts (else texts stays empty).
bool readRowidsSortedInMemory(sqlite3* db, const RewrittenSql& rewritten, const QString& sql,
                              std::vector<qint64>& rowids, SortedTexts* texts = nullptr);

// The rows of "SELECT * FROM T [WHERE cond] ORDER BY C" in that order: the keys sorted here, then
// every row read in one pass in storage order (readRow makes each) and put in place. False, with
// nothing added to `out`, for any other text or where the table changed between the two reads.
using RowReader = std::function<RowRef(std::vector<char>& arena, sqlite3_stmt* st)>;
bool readRowsSortedInMemory(sqlite3* db, const RewrittenSql& rewritten, const QString& sql, int fields,
                            const RowReader& readRow, Storage& out);

// What the database was when a keyset read its rowids: a write since, by this connection or
// by another, or a change of the schema (a VACUUM may renumber the rows) moves it.
struct DbStamp {
  sqlite3_int64 changes = -1;
  sqlite3_int64 dataVersion = -1;
  sqlite3_int64 schemaVersion = -1;
  bool operator==(const DbStamp&) const = default;
};

sqlite3_int64 pragmaValue(sqlite3* db, const char* pragma) {
  sqlite3_stmt* st = nullptr;
  sqlite3_int64 v = -1;
  if (sqlite3_prepare_v2(db, pragma, -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
    v = sqlite3_column_int64(st, 0);
  sqlite3_finalize(st);
  return v;
}

DbStamp stampOf(sqlite3* db) {
  return {sqlite3_total_changes64(db), pragmaValue(db, "PRAGMA data_version"),
          pragmaValue(db, "PRAGMA schema_version")};
}

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

}  // namespace

struct Recordset::Impl {
  bool open = false;
  std::shared_ptr<Connection> con;
  QString source;
  int lockType = adLockReadOnly;
  RewrittenSql rewritten;
  QByteArray keysetSql;  // a keyset recordset: the text that reads its rowids; else empty
  mutable std::optional<DbStamp> keysetStamp;  // when those rowids were read
  mutable std::shared_ptr<SortedTexts> keyTexts;  // the sort column read with them, until it is listed
  std::vector<Value> parameters;
  std::vector<Column> columns;
  mutable Storage storage;  // a keyset recordset reads rows into it as they are needed
  Position at;
  EditState edit;
  Journal journal;
  std::optional<DbError> lastOpenError;

  sqlite3* db() const { return con->handle(); }
  long rowCount() const { return long(storage.rows.size()); }
  int fieldCount() const { return int(columns.size()); }
  bool updatable() const {
    return rewritten.hasRowid && !rewritten.table.isEmpty() && lockType != adLockReadOnly;
  }

  void requireOpen() const {
    if (!open) raise(adErrObjectClosed, QStringLiteral("The recordset is not open"));
  }
  void requireOrdinal(int ordinal) const {
    if (ordinal < 0 || ordinal >= fieldCount())
      raise(adErrItemNotFound, QStringLiteral("There is no field %1 in this recordset (it has %2)")
                                   .arg(ordinal)
                                   .arg(fieldCount()));
  }
  void requireUpdatable() const {
    if (!updatable())
      raise(adErrFeatureNotAvailable,
            QStringLiteral("This recordset is read-only: ") + source);
  }
  void requireNoEdit() const {
    if (edit.mode != adEditNone) editPending();
  }
  bool hasCurrentRow() const {
    if (edit.mode == adEditAdd) return true;
    return !at.deletedSlot && at.index >= 0 && at.index < rowCount();
  }
  // SQLite may end a transaction by itself after a full disk or an I/O error; a write then
  // would be committed on its own, outside the save it belongs to.
  void requireLiveTransaction() const {
    if (con->InTransaction() && sqlite3_get_autocommit(db()))
      raise(adErrProvider, QStringLiteral("The database ended the transaction after an error; "
                                          "nothing more is written until it is rolled back"));
  }

  // Runs the rewritten text and reads every row.
  // A keyset takes `model`'s rowids, where it is a keyset of the same text whose rowids were read
  // with the database as it is now.
  void load(Storage& out, std::vector<Column>& cols, const Impl* model = nullptr) const {
    Statement s;
    s.prepare(db(), rewritten.sql.toUtf8(), QStringLiteral("Cannot open \"%1\"").arg(source));
    for (std::size_t i = 0; i < parameters.size(); ++i) bindValue(s.st, int(i) + 1, parameters[i]);
    if (!sqlite3_stmt_readonly(s.st))
      raise(adErrInvalidArgument, QStringLiteral("A recordset only reads: ") + source);
    const int n = sqlite3_column_count(s.st) - (rewritten.hasRowid ? 1 : 0);
    cols.clear();
    for (int i = 0; i < n; ++i) {
      Column c;
      c.name = QString::fromUtf8(sqlite3_column_name(s.st, i));
      c.quoted = quoteIdentifier(c.name);
      const char* decl = sqlite3_column_decltype(s.st, i);
      c.isDate = decl && sqlite3_stricmp(decl, "DATE") == 0;
      cols.push_back(std::move(c));
    }
    if (!keysetSql.isEmpty()) {
      const std::optional<DbStamp> now =
          parameters.empty() ? std::optional<DbStamp>(stampOf(db())) : std::optional<DbStamp>();
      if (now && model && model->open && model->con == con && model->keysetSql == keysetSql &&
          model->parameters.empty() && model->keysetStamp == now) {
        out.rows.reserve(model->storage.rows.size());
        for (const RowRef& r : model->storage.rows) out.rows.push_back({kNotRead, r.rowid});
        keysetStamp = now;
        keyTexts.reset();
        return;
      }
      std::vector<qint64> sorted;
      auto texts = std::make_shared<SortedTexts>();
      if (parameters.empty() && readRowidsSortedInMemory(db(), rewritten, source, sorted, texts.get())) {
        out.rows.reserve(sorted.size());
        for (const qint64 rowid : sorted) out.rows.push_back({kNotRead, rowid});
        keysetStamp = now;
        keyTexts = texts->ends.size() == sorted.size() ? std::move(texts) : nullptr;
        return;
      }
      keyTexts.reset();
      Statement k;
      k.prepare(db(), keysetSql, QStringLiteral("Cannot open \"%1\"").arg(source));
      for (std::size_t i = 0; i < parameters.size(); ++i) bindValue(k.st, int(i) + 1, parameters[i]);
      for (;;) {
        const int rc = sqlite3_step(k.st);
        if (rc == SQLITE_DONE) break;
        if (rc != SQLITE_ROW) throw ProviderError(db(), rc, QStringLiteral("Cannot read \"%1\"").arg(source));
        out.rows.push_back({kNotRead, sqlite3_column_int64(k.st, 0)});
      }
      keysetStamp = now;
      return;
    }
    // A whole table in one column's order: in the database's own plan every row is a seek from
    // the index into the table, a page read for nearly each of fifty thousand patients.
    if (parameters.empty() &&
        readRowsSortedInMemory(db(), rewritten, source, n,
                               [this, n](std::vector<char>& a, sqlite3_stmt* st) { return readRow(a, st, n); }, out))
      return;
    for (;;) {
      const int rc = sqlite3_step(s.st);
      if (rc == SQLITE_DONE) break;
      if (rc != SQLITE_ROW) throw ProviderError(db(), rc, QStringLiteral("Cannot read \"%1\"").arg(source));
      out.rows.push_back(readRow(out.arena, s.st, n));
    }
  }

  RowRef readRow(std::vector<char>& a, sqlite3_stmt* st, int n) const {
    RowRef r{a.size(), rewritten.hasRowid ? sqlite3_column_int64(st, n) : 0};
    for (int i = 0; i < n; ++i) {
      switch (sqlite3_column_type(st, i)) {
        case SQLITE_INTEGER: putInteger(a, sqlite3_column_int64(st, i)); break;
        case SQLITE_FLOAT: putReal(a, sqlite3_column_double(st, i)); break;
        case SQLITE_TEXT: {
          const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
          putText(a, p, std::size_t(sqlite3_column_bytes(st, i)));
          break;
        }
        case SQLITE_BLOB: {
          const auto* p = static_cast<const char*>(sqlite3_column_blob(st, i));
          putText(a, p, std::size_t(sqlite3_column_bytes(st, i)));
          break;
        }
        default: a.push_back(kNull); break;
      }
    }
    return r;
  }

  // A row made from values, for the one case where a stored row cannot be read back.
  RowRef rowFromValues(const std::vector<Value>& values, std::int64_t rowid) {
    std::vector<char>& a = storage.arena;
    RowRef r{a.size(), rowid};
    for (const Value& v : values) {
      switch (v.kind()) {
        case Value::Kind::Null: a.push_back(kNull); break;
        case Value::Kind::Integer: putInteger(a, v.intValue()); break;
        case Value::Kind::Real: putReal(a, v.realValue()); break;
        case Value::Kind::Text: {
          const QByteArray utf8 = v.textValue().toUtf8();
          putText(a, utf8.constData(), std::size_t(utf8.size()));
          break;
        }
        case Value::Kind::Date: {
          const QByteArray iso = IsoText(*v.toDate());
          putText(a, iso.constData(), std::size_t(iso.size()));
          break;
        }
      }
    }
    return r;
  }

  // The row at `index`, its values read first where they have not been yet.
  const RowRef& rowAt(std::size_t index) const {
    RowRef& r = storage.rows[index];
    if (r.offset != kNotRead) return r;
    Statement s;
    s.prepare(db(), "SELECT *, rowid FROM " + quoteIdentifier(rewritten.table) + " WHERE rowid=?",
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

  Value cell(const RowRef& r, int ordinal) const {
    const char* p = storage.arena.data() + r.offset;
    for (int i = 0; i < ordinal; ++i) skipCell(p);
    switch (*p++) {
      case kInteger: return Value(qint64(unzigzag(getVarint(p))));
      case kReal: {
        double d = 0;
        std::memcpy(&d, p, sizeof d);
        return Value(d);
      }
      case kText: {
        const auto n = qsizetype(getVarint(p));
        if (columns[std::size_t(ordinal)].isDate)
          if (const auto date = IsoDate(p, n)) return Value(*date);
        return Value(QString::fromUtf8(p, n));
      }
      default: return Value();
    }
  }

  std::vector<Value> rowValues(const RowRef& r) const {
    std::vector<Value> out;
    out.reserve(columns.size());
    for (int i = 0; i < fieldCount(); ++i) out.push_back(cell(r, i));
    return out;
  }

  // The row as the database now holds it: its types as stored, a generated UserID.
  std::optional<RowRef> reread(std::int64_t rowid) {
    try {
      Statement s;
      s.prepare(db(), "SELECT *, rowid FROM " + quoteIdentifier(rewritten.table) + " WHERE rowid=?",
                QStringLiteral("Cannot read the row back"));
      sqlite3_bind_int64(s.st, 1, rowid);
      if (sqlite3_column_count(s.st) != fieldCount() + 1 || sqlite3_step(s.st) != SQLITE_ROW) return std::nullopt;
      return readRow(storage.arena, s.st, fieldCount());
    } catch (const DbError&) {
      return std::nullopt;
    }
  }

  void log(UndoEntry e) {
    if (journal.active && !journal.reopen) journal.log.push_back(std::move(e));
  }

  void update();
  void remove();
  void rollback();
};

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
  const QByteArray table = quoteIdentifier(rewritten.table);

  if (edit.mode == adEditAdd) {
    QByteArray sql = "INSERT INTO " + table;
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
  QByteArray sql = "UPDATE " + table + " SET ";
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
  s.prepare(db(), "DELETE FROM " + quoteIdentifier(rewritten.table) + " WHERE rowid=?",
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

void Recordset::Open(const QString& sql, std::shared_ptr<Connection> con, int cursorType, int lockType) {
  Open(sql, {}, std::move(con), cursorType, lockType);
}

void Recordset::Open(const QString& sql, const std::vector<Value>& parameters, std::shared_ptr<Connection> con,
                     int /*cursorType*/, int lockType) {
  // Every cursor type behaves as a client-side snapshot, so the cursor type changes nothing.
  open(sql, parameters, std::move(con), lockType, false);
}

void Recordset::OpenKeyset(const QString& sql, std::shared_ptr<Connection> con, int lockType) {
  open(sql, {}, std::move(con), lockType, true);
}

void Recordset::OpenKeysetLike(const Recordset& model, int lockType) {
  if (&model == this) raise(adErrInvalidArgument, QStringLiteral("A recordset cannot be opened like itself"));
  model.d->requireOpen();
  open(model.d->source, {}, model.d->con, lockType, true, &model);
}

void Recordset::open(const QString& sql, const std::vector<Value>& parameters, std::shared_ptr<Connection> con,
                     int lockType, bool keyset, const Recordset* model) {
  if (d->open) Close();
  d->lastOpenError.reset();
  try {
    if (!con || con->State() != adStateOpen) raise(adErrObjectClosed, QStringLiteral("The connection is not open"));
    auto fresh = std::make_unique<Impl>();
    fresh->con = con;
    fresh->source = sql;
    fresh->lockType = lockType;
    fresh->rewritten = RewriteSelect(sql, lockType);
    if (keyset) {
      // Only the rowids are read, in the order the whole rows would come; a sort by column
      // number would mean another column in the narrowed text, so such a text stays a snapshot.
      static const QRegularExpression byNumber(QStringLiteral("\\bORDER\\s+BY\\b.*\\b\\d+\\b"),
                                               QRegularExpression::CaseInsensitiveOption |
                                                   QRegularExpression::DotMatchesEverythingOption);
      const RewrittenSql rows = RewriteSelect(sql, adLockOptimistic);
      const QByteArray full = rows.sql.toUtf8();
      const QByteArray star = QByteArrayLiteral("SELECT *, rowid FROM ");
      if (rows.hasRowid && !rows.table.isEmpty() && full.startsWith(star) && !byNumber.match(rows.sql).hasMatch()) {
        fresh->rewritten = rows;
        fresh->keysetSql = "SELECT rowid FROM " + full.mid(star.size());
      }
    }
    fresh->parameters = parameters;
    fresh->load(fresh->storage, fresh->columns, model ? model->d.get() : nullptr);
    fresh->open = true;
    if (con->InTransaction()) {
      fresh->journal.active = true;
      fresh->journal.reopen = true;
    }
    d = std::move(fresh);
    con->attach(this);
  } catch (const DbError& e) {
    d->lastOpenError = e;
    throw;
  }
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
  d->keyTexts.reset();
  d->rollback();
}

void Recordset::journalDiscard() { d->journal = {}; }


namespace {

// One cell of a column being read: it points into the statement's current row, or into a copy.
struct CellView {
  int type = SQLITE_NULL;
  qint64 integer = 0;
  double real = 0;
  const char* bytes = nullptr;
  int size = 0;
};

CellView cellOf(sqlite3_stmt* st, int column) {
  CellView c;
  c.type = sqlite3_column_type(st, column);
  switch (c.type) {
    case SQLITE_INTEGER: c.integer = sqlite3_column_int64(st, column); break;
    case SQLITE_FLOAT: c.real = sqlite3_column_double(st, column); break;
    case SQLITE_TEXT:
    case SQLITE_BLOB:
      c.bytes = static_cast<const char*>(sqlite3_column_blob(st, column));
      c.size = sqlite3_column_bytes(st, column);
      break;
    default: break;
  }
  return c;
}

// The cell as Fields() gives it.
Value valueOf(const CellView& c, bool isDate) {
  switch (c.type) {
    case SQLITE_INTEGER: return Value(c.integer);
    case SQLITE_FLOAT: return Value(c.real);
    case SQLITE_TEXT:
    case SQLITE_BLOB:
      if (isDate)
        if (const auto date = IsoDate(c.bytes, c.size)) return Value(*date);
      return Value(QString::fromUtf8(c.bytes, c.size));
    default: return Value();
  }
}

// The collating sequences SQLite has built in.
enum class Collation { Binary, NoCase, RTrim };

std::optional<Collation> collationNamed(const char* name) {
  if (!name || sqlite3_stricmp(name, "BINARY") == 0) return Collation::Binary;
  if (sqlite3_stricmp(name, "NOCASE") == 0) return Collation::NoCase;
  if (sqlite3_stricmp(name, "RTRIM") == 0) return Collation::RTrim;
  return std::nullopt;
}

bool sameNumber(const CellView& a, const CellView& b) {
  if (a.type == SQLITE_INTEGER && b.type == SQLITE_INTEGER) return a.integer == b.integer;
  if (a.type == SQLITE_FLOAT && b.type == SQLITE_FLOAT) return a.real == b.real;
  const CellView& i = a.type == SQLITE_INTEGER ? a : b;
  const CellView& r = a.type == SQLITE_INTEGER ? b : a;
  // Equal only when the real is that very integer.
  return r.real >= -9223372036854775808.0 && r.real < 9223372036854775808.0 && double(i.integer) == r.real &&
         qint64(r.real) == i.integer;
}

// Whether an ORDER BY on a column of this collation ranks the two cells alike.
bool sameKey(const CellView& a, const CellView& b, Collation collation) {
  const auto numeric = [](int t) { return t == SQLITE_INTEGER || t == SQLITE_FLOAT; };
  if (a.type == SQLITE_NULL || b.type == SQLITE_NULL) return a.type == b.type;
  if (numeric(a.type) || numeric(b.type)) return numeric(a.type) && numeric(b.type) && sameNumber(a, b);
  if (a.type != b.type) return false;
  if (a.type == SQLITE_BLOB || collation == Collation::Binary)
    return a.size == b.size && (a.size == 0 || std::memcmp(a.bytes, b.bytes, std::size_t(a.size)) == 0);
  if (collation == Collation::NoCase)
    return a.size == b.size && (a.size == 0 || sqlite3_strnicmp(a.bytes, b.bytes, a.size) == 0);
  int m = a.size, n = b.size;
  while (m > 0 && a.bytes[m - 1] == ' ') --m;
  while (n > 0 && b.bytes[n - 1] == ' ') --n;
  return m == n && (m == 0 || std::memcmp(a.bytes, b.bytes, std::size_t(m)) == 0);
}

// A copy of a cell that outlives the statement's row.
struct KeptCell {
  CellView cell;
  std::string bytes;
  void keep(const CellView& c) {
    cell = c;
    bytes.assign(c.bytes ? c.bytes : "", std::size_t(c.size));
    cell.bytes = bytes.data();
  }
};

using CellVisit = std::function<void(const CellView& cell, bool isDate, qint64 rowid)>;

void stepAll(sqlite3* db, sqlite3_stmt* st, const QString& sql, const std::function<void()>& each) {
  for (;;) {
    const int rc = sqlite3_step(st);
    if (rc == SQLITE_DONE) return;
    if (rc != SQLITE_ROW) throw ProviderError(db, rc, QStringLiteral("Cannot read \"%1\"").arg(sql));
    each();
  }
}

// A text "SELECT * FROM T ORDER BY C" (the tie-break by rowid added) sorts the whole table, even
// where an index on (C, the column read) could hand the two columns over in C's order at no
// cost. Read them in that index's order and put each run of rows that tie on C back in rowid
// order: the same rows in the same order. False, having read nothing, for any other text or a
// collation that cannot be compared here.
bool readSortedByIndex(sqlite3* db, const RewrittenSql& rewritten, const QString& sql, const QString& name,
                       bool isDate, const CellVisit& visit) {
  static const QRegularExpression byOneColumn(
      QStringLiteral("^SELECT \\*, rowid FROM (\\w+)\\s+ORDER\\s+BY\\s+(?:(\\w+)|\"([^\"]+)\")(?:\\s+ASC)?, rowid$"),
      QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch m = byOneColumn.match(rewritten.sql);
  if (!m.hasMatch()) return false;
  const QString table = m.captured(1);
  const QString key = m.captured(2).isEmpty() ? m.captured(3) : m.captured(2);
  for (const char* alias : {"rowid", "oid", "_rowid_"})
    if (key.compare(QLatin1String(alias), Qt::CaseInsensitive) == 0) return false;
  const char* collationName = nullptr;
  if (sqlite3_table_column_metadata(db, nullptr, table.toUtf8().constData(), key.toUtf8().constData(), nullptr,
                                    &collationName, nullptr, nullptr, nullptr) != SQLITE_OK)
    return false;
  const std::optional<Collation> collation = collationNamed(collationName);
  if (!collation) return false;

  const QByteArray keyName = quoteIdentifier(key), valueName = quoteIdentifier(name);
  Statement s;
  s.prepare(db,
            "SELECT " + keyName + ", " + valueName + ", rowid FROM " + quoteIdentifier(table) + " ORDER BY " + keyName +
                ", " + valueName,
            QStringLiteral("Cannot open \"%1\"").arg(sql));

  struct Pending {
    qint64 rowid;
    CellView cell;
    std::size_t offset;
  };
  std::vector<Pending> run;
  std::vector<char> runBytes;
  KeptCell runKey;
  auto flush = [&] {
    std::sort(run.begin(), run.end(), [](const Pending& a, const Pending& b) { return a.rowid < b.rowid; });
    for (Pending& p : run) {
      if (p.cell.type == SQLITE_TEXT || p.cell.type == SQLITE_BLOB) p.cell.bytes = runBytes.data() + p.offset;
      visit(p.cell, isDate, p.rowid);
    }
    run.clear();
    runBytes.clear();
  };
  stepAll(db, s.st, sql, [&] {
    const CellView k = cellOf(s.st, 0);
    if (run.empty() || !sameKey(runKey.cell, k, *collation)) {
      if (!run.empty()) flush();
      runKey.keep(k);
    }
    const CellView v = cellOf(s.st, 1);
    run.push_back({sqlite3_column_int64(s.st, 2), v, runBytes.size()});
    if (v.size > 0) runBytes.insert(runBytes.end(), v.bytes, v.bytes + v.size);
  });
  if (!run.empty()) flush();
  return true;
}

// The table, condition and sort column of "SELECT *, rowid FROM T [WHERE cond] ORDER BY C, rowid"
// with a collation compared here.
struct OneColumnOrder {
  QString table, key;
  QString where;  // the condition of "... WHERE cond ORDER BY C", else empty
  Collation collation = Collation::Binary;

  // The key and the rowid of the rows in the order, unsorted.
  QByteArray keysText() const {
    QByteArray text = "SELECT " + quoteIdentifier(key) + ", rowid FROM " + quoteIdentifier(table);
    if (!where.isEmpty()) text += " WHERE " + where.toUtf8();
    return text;
  }
};

std::optional<OneColumnOrder> oneColumnOrder(sqlite3* db, const RewrittenSql& rewritten) {
  static const QRegularExpression byOneColumn(
      QStringLiteral("^SELECT \\*, rowid FROM (\\w+)(?:\\s+WHERE\\s+(.+))?\\s+ORDER\\s+BY\\s+(?:(\\w+)|\"([^\"]+)\")(?:\\s+ASC)?, rowid$"),
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  // A condition is kept as it is only while it can hold nothing but a condition on the row.
  static const QRegularExpression notACondition(
      QStringLiteral("\\b(?:SELECT|GROUP|HAVING|LIMIT|WINDOW|UNION|INTERSECT|EXCEPT|ORDER)\\b|;|\\?|:|@|\\$"),
      QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch m = byOneColumn.match(rewritten.sql);
  if (!m.hasMatch()) return std::nullopt;
  OneColumnOrder o;
  o.table = m.captured(1);
  o.where = m.captured(2);
  if (!o.where.isEmpty() && notACondition.match(o.where).hasMatch()) return std::nullopt;
  o.key = m.captured(3).isEmpty() ? m.captured(4) : m.captured(3);
  for (const char* alias : {"rowid", "oid", "_rowid_"})
    if (o.key.compare(QLatin1String(alias), Qt::CaseInsensitive) == 0) return std::nullopt;
  const char* collationName = nullptr;
  if (sqlite3_table_column_metadata(db, nullptr, o.table.toUtf8().constData(), o.key.toUtf8().constData(), nullptr,
                                    &collationName, nullptr, nullptr, nullptr) != SQLITE_OK)
    return std::nullopt;
  const std::optional<Collation> collation = collationNamed(collationName);
  if (!collation) return std::nullopt;
  o.collation = *collation;
  return o;
}

// The database sorts half a million texts under NOCASE slowly (a collation call per compare).
// The same order made here: NULLs, then numbers by value, then texts by the column's collation
// (NOCASE folds A-Z only, RTRIM drops trailing blanks), then blobs by their bytes; ties by rowid.
struct SortKey {
  int cls = 0;  // 0 NULL, 1 number, 2 text, 3 blob
  bool isInteger = false;
  qint64 integer = 0;
  double real = 0;
  std::string bytes;  // text folded for its collation
  std::uint64_t prefix = 0;  // its first eight bytes, big-endian, zero-padded: most compares end here
  qint64 rowid = 0;
};

SortKey sortKeyOf(const CellView& c, Collation collation, qint64 rowid) {
  SortKey k;
  k.rowid = rowid;
  switch (c.type) {
    case SQLITE_INTEGER: k.cls = 1; k.isInteger = true; k.integer = c.integer; k.real = double(c.integer); break;
    case SQLITE_FLOAT: k.cls = 1; k.real = c.real; break;
    case SQLITE_TEXT: {
      k.cls = 2;
      int n = c.size;
      if (collation == Collation::RTrim)
        while (n > 0 && c.bytes[n - 1] == ' ') --n;
      k.bytes.assign(c.bytes ? c.bytes : "", std::size_t(n));
      if (collation == Collation::NoCase)
        for (char& ch : k.bytes)
          if (ch >= 'A' && ch <= 'Z') ch = char(ch - 'A' + 'a');
      break;
    }
    case SQLITE_BLOB: k.cls = 3; k.bytes.assign(c.bytes ? c.bytes : "", std::size_t(c.size)); break;
    default: break;
  }
  for (std::size_t i = 0; i < 8; ++i)
    k.prefix = (k.prefix << 8) | (i < k.bytes.size() ? std::uint8_t(k.bytes[i]) : 0u);
  return k;
}

int compareNumbers(const SortKey& a, const SortKey& b) {
  if (a.isInteger && b.isInteger) return a.integer < b.integer ? -1 : a.integer > b.integer ? 1 : 0;
  if (!a.isInteger && !b.isInteger) return a.real < b.real ? -1 : a.real > b.real ? 1 : 0;
  // An integer against a real: by value, exactly, as the database does.
  const qint64 i = a.isInteger ? a.integer : b.integer;
  const double r = a.isInteger ? b.real : a.real;
  int c;
  if (r < -9223372036854775808.0) c = 1;
  else if (r >= 9223372036854775808.0) c = -1;
  else {
    const auto t = qint64(r);
    c = i < t ? -1 : i > t ? 1 : (double(t) < r ? -1 : double(t) > r ? 1 : 0);
  }
  return a.isInteger ? c : -c;
}

bool sortsBefore(const SortKey& a, const SortKey& b) {
  if (a.cls != b.cls) return a.cls < b.cls;
  int c = 0;
  if (a.cls == 1) c = compareNumbers(a, b);
  else if (a.cls >= 2)
    c = a.prefix != b.prefix ? (a.prefix < b.prefix ? -1 : 1) : a.bytes.compare(b.bytes);  // bytes, then length
  if (c != 0) return c < 0;
  return a.rowid < b.rowid;
}

// The positions of `keys` in their order. A small record is sorted, not the keys themselves.
std::vector<std::uint32_t> sortedPositions(const LargeArray<SortKey>& keys) {
  struct Slim {
    std::uint64_t prefix;
    std::uint32_t index;
    int cls;
  };
  LargeArray<Slim> slim;
  slim.reserve(keys.size());
  // Numbers that are all integers rank by their value's bits (the sign flipped) as well.
  const bool integers =
      std::all_of(keys.begin(), keys.end(), [](const SortKey& k) { return k.cls != 1 || k.isInteger; });
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const SortKey& k = keys[i];
    const std::uint64_t rank = k.cls >= 2                 ? k.prefix
                               : k.cls == 1 && integers ? std::uint64_t(k.integer) ^ (std::uint64_t(1) << 63)
                                                        : 0;
    slim.push_back({rank, std::uint32_t(i), k.cls});
  }
  // By class and first eight bytes, a byte at a time (a pass whose byte is the same everywhere
  // is skipped); then each run that ties on them by the whole comparison.
  LargeArray<Slim> spare(slim.size());
  const auto pass = [&](auto digit) {
    std::size_t count[256] = {};
    for (const Slim& x : slim) ++count[digit(x)];
    for (const std::size_t c : count)
      if (c == slim.size()) return;
    std::size_t at = 0;
    for (std::size_t& c : count) at += std::exchange(c, at);
    for (const Slim& x : slim) spare[count[digit(x)]++] = x;
    slim.swap(spare);
  };
  for (int shift = 0; shift < 64; shift += 8)
    pass([shift](const Slim& x) { return std::size_t((x.prefix >> shift) & 0xffu); });
  pass([](const Slim& x) { return std::size_t(x.cls); });
  for (std::size_t begin = 0; begin < slim.size();) {
    std::size_t end = begin + 1;
    while (end < slim.size() && slim[end].cls == slim[begin].cls && slim[end].prefix == slim[begin].prefix) ++end;
    if (end - begin > 1)
      std::sort(slim.begin() + std::ptrdiff_t(begin), slim.begin() + std::ptrdiff_t(end),
                [&keys](const Slim& a, const Slim& b) { return sortsBefore(keys[a.index], keys[b.index]); });
    begin = end;
  }
  std::vector<std::uint32_t> out;
  out.reserve(slim.size());
  for (const Slim& x : slim) out.push_back(x.index);
  return out;
}

// Half a million keys grown one at a time would be copied over and over, and every fresh page
// written costs a fault: the largest rowid is known at once and, rows only being added, is about
// their number.
std::size_t expectedRows(sqlite3* db, const QString& table, const QString& sql) {
  Statement m;
  m.prepare(db, "SELECT max(rowid) FROM " + quoteIdentifier(table), QStringLiteral("Cannot open \"%1\"").arg(sql));
  if (sqlite3_step(m.st) != SQLITE_ROW) return 0;
  return std::size_t(std::clamp<sqlite3_int64>(sqlite3_column_int64(m.st, 0), 0, 1 << 21));
}

bool readRowidsSortedInMemory(sqlite3* db, const RewrittenSql& rewritten, const QString& sql,
                              std::vector<qint64>& rowids, SortedTexts* texts) {
  const std::optional<OneColumnOrder> order = oneColumnOrder(db, rewritten);
  if (!order) return false;
  Statement s;
  s.prepare(db, order->keysText(), QStringLiteral("Cannot open \"%1\"").arg(sql));
  LargeArray<SortKey> keys;
  std::vector<char> bytes;  // the texts as read, one after another
  std::vector<std::size_t> ends;
  bool allTexts = texts != nullptr;
  const std::size_t expected = expectedRows(db, order->table, sql);
  keys.reserve(expected);
  if (allTexts) {
    ends.reserve(expected);
    bytes.reserve(expected * 12);  // names and identifiers are short: grown only past that
  }
  stepAll(db, s.st, sql, [&] {
    const CellView c = cellOf(s.st, 0);
    keys.push_back(sortKeyOf(c, order->collation, sqlite3_column_int64(s.st, 1)));
    if (!allTexts) return;
    if (c.type != SQLITE_TEXT) {
      allTexts = false;
      return;
    }
    if (c.size > 0) bytes.insert(bytes.end(), c.bytes, c.bytes + c.size);
    ends.push_back(bytes.size());
  });
  const std::vector<std::uint32_t> positions = sortedPositions(keys);
  rowids.clear();
  rowids.reserve(keys.size());
  for (const std::uint32_t i : positions) rowids.push_back(keys[i].rowid);
  if (allTexts) {
    texts->key = order->key;
    texts->bytes.clear();
    texts->bytes.reserve(bytes.size());
    texts->ends.clear();
    texts->ends.reserve(positions.size());
    for (const std::uint32_t i : positions) {
      const std::size_t begin = i == 0 ? 0 : ends[i - 1];
      texts->bytes.insert(texts->bytes.end(), bytes.begin() + std::ptrdiff_t(begin), bytes.begin() + std::ptrdiff_t(ends[i]));
      texts->ends.push_back(texts->bytes.size());
    }
  }
  return true;
}

bool readRowsSortedInMemory(sqlite3* db, const RewrittenSql& rewritten, const QString& sql, int fields,
                            const RowReader& readRow, Storage& out) {
  const std::optional<OneColumnOrder> order = oneColumnOrder(db, rewritten);
  if (!order) return false;
  const DbStamp before = stampOf(db);
  std::vector<qint64> sorted;
  if (!readRowidsSortedInMemory(db, rewritten, sql, sorted)) return false;
  QByteArray text = "SELECT *, rowid FROM " + quoteIdentifier(order->table);
  if (!order->where.isEmpty()) text += " WHERE " + order->where.toUtf8();
  Statement s;
  s.prepare(db, text, QStringLiteral("Cannot open \"%1\"").arg(sql));
  if (sqlite3_column_count(s.st) != fields + 1) return false;
  const std::size_t arenaBefore = out.arena.size();
  std::vector<RowRef> read;  // in storage order, that is by rising rowid
  read.reserve(sorted.size());
  bool complete = true;
  stepAll(db, s.st, sql, [&] {
    read.push_back(readRow(out.arena, s.st));
    if (read.size() > 1 && read[read.size() - 2].rowid >= read.back().rowid) complete = false;
  });
  // Another connection may have written between the two reads: then the database sorts after all.
  complete = complete && read.size() == sorted.size() && stampOf(db) == before;
  std::vector<std::size_t> at;
  at.reserve(sorted.size());
  for (std::size_t i = 0; complete && i < sorted.size(); ++i) {
    const auto found = std::lower_bound(read.begin(), read.end(), sorted[i],
                                        [](const RowRef& r, qint64 rowid) { return r.rowid < rowid; });
    if (found == read.end() || found->rowid != sorted[i]) complete = false;
    else at.push_back(std::size_t(found - read.begin()));
  }
  if (!complete) {
    out.arena.resize(arenaBefore);
    return false;
  }
  out.rows.reserve(out.rows.size() + at.size());
  for (const std::size_t i : at) out.rows.push_back(read[i]);
  return true;
}

// The column itself sorted here (see SortKey): for a list ordered by the column it lists.
bool readOwnColumnSortedInMemory(sqlite3* db, const RewrittenSql& rewritten, const QString& sql, const QString& name,
                                 bool isDate, const CellVisit& visit) {
  const std::optional<OneColumnOrder> order = oneColumnOrder(db, rewritten);
  if (!order || order->key.compare(name, Qt::CaseInsensitive) != 0) return false;
  {
    // An index led by the column hands the rows over in order already (readSortedByIndex).
    Statement q;
    q.prepare(db,
              "SELECT 1 FROM pragma_index_list(?1) AS l, pragma_index_info(l.name) AS i "
              "WHERE i.seqno = 0 AND i.name = ?2 COLLATE NOCASE LIMIT 1",
              QStringLiteral("Cannot open \"%1\"").arg(sql));
    const QByteArray table = order->table.toUtf8(), key = order->key.toUtf8();
    sqlite3_bind_text(q.st, 1, table.constData(), int(table.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(q.st, 2, key.constData(), int(key.size()), SQLITE_TRANSIENT);
    const int rc = sqlite3_step(q.st);
    if (rc == SQLITE_ROW) return false;
    if (rc != SQLITE_DONE) throw ProviderError(db, rc, QStringLiteral("Cannot open \"%1\"").arg(sql));
  }
  Statement s;
  s.prepare(db, order->keysText(), QStringLiteral("Cannot open \"%1\"").arg(sql));
  // What is handed over for a row, together: in the sorted order each row is a cache miss.
  struct Kept {
    CellView cell;
    std::size_t offset;  // of its bytes in `bytes`
    qint64 rowid;
  };
  LargeArray<SortKey> keys;
  LargeArray<Kept> cells;
  LargeArray<char> bytes;  // the cells' own bytes, one after another
  const std::size_t expected = expectedRows(db, order->table, sql);
  keys.reserve(expected);
  cells.reserve(expected);
  bytes.reserve(expected * 8);  // identifiers and bill numbers: about eight bytes a row
  stepAll(db, s.st, sql, [&] {
    const CellView c = cellOf(s.st, 0);
    const qint64 rowid = sqlite3_column_int64(s.st, 1);
    keys.push_back(sortKeyOf(c, order->collation, rowid));
    cells.push_back({c, bytes.size(), rowid});
    if (c.size > 0) bytes.insert(bytes.end(), c.bytes, c.bytes + c.size);
  });
  const std::vector<std::uint32_t> sorted = sortedPositions(keys);
  // In the sorted order every row is a cache miss: rows further on are fetched while this one is
  // handed over, their bytes once the row itself has come.
  constexpr std::size_t kAhead = 16;
  for (std::size_t n = 0; n < sorted.size(); ++n) {
    if (n + kAhead < sorted.size()) __builtin_prefetch(&cells[sorted[n + kAhead]]);
    if (n + kAhead / 2 < sorted.size()) __builtin_prefetch(bytes.data() + cells[sorted[n + kAhead / 2]].offset);
    const Kept& k = cells[sorted[n]];
    CellView c = k.cell;
    c.bytes = c.size > 0 ? bytes.data() + k.offset : "";
    visit(c, isDate, k.rowid);
  }
  return true;
}

// The rows of ReadColumn, each cell handed over as it is read.
void readColumnCells(const std::shared_ptr<Connection>& con, const QString& sql, int ordinal, const CellVisit& visit) {
  if (!con || con->State() != adStateOpen) raise(adErrObjectClosed, QStringLiteral("The connection is not open"));
  const RewrittenSql rewritten = RewriteSelect(sql, adLockOptimistic);
  if (!rewritten.hasRowid || rewritten.table.isEmpty())
    raise(adErrInvalidArgument, QStringLiteral("Only the rows of one table can be read by column: ") + sql);
  sqlite3* db = con->handle();
  const QString context = QStringLiteral("Cannot open \"%1\"").arg(sql);
  const QByteArray full = rewritten.sql.toUtf8();
  QString name;
  bool isDate = false;
  {
    Statement s;
    s.prepare(db, full, context);
    if (!sqlite3_stmt_readonly(s.st)) raise(adErrInvalidArgument, QStringLiteral("A recordset only reads: ") + sql);
    const int fields = sqlite3_column_count(s.st) - 1;
    if (ordinal < 0 || ordinal >= fields)
      raise(adErrItemNotFound, QStringLiteral("There is no field %1 in this recordset (it has %2)").arg(ordinal).arg(fields));
    name = QString::fromUtf8(sqlite3_column_name(s.st, ordinal));
    const char* decl = sqlite3_column_decltype(s.st, ordinal);
    isDate = decl && sqlite3_stricmp(decl, "DATE") == 0;
  }
  if (readOwnColumnSortedInMemory(db, rewritten, sql, name, isDate, visit)) return;
  if (readSortedByIndex(db, rewritten, sql, name, isDate, visit)) return;
  // Only the one column and the rowid are selected, so that an index holding both can answer
  // alone. A sort by column number would then mean another column: such texts are read whole.
  static const QRegularExpression byNumber(QStringLiteral("\\bORDER\\s+BY\\b.*\\b\\d+\\b"),
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::DotMatchesEverythingOption);
  const QByteArray star = QByteArrayLiteral("SELECT *, rowid FROM ");
  const bool narrow = full.startsWith(star) && !byNumber.match(rewritten.sql).hasMatch();
  const QByteArray text = narrow ? "SELECT " + quoteIdentifier(name) + ", rowid FROM " + full.mid(star.size()) : full;
  const int column = narrow ? 0 : ordinal;
  Statement s;
  s.prepare(db, text, context);
  const int rowidColumn = sqlite3_column_count(s.st) - 1;
  stepAll(db, s.st, sql,
          [&] { visit(cellOf(s.st, column), isDate, sqlite3_column_int64(s.st, rowidColumn)); });
}

}  // namespace

void ReadColumn(const std::shared_ptr<Connection>& con, const QString& sql, int ordinal,
                const std::function<void(const Value& value, qint64 rowid)>& row) {
  readColumnCells(con, sql, ordinal,
                  [&row](const CellView& cell, bool isDate, qint64 rowid) { row(valueOf(cell, isDate), rowid); });
}

namespace {

void visitText(const CellView& cell, bool isDate, qint64 rowid,
               const std::function<void(const char* utf8, int size, qint64 rowid)>& row) {
  if ((cell.type == SQLITE_TEXT || cell.type == SQLITE_BLOB) && !isDate) {
    row(cell.size ? cell.bytes : "", cell.size, rowid);
    return;
  }
  if (cell.type == SQLITE_INTEGER) {  // bill numbers: the digits QString::number gives
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, cell.integer).ptr;
    row(digits, int(end - digits), rowid);
    return;
  }
  const QByteArray text = valueOf(cell, isDate).toText().toUtf8();
  row(text.constData(), int(text.size()), rowid);
}

}  // namespace

void ReadColumnText(const std::shared_ptr<Connection>& con, const QString& sql, int ordinal,
                    const std::function<void(const char* utf8, int size, qint64 rowid)>& row) {
  readColumnCells(con, sql, ordinal,
                  [&row](const CellView& cell, bool isDate, qint64 rowid) { visitText(cell, isDate, rowid, row); });
}

void ReadColumnText(const Recordset& keyset, int ordinal,
                    const std::function<void(const char* utf8, int size, qint64 rowid)>& row) {
  const Recordset::Impl& k = *keyset.d;
  k.requireOpen();
  if (k.keysetSql.isEmpty() || !k.parameters.empty() || !k.con || k.con->State() != adStateOpen ||
      k.keysetStamp != stampOf(k.db())) {
    ReadColumnText(k.con, k.source, ordinal, row);
    return;
  }
  k.requireOrdinal(ordinal);
  const Column& column = k.columns[std::size_t(ordinal)];
  if (const std::shared_ptr<SortedTexts> texts = std::exchange(k.keyTexts, nullptr);
      texts && texts->ends.size() == k.storage.rows.size() && texts->key.compare(column.name, Qt::CaseInsensitive) == 0) {
    // The sort column itself, kept from the read of the rowids, already in their order.
    std::size_t begin = 0;
    for (std::size_t i = 0; i < texts->ends.size(); ++i) {
      CellView c;
      c.type = SQLITE_TEXT;
      c.size = int(texts->ends[i] - begin);
      c.bytes = c.size > 0 ? texts->bytes.data() + begin : "";
      visitText(c, column.isDate, k.storage.rows[i].rowid, row);
      begin = texts->ends[i];
    }
    return;
  }
  // The table in storage order, the column alone; then handed over in the keyset's order.
  Statement s;
  s.prepare(k.db(), "SELECT " + column.quoted + ", rowid FROM " + quoteIdentifier(k.rewritten.table),
            QStringLiteral("Cannot open \"%1\"").arg(k.source));
  std::vector<qint64> rowids;
  std::vector<CellView> cells;
  std::vector<std::size_t> offsets;
  std::vector<char> bytes;
  stepAll(k.db(), s.st, k.source, [&] {
    const CellView c = cellOf(s.st, 0);
    rowids.push_back(sqlite3_column_int64(s.st, 1));
    cells.push_back(c);
    offsets.push_back(bytes.size());
    if (c.size > 0) bytes.insert(bytes.end(), c.bytes, c.bytes + c.size);
  });
  // Where each rowid was read: a table indexed by rowid where they are dense (as they are in a
  // table rows are only added to), else the reads sorted by rowid.
  std::vector<std::uint32_t> order;
  order.reserve(k.storage.rows.size());
  bool complete = true;
  const auto [lo, hi] = std::minmax_element(rowids.begin(), rowids.end());
  if (!rowids.empty() && *lo >= 0 && std::uint64_t(*hi - *lo) < 4 * std::uint64_t(rowids.size()) + 64) {
    std::vector<std::uint32_t> slot(std::size_t(*hi - *lo) + 1, ~std::uint32_t(0));
    for (std::size_t i = 0; i < rowids.size(); ++i) slot[std::size_t(rowids[i] - *lo)] = std::uint32_t(i);
    for (const RowRef& r : k.storage.rows) {
      if (r.rowid < *lo || r.rowid > *hi || slot[std::size_t(r.rowid - *lo)] == ~std::uint32_t(0)) {
        complete = false;
        break;
      }
      order.push_back(slot[std::size_t(r.rowid - *lo)]);
    }
  } else {
    std::vector<std::uint32_t> byRowid(rowids.size());
    for (std::size_t i = 0; i < byRowid.size(); ++i) byRowid[i] = std::uint32_t(i);
    std::sort(byRowid.begin(), byRowid.end(), [&](std::uint32_t a, std::uint32_t b) { return rowids[a] < rowids[b]; });
    for (const RowRef& r : k.storage.rows) {
      const auto at = std::lower_bound(byRowid.begin(), byRowid.end(), r.rowid,
                                       [&](std::uint32_t i, qint64 rowid) { return rowids[i] < rowid; });
      if (at == byRowid.end() || rowids[*at] != r.rowid) {
        complete = false;
        break;
      }
      order.push_back(*at);
    }
  }
  if (!complete) {  // not the rows the keyset read: read afresh
    ReadColumnText(k.con, k.source, ordinal, row);
    return;
  }
  for (const std::uint32_t i : order) {
    CellView c = cells[i];
    c.bytes = c.size > 0 ? bytes.data() + offsets[i] : "";
    visitText(c, column.isDate, rowids[i], row);
  }
}

// ---- one value ----

Value Connection::QueryValue(const QString& sql, const std::vector<Value>& parameters) {
  if (!db_) raise(adErrObjectClosed, QStringLiteral("The connection is not open"));
  Statement s;
  s.prepare(db_, sql.toUtf8(), QStringLiteral("Cannot read \"%1\"").arg(sql));
  for (std::size_t i = 0; i < parameters.size(); ++i) bindValue(s.st, int(i) + 1, parameters[i]);
  const int rc = sqlite3_step(s.st);
  if (rc == SQLITE_DONE) return Value();
  if (rc != SQLITE_ROW) throw ProviderError(db_, rc, QStringLiteral("Cannot read \"%1\"").arg(sql));
  return valueOf(cellOf(s.st, 0), false);
}
