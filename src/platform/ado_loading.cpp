// How a recordset and the column reads get their rows: Open and OpenKeyset, ReadColumn and
// ReadColumnText. The database sorts every read; these only choose what is selected.
#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "platform/ado.h"
#include "platform/ado_recordset_impl.h"

using namespace ado_detail;

namespace {

void bindAll(sqlite3_stmt* st, const std::vector<Value>& parameters) {
  for (std::size_t i = 0; i < parameters.size(); ++i) bindValue(st, int(i) + 1, parameters[i]);
}

// The text of `read` selecting `columns` in place of every column and the rowid: the same rows
// in the same order.
QByteArray selecting(const TableRead& read, const QByteArray& columns) {
  static const QByteArray whole = QByteArrayLiteral("SELECT *, rowid");
  return "SELECT " + columns + read.Sql().toUtf8().mid(whole.size());
}

// A pragma's one number. A file another program holds fails it as it fails any read: a value made
// up in its place would compare equal to itself on the next failure, and a keyset stamped with it
// would be kept although the rows changed.
sqlite3_int64 pragmaValue(sqlite3* db, const char* pragma) {
  const QString context = QStringLiteral("Cannot read \"%1\"").arg(QLatin1String(pragma));
  Statement s;
  s.prepare(db, QByteArray(pragma), context);
  const int rc = sqlite3_step(s.st);
  if (rc != SQLITE_ROW) throw ProviderError(db, rc, context);
  return sqlite3_column_int64(s.st, 0);
}

void stepAll(sqlite3* db, sqlite3_stmt* st, const QString& sql, const std::function<void()>& each) {
  for (;;) {
    const int rc = sqlite3_step(st);
    if (rc == SQLITE_DONE) return;
    if (rc != SQLITE_ROW) throw ProviderError(db, rc, QStringLiteral("Cannot read \"%1\"").arg(sql));
    each();
  }
}

// The largest rowid of `table`, read from the end of its tree, within a few million: what a read
// of its rows makes room for. A table that cannot be read raises here, before the read of its rows
// would wait for the same file once more.
std::size_t rowsAtMost(sqlite3* db, const QString& table) {
  Statement m;
  const QByteArray sql = "SELECT max(rowid) FROM " + quoteIdentifier(table);
  const QString context = QStringLiteral("Cannot read \"%1\"").arg(QString::fromUtf8(sql));
  m.prepare(db, sql, context);
  const int rc = sqlite3_step(m.st);
  if (rc != SQLITE_ROW) throw ProviderError(db, rc, context);
  return std::size_t(std::clamp<sqlite3_int64>(sqlite3_column_int64(m.st, 0), 0, 1 << 22));
}

}  // namespace

namespace ado_detail {

DbStamp stampOf(sqlite3* db) {
  return {sqlite3_total_changes64(db), pragmaValue(db, "PRAGMA data_version"),
          pragmaValue(db, "PRAGMA schema_version")};
}

}  // namespace ado_detail

void Recordset::Impl::load(Storage& out, std::vector<Column>& cols, const Impl* model) const {
  Statement s;
  s.prepare(db(), source.toUtf8(), QStringLiteral("Cannot open \"%1\"").arg(source));
  bindAll(s.st, parameters);
  if (!sqlite3_stmt_readonly(s.st))
    raise(adErrInvalidArgument, QStringLiteral("A recordset only reads: ") + source);
  const int n = sqlite3_column_count(s.st) - (read ? 1 : 0);
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
      keptTexts.reset();
      return;
    }
    // Ordered by a column, the rowids are read with it: the index serving the order holds both,
    // and the column's texts are kept for the list of it a form may ask for next.
    const bool withKey = !read->orderBy.isEmpty();
    auto texts = withKey ? std::make_shared<KeptTexts>() : nullptr;
    // Half a million rowids grown one at a time would be copied over and over: the largest rowid
    // is known at once and, rows only being added, is about their number.
    const std::size_t expected = rowsAtMost(db(), table());
    out.rows.reserve(expected);
    if (texts) {
      texts->ends.reserve(expected);
      texts->bytes.reserve(expected * 8);  // identifiers and names are short: grown only past that
    }
    Statement k;
    k.prepare(db(), keysetSql, QStringLiteral("Cannot open \"%1\"").arg(source));
    bindAll(k.st, parameters);
    stepAll(db(), k.st, source, [&] {
      out.rows.push_back({kNotRead, sqlite3_column_int64(k.st, withKey ? 1 : 0)});
      if (!texts) return;
      const CellView c = cellOf(k.st, 0);
      if (c.type != SQLITE_TEXT || texts->bytes.size() + std::size_t(c.size) > UINT32_MAX) {
        texts.reset();  // only texts are kept
        return;
      }
      texts->bytes.insert(texts->bytes.end(), c.bytes, c.bytes + c.size);
      texts->ends.push_back(std::uint32_t(texts->bytes.size()));
    });
    if (texts) texts->column = QString::fromUtf8(sqlite3_column_name(k.st, 0));
    keysetStamp = now;
    keptTexts = std::move(texts);
    return;
  }
  stepAll(db(), s.st, source, [&] { out.rows.push_back(readRow(out.arena, s.st, n)); });
}

void Recordset::Open(const TableRead& read, std::shared_ptr<Connection> con, int /*cursorType*/, int lockType) {
  // Every cursor type behaves as a client-side snapshot, so the cursor type changes nothing.
  open(QString(), {}, read, std::move(con), lockType, false);
}

void Recordset::Open(const QString& sql, std::shared_ptr<Connection> con, int cursorType, int lockType) {
  Open(sql, {}, std::move(con), cursorType, lockType);
}

void Recordset::Open(const QString& sql, const std::vector<Value>& parameters, std::shared_ptr<Connection> con,
                     int /*cursorType*/, int lockType) {
  open(sql, parameters, std::nullopt, std::move(con), lockType, false);
}

void Recordset::OpenKeyset(const TableRead& read, std::shared_ptr<Connection> con, int lockType) {
  open(QString(), {}, read, std::move(con), lockType, true);
}

void Recordset::OpenKeysetLike(const Recordset& model, int lockType) {
  if (&model == this) raise(adErrInvalidArgument, QStringLiteral("A recordset cannot be opened like itself"));
  model.d->requireOpen();
  if (!model.d->read)
    raise(adErrInvalidArgument, QStringLiteral("Only the read of one table can be opened as a keyset: ") + model.d->source);
  open(QString(), {}, model.d->read, model.d->con, lockType, true, &model);
}

void Recordset::open(const QString& sql, const std::vector<Value>& parameters, const std::optional<TableRead>& read,
                     std::shared_ptr<Connection> con, int lockType, bool keyset, const Recordset* model) {
  if (d->open) Close();
  d->lastOpenError.reset();
  try {
    if (!con || con->State() != adStateOpen) raise(adErrObjectClosed, QStringLiteral("The connection is not open"));
    // Where a free text's rows would be written to is not read back out of it.
    if (!read && lockType != adLockReadOnly)
      raise(adErrInvalidArgument, QStringLiteral("A free SQL text is only read; rows are written through the read of "
                                                 "one table: ") + sql);
    auto fresh = std::make_unique<Impl>();
    fresh->con = con;
    fresh->source = read ? read->Sql() : sql;
    fresh->lockType = lockType;
    fresh->read = read;
    fresh->parameters = read ? read->parameters : parameters;
    // Only the rowids are read (with the sort column, if any), in the order the whole rows would come.
    if (keyset)
      fresh->keysetSql = selecting(*read, read->orderBy.isEmpty() ? QByteArrayLiteral("rowid")
                                                                   : quoteIdentifier(read->orderBy) + ", rowid");
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

namespace {

using CellVisit = std::function<void(const CellView& cell, bool isDate, qint64 rowid)>;

// The rows of ReadColumn, each cell handed over as it is read.
void readColumnCells(const std::shared_ptr<Connection>& con, const TableRead& tableRead, int ordinal,
                     const CellVisit& visit) {
  if (!con || con->State() != adStateOpen) raise(adErrObjectClosed, QStringLiteral("The connection is not open"));
  sqlite3* db = con->handle();
  const QString sql = tableRead.Sql();
  const QString context = QStringLiteral("Cannot open \"%1\"").arg(sql);
  QString name;
  bool isDate = false;
  {
    Statement s;
    s.prepare(db, sql.toUtf8(), context);
    if (!sqlite3_stmt_readonly(s.st)) raise(adErrInvalidArgument, QStringLiteral("A recordset only reads: ") + sql);
    const int fields = sqlite3_column_count(s.st) - 1;
    if (ordinal < 0 || ordinal >= fields)
      raise(adErrItemNotFound, QStringLiteral("There is no field %1 in this recordset (it has %2)").arg(ordinal).arg(fields));
    name = QString::fromUtf8(sqlite3_column_name(s.st, ordinal));
    const char* decl = sqlite3_column_decltype(s.st, ordinal);
    isDate = decl && sqlite3_stricmp(decl, "DATE") == 0;
  }
  // Only the one column and the rowid are selected, so that an index holding both can answer alone.
  Statement s;
  s.prepare(db, selecting(tableRead, quoteIdentifier(name) + ", rowid"), context);
  bindAll(s.st, tableRead.parameters);
  stepAll(db, s.st, sql, [&] { visit(cellOf(s.st, 0), isDate, sqlite3_column_int64(s.st, 1)); });
}

}  // namespace

void ReadColumn(const std::shared_ptr<Connection>& con, const TableRead& read, int ordinal,
                const std::function<void(const Value& value, qint64 rowid)>& row) {
  readColumnCells(con, read, ordinal,
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

void ReadColumnText(const std::shared_ptr<Connection>& con, const TableRead& read, int ordinal,
                    const std::function<void(const char* utf8, int size, qint64 rowid)>& row) {
  readColumnCells(con, read, ordinal,
                  [&row](const CellView& cell, bool isDate, qint64 rowid) { visitText(cell, isDate, rowid, row); });
}

void ReadColumnText(const Recordset& keyset, int ordinal,
                    const std::function<void(const char* utf8, int size, qint64 rowid)>& row) {
  const Recordset::Impl& k = *keyset.d;
  k.requireOpen();
  if (!k.read) raise(adErrInvalidArgument, QStringLiteral("Only the rows of one table can be read by column: ") + k.source);
  k.requireOrdinal(ordinal);
  const Column& column = k.columns[std::size_t(ordinal)];
  const std::shared_ptr<KeptTexts> texts = std::exchange(k.keptTexts, nullptr);
  const bool kept = texts && !k.keysetSql.isEmpty() && k.parameters.empty() && k.con && k.con->State() == adStateOpen &&
                    k.keysetStamp == stampOf(k.db()) && texts->ends.size() == k.storage.rows.size() &&
                    texts->column.compare(column.name, Qt::CaseInsensitive) == 0;
  if (!kept) {
    ReadColumnText(k.con, *k.read, ordinal, row);
    return;
  }
  std::uint32_t begin = 0;
  for (std::size_t i = 0; i < texts->ends.size(); ++i) {
    CellView c;
    c.type = SQLITE_TEXT;
    c.size = int(texts->ends[i] - begin);
    c.bytes = c.size > 0 ? texts->bytes.data() + begin : "";
    visitText(c, column.isDate, k.storage.rows[i].rowid, row);
    begin = texts->ends[i];
  }
}

