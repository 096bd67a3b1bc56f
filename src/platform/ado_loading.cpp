// How a recordset and the column reads get their rows: Open and OpenKeyset, the sort made here
// rather than by the database, ReadColumn and ReadColumnText.
#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <functional>
#include <string>

#include "platform/ado.h"
#include "platform/ado_recordset_impl.h"

using namespace ado_detail;

namespace {

// The rowids of `read` in its order, sorted here rather than by the database; false, having read
// nothing, where it asks for no in-memory sort or its sort column cannot be sorted here. With
// `texts`, also the sort column's cells where they are all texts (else texts stays empty).
bool readRowidsSortedInMemory(sqlite3* db, const TableRead& read, const QString& sql, std::vector<qint64>& rowids,
                              SortedTexts* texts = nullptr);

void bindAll(sqlite3_stmt* st, const std::vector<Value>& parameters) {
  for (std::size_t i = 0; i < parameters.size(); ++i) bindValue(st, int(i) + 1, parameters[i]);
}

// The text of `read` selecting `columns` in place of every column and the rowid: the same rows
// in the same order.
QByteArray selecting(const TableRead& read, const QByteArray& columns) {
  static const QByteArray whole = QByteArrayLiteral("SELECT *, rowid");
  return "SELECT " + columns + read.Sql().toUtf8().mid(whole.size());
}

sqlite3_int64 pragmaValue(sqlite3* db, const char* pragma) {
  Statement s;
  sqlite3_int64 v = -1;
  if (sqlite3_prepare_v2(db, pragma, -1, &s.st, nullptr) == SQLITE_OK && sqlite3_step(s.st) == SQLITE_ROW)
    v = sqlite3_column_int64(s.st, 0);
  return v;
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
      keyTexts.reset();
      return;
    }
    std::vector<qint64> sorted;
    auto texts = std::make_shared<SortedTexts>();
    if (readRowidsSortedInMemory(db(), *read, source, sorted, texts.get())) {
      out.rows.reserve(sorted.size());
      for (const qint64 rowid : sorted) out.rows.push_back({kNotRead, rowid});
      keysetStamp = now;
      keyTexts = texts->ends.size() == sorted.size() ? std::move(texts) : nullptr;
      return;
    }
    keyTexts.reset();
    Statement k;
    k.prepare(db(), keysetSql, QStringLiteral("Cannot open \"%1\"").arg(source));
    bindAll(k.st, parameters);
    for (;;) {
      const int rc = sqlite3_step(k.st);
      if (rc == SQLITE_DONE) break;
      if (rc != SQLITE_ROW) throw ProviderError(db(), rc, QStringLiteral("Cannot read \"%1\"").arg(source));
      out.rows.push_back({kNotRead, sqlite3_column_int64(k.st, 0)});
    }
    keysetStamp = now;
    return;
  }
  for (;;) {
    const int rc = sqlite3_step(s.st);
    if (rc == SQLITE_DONE) break;
    if (rc != SQLITE_ROW) throw ProviderError(db(), rc, QStringLiteral("Cannot read \"%1\"").arg(source));
    out.rows.push_back(readRow(out.arena, s.st, n));
  }
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
    // Only the rowids are read, in the order the whole rows would come.
    if (keyset) fresh->keysetSql = selecting(*read, QByteArrayLiteral("rowid"));
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

// The collating sequences SQLite has built in.
enum class Collation { Binary, NoCase, RTrim };

std::optional<Collation> collationNamed(const char* name) {
  if (!name || sqlite3_stricmp(name, "BINARY") == 0) return Collation::Binary;
  if (sqlite3_stricmp(name, "NOCASE") == 0) return Collation::NoCase;
  if (sqlite3_stricmp(name, "RTRIM") == 0) return Collation::RTrim;
  return std::nullopt;
}

using CellVisit = std::function<void(const CellView& cell, bool isDate, qint64 rowid)>;

void stepAll(sqlite3* db, sqlite3_stmt* st, const QString& sql, const std::function<void()>& each) {
  for (;;) {
    const int rc = sqlite3_step(st);
    if (rc == SQLITE_DONE) return;
    if (rc != SQLITE_ROW) throw ProviderError(db, rc, QStringLiteral("Cannot read \"%1\"").arg(sql));
    each();
  }
}

// The table, condition and sort column of a read that asks for the in-memory sort, with a
// collation compared here.
struct OneColumnOrder {
  QString table, key;
  QString where;  // the read's condition, else empty
  std::vector<Value> parameters;
  Collation collation = Collation::Binary;

  // The key and the rowid of the rows in the order, unsorted; its parameters bound by prepare.
  QByteArray keysText() const {
    QByteArray text = "SELECT " + quoteIdentifier(key) + ", rowid FROM " + quoteIdentifier(table);
    if (!where.isEmpty()) text += " WHERE " + where.toUtf8();
    return text;
  }
  void prepare(Statement& s, sqlite3* db, const QByteArray& text, const QString& sql) const {
    s.prepare(db, text, QStringLiteral("Cannot open \"%1\"").arg(sql));
    bindAll(s.st, parameters);
  }
};

std::optional<OneColumnOrder> oneColumnOrder(sqlite3* db, const TableRead& read) {
  if (read.sort != TableRead::Sort::InMemory || read.orderBy.isEmpty()) return std::nullopt;
  // The rowid is the tie-break already: the database hands the rows over in its order at no cost.
  for (const char* alias : {"rowid", "oid", "_rowid_"})
    if (read.orderBy.compare(QLatin1String(alias), Qt::CaseInsensitive) == 0) return std::nullopt;
  const char* collationName = nullptr;
  if (sqlite3_table_column_metadata(db, nullptr, read.table.toUtf8().constData(), read.orderBy.toUtf8().constData(),
                                    nullptr, &collationName, nullptr, nullptr, nullptr) != SQLITE_OK)
    return std::nullopt;
  const std::optional<Collation> collation = collationNamed(collationName);
  if (!collation) return std::nullopt;
  OneColumnOrder o;
  o.table = read.table;
  o.key = read.orderBy;
  o.where = read.condition;
  o.parameters = read.parameters;
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
  std::size_t size = 0;  // the text's length as its collation counts it: the last tie-break before the rowid
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
      k.size = std::size_t(n);
      // NOCASE compares no further than a NUL both texts hold at the same place; then the longer
      // text comes last.
      if (collation == Collation::NoCase && n > 0) n = int(std::find(c.bytes, c.bytes + n, '\0') - c.bytes);
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
  if (c == 0 && a.size != b.size) c = a.size < b.size ? -1 : 1;
  if (c != 0) return c < 0;
  return a.rowid < b.rowid;
}

// The positions of `keys` in their order. A small record is sorted, not the keys themselves.
std::vector<std::uint32_t> sortedPositions(const std::vector<SortKey>& keys) {
  struct Slim {
    std::uint64_t prefix;
    std::uint32_t index;
    int cls;
  };
  std::vector<Slim> slim;
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
  std::vector<Slim> spare(slim.size());
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

bool readRowidsSortedInMemory(sqlite3* db, const TableRead& tableRead, const QString& sql,
                              std::vector<qint64>& rowids, SortedTexts* texts) {
  const std::optional<OneColumnOrder> order = oneColumnOrder(db, tableRead);
  if (!order) return false;
  Statement s;
  order->prepare(s, db, order->keysText(), sql);
  std::vector<SortKey> keys;
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

// The column itself sorted here (see SortKey): for a list ordered by the column it lists.
bool readOwnColumnSortedInMemory(sqlite3* db, const TableRead& tableRead, const QString& sql, const QString& name,
                                 bool isDate, const CellVisit& visit) {
  const std::optional<OneColumnOrder> order = oneColumnOrder(db, tableRead);
  if (!order || order->key.compare(name, Qt::CaseInsensitive) != 0) return false;
  {
    // An index led by the column hands the rows over in order already: the database reads it.
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
  order->prepare(s, db, order->keysText(), sql);
  // What is handed over for a row.
  struct Kept {
    CellView cell;
    std::size_t offset;  // of its bytes in `bytes`
    qint64 rowid;
  };
  std::vector<SortKey> keys;
  std::vector<Kept> cells;
  std::vector<char> bytes;  // the cells' own bytes, one after another
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
  for (const std::uint32_t i : sorted) {
    const Kept& k = cells[i];
    CellView c = k.cell;
    c.bytes = c.size > 0 ? bytes.data() + k.offset : "";
    visit(c, isDate, k.rowid);
  }
  return true;
}

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
  if (readOwnColumnSortedInMemory(db, tableRead, sql, name, isDate, visit)) return;
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
  if (k.keysetSql.isEmpty() || !k.parameters.empty() || !k.con || k.con->State() != adStateOpen ||
      k.keysetStamp != stampOf(k.db())) {
    ReadColumnText(k.con, *k.read, ordinal, row);
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
  s.prepare(k.db(), "SELECT " + column.quoted + ", rowid FROM " + quoteIdentifier(k.table()),
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
    ReadColumnText(k.con, *k.read, ordinal, row);
    return;
  }
  for (const std::uint32_t i : order) {
    CellView c = cells[i];
    c.bytes = c.size > 0 ? bytes.data() + offsets[i] : "";
    visitText(c, column.isDate, rowids[i], row);
  }
}
