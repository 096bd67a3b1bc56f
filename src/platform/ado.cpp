// Errors, values, the connection, its transactions, the one-value query and the text a read of
// one table runs as. The recordset itself is in ado_recordset.cpp, its reads in ado_loading.cpp.
#include "platform/ado.h"

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sqlite3.h>

#include "platform/log.h"
#include "platform/ado_sqlite.h"
#include "platform/ado_statement.h"
#include "platform/vbruntime.h"
#include "platform/waitcursor.h"

namespace {
int gUnlogged = 0;
}  // namespace

DbError::DbError(int number, const QString& description)
    : std::runtime_error(description.toStdString()), number_(number), description_(description) {
  // Raised here, whoever catches it: the log keeps the description the message box may drop.
  if (gUnlogged == 0) qCWarning(lcPlatform).noquote() << "database error" << number << "-" << description;
}

UnloggedDbErrors::UnloggedDbErrors() { ++gUnlogged; }
UnloggedDbErrors::~UnloggedDbErrors() { --gUnlogged; }

namespace ado_detail {

QString SqliteText(sqlite3* db, int rc, int busySeconds) {
  QString text = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
  const int primary = rc & 0xff;
  if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
    text = QStringLiteral("the database is locked: another connection or program kept it busy for more "
                          "than %1 seconds (%2)")
               .arg(busySeconds)
               .arg(text);
  return text;
}

DbError ProviderError(sqlite3* db, int rc, const QString& context, int busySeconds) {
  return DbError(adErrProvider, context + QStringLiteral(": ") + SqliteText(db, rc, busySeconds));
}

std::optional<QDate> IsoDate(const char* p, qsizetype n) {
  if (n != 10 || p[4] != '-' || p[7] != '-') return std::nullopt;
  int parts[3] = {0, 0, 0};
  const int starts[3] = {0, 5, 8};
  const int lengths[3] = {4, 2, 2};
  for (int k = 0; k < 3; ++k)
    for (int i = starts[k]; i < starts[k] + lengths[k]; ++i) {
      if (p[i] < '0' || p[i] > '9') return std::nullopt;
      parts[k] = parts[k] * 10 + (p[i] - '0');
    }
  const QDate date(parts[0], parts[1], parts[2]);
  if (!date.isValid()) return std::nullopt;
  return date;
}

QByteArray IsoText(const QDate& date) {
  return QByteArray::number(date.year()).rightJustified(4, '0') + '-' +
         QByteArray::number(date.month()).rightJustified(2, '0') + '-' +
         QByteArray::number(date.day()).rightJustified(2, '0');
}

}  // namespace ado_detail

using namespace ado_detail;

// ---- Value ----

namespace {
// VB's day numbers count from 30 December 1899.
const qint64 kVbDayZero = QDate(1899, 12, 30).toJulianDay();
}  // namespace

Value::Value(const QDate& v) {
  if (v.isValid()) {
    kind_ = Kind::Date;
    i_ = v.toJulianDay();
  }
}

QString Value::toText() const {
  switch (kind_) {
    case Kind::Null: return QString();
    case Kind::Integer: return QString::number(i_);
    case Kind::Real: return NumberText(d_);
    case Kind::Text: return s_;
    case Kind::Date: return QDate::fromJulianDay(i_).toString(QStringLiteral("dd/MM/yyyy"));
  }
  return QString();
}

double Value::toDouble() const {
  switch (kind_) {
    case Kind::Null: return 0;
    case Kind::Integer: return double(i_);
    case Kind::Real: return d_;
    case Kind::Text: return Val(s_);
    case Kind::Date: return double(i_ - kVbDayZero);  // VB's CDbl of a date
  }
  return 0;
}

std::optional<QDate> Value::toDate() const {
  if (kind_ == Kind::Date) return QDate::fromJulianDay(i_);
  if (kind_ == Kind::Text) {
    const QByteArray utf8 = s_.toUtf8();
    return IsoDate(utf8.constData(), utf8.size());
  }
  return std::nullopt;
}

bool Value::operator==(const Value& o) const {
  if (kind_ != o.kind_) return false;
  switch (kind_) {
    case Kind::Null: return true;
    case Kind::Integer:
    case Kind::Date: return i_ == o.i_;
    case Kind::Real: return d_ == o.d_;
    case Kind::Text: return s_ == o.s_;
  }
  return false;
}

// ---- Connection ----

namespace {

int execSql(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

// The database header's page size and page count (bytes 16, 28; the count is valid while the
// change counter at 24 equals the version-valid-for number at 92) against the file's length. Both
// are read through SQLite's own descriptor of the file: closing a descriptor of our own would drop
// every lock this process holds on the file, SQLite's included, and let another writer in.
bool isCutShort(sqlite3* db) {
  sqlite3_file* file = nullptr;
  if (sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file || !file->pMethods)
    return false;
  sqlite3_int64 size = 0;
  if (file->pMethods->xFileSize(file, &size) != SQLITE_OK) return false;
  if (size < 100) return true;
  unsigned char h[100];
  if (file->pMethods->xRead(file, h, sizeof h, 0) != SQLITE_OK) return false;
  auto be32 = [&](int at) {
    return quint32(h[at]) << 24 | quint32(h[at + 1]) << 16 | quint32(h[at + 2]) << 8 | quint32(h[at + 3]);
  };
  const quint32 raw = quint32(h[16]) << 8 | h[17];
  const qint64 pageSize = raw == 1 ? 65536 : raw;
  if (be32(24) != be32(92) || be32(28) == 0) return false;  // no valid count: nothing to compare
  return size < qint64(be32(28)) * pageSize;
}

// The settings every connection works under, on a handle just opened.
int configure(sqlite3* db) {
  sqlite3_extended_result_codes(db, 1);
  sqlite3_busy_timeout(db, kBusyTimeoutMs);
  // A rollback journal rather than WAL, so that a plain copy of the one file is a whole back-up.
  // A page cache of 32 MiB in place of SQLite's 2: the indexes the long lists are read from, and
  // the rows a read in an index's order looks up by rowid, stay in memory from one read to the next.
  for (const char* pragma : {"PRAGMA journal_mode=DELETE", "PRAGMA synchronous=FULL", "PRAGMA foreign_keys=OFF",
                             "PRAGMA cache_size=-32768"}) {
    const int rc = execSql(db, pragma);
    if (rc != SQLITE_OK) return rc;
  }
  return SQLITE_OK;
}

// A database file and the journal SQLite may have left beside it.
void removeDatabaseFile(const QString& path) {
  QFile::remove(path);
  QFile::remove(path + QStringLiteral("-journal"));
}

}  // namespace

Connection::~Connection() {
  // Closing rolls back a transaction left open; nothing is committed on the way out.
  if (db_) sqlite3_close_v2(db_);
}

void Connection::Open(const QString& path, std::optional<int> userVersion) {
  if (db_) raise(adErrIllegalOperation, QStringLiteral("The connection is already open"));
  sqlite3* db = nullptr;
  auto fail = [&](const QString& description) {
    sqlite3_close_v2(db);
    raise(adErrProvider, description);
  };
  const QString what = QStringLiteral("Cannot open the database file \"%1\"").arg(path);

  // Never SQLITE_OPEN_CREATE: a missing file must stay missing, not become an empty database.
  // A connection is only ever used by the thread that opened it, so SQLite need not take its
  // mutex on every column read, which a long list makes once for each of its rows.
  int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
  if (rc != SQLITE_OK) fail(what + QStringLiteral(": ") + SqliteText(db, rc));
  // SQLite quietly falls back to read-only for a file it may not write; every form writes.
  if (sqlite3_db_readonly(db, "main") != 0) fail(what + QStringLiteral(": the file cannot be written"));
  rc = configure(db);
  if (rc != SQLITE_OK) fail(what + QStringLiteral(": ") + SqliteText(db, rc));
  // Reading the version reads the header too, so a foreign file is refused here.
  int version = -1;
  bool cutShort = false;
  {
    Statement s;
    rc = sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &s.st, nullptr);
    if (rc == SQLITE_OK) {
      rc = sqlite3_step(s.st);
      if (rc == SQLITE_ROW) {
        version = sqlite3_column_int(s.st, 0);
        // A file cut short (a copy that stopped, a full disk) opens and reads as if whole until the
        // first missing page; its header, consistent again once a hot journal was rolled back by
        // this read, tells how long it must be. Looked at while the statement still holds the
        // file's read lock, so that no writer changes the header in between.
        cutShort = isCutShort(db);
        rc = SQLITE_OK;
      }
    }
  }
  if (rc != SQLITE_OK) fail(what + QStringLiteral(": ") + SqliteText(db, rc));
  if (userVersion && version != *userVersion)
    fail(what + QStringLiteral(": it is not this program's database (schema version %1, expected %2)")
                    .arg(version)
                    .arg(*userVersion));
  if (cutShort) fail(what + QStringLiteral(": the file is damaged (shorter than its header says)"));
  db_ = db;
  path_ = path;
}

void Connection::Create(const QString& path) {
  if (db_) raise(adErrIllegalOperation, QStringLiteral("The connection is already open"));
  if (QFile::exists(path)) raise(adErrProvider, QStringLiteral("The database file already exists: ") + path);
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(path.toUtf8().constData(), &db,
                           SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
  if (rc == SQLITE_OK) rc = configure(db);
  if (rc != SQLITE_OK) {
    const QString text = SqliteText(db, rc);
    sqlite3_close_v2(db);
    removeDatabaseFile(path);
    raise(adErrProvider, QStringLiteral("Cannot create the database file \"%1\": %2").arg(path, text));
  }
  db_ = db;
  path_ = path;
}

void Connection::BackupTo(const QString& path) const {
  if (!db_) raise(adErrObjectClosed, QStringLiteral("The connection is not open"));
  if (path.isEmpty()) raise(adErrProvider, QStringLiteral("Cannot write a back-up without a file name"));
  // The copy is written under a name of its own and only renamed into place once it is complete,
  // so a failed back-up never leaves a half-written file under the back-up's name.
  const QString part = path + QStringLiteral(".part");
  removeDatabaseFile(part);

  sqlite3* dest = nullptr;
  QString error;
  int rc = sqlite3_open_v2(QFile::encodeName(part).constData(), &dest, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                           nullptr);
  if (rc != SQLITE_OK) {
    error = SqliteText(dest, rc);
  } else if (sqlite3_backup* backup = sqlite3_backup_init(dest, "main", db_, "main")) {
    rc = sqlite3_backup_step(backup, -1);
    // The step's error, if any, is the finish's too, and its message is then the target's.
    const int finished = sqlite3_backup_finish(backup);
    if (finished != SQLITE_OK) error = SqliteText(dest, finished);
    else if (rc != SQLITE_DONE) error = SqliteText(nullptr, rc);
  } else {
    error = SqliteText(dest, sqlite3_errcode(dest));
  }
  rc = sqlite3_close(dest);
  if (error.isEmpty() && rc != SQLITE_OK) error = SqliteText(nullptr, rc);
  if (error.isEmpty() && std::rename(QFile::encodeName(part).constData(), QFile::encodeName(path).constData()) != 0)
    error = QString::fromLocal8Bit(std::strerror(errno));
  if (!error.isEmpty()) {
    removeDatabaseFile(part);
    raise(adErrProvider, QStringLiteral("Cannot write the back-up \"%1\": %2").arg(path, error));
  }
}

void Connection::Execute(const QString& sql) {
  if (!db_) raise(adErrObjectClosed, QStringLiteral("The connection is not open"));
  const int rc = execSql(db_, sql.toUtf8().constData());
  if (rc != SQLITE_OK) throw ProviderError(db_, rc, QStringLiteral("Cannot run \"%1\"").arg(sql));
}

void Connection::BeginTrans() {
  if (!db_) raise(adErrObjectClosed, QStringLiteral("The connection is not open"));
  if (inTransaction_) raise(adErrIllegalOperation, QStringLiteral("A transaction is already open on this connection"));
  // IMMEDIATE takes the write lock now, so a busy database fails the save before any write.
  const int rc = execSql(db_, "BEGIN IMMEDIATE");
  if (rc != SQLITE_OK) throw ProviderError(db_, rc, QStringLiteral("Cannot begin a transaction"));
  inTransaction_ = true;
  for (Recordset* rs : recordsets_) rs->journalBegin();
}

void Connection::CommitTrans() { commit(kBusyTimeoutMs / 1000); }

namespace {

// The busy handler of a commit that waits for the file's readers: in a rollback journal a
// committing writer holds the lock that lets no new reader in and waits for the readers already
// there to finish. The wait cursor comes up once the first of them is in the way.
struct ReadersWait {
  qint64 boundMs = 0;
  QElapsedTimer clock;
  std::optional<WaitCursor> cursor;

  static int wait(void* self, int) {
    auto* w = static_cast<ReadersWait*>(self);
    if (!w->clock.isValid()) {
      w->clock.start();
      w->cursor.emplace();
    }
    if (w->clock.elapsed() >= w->boundMs) return 0;
    sqlite3_sleep(10);
    return 1;
  }
};

}  // namespace

void Connection::CommitTrans(std::chrono::milliseconds readersWait) {
  if (!db_) raise(adErrObjectClosed, QStringLiteral("The connection is not open"));
  ReadersWait wait;
  wait.boundMs = readersWait.count();
  sqlite3_busy_handler(db_, &ReadersWait::wait, &wait);
  struct Restore {
    sqlite3* db;
    ~Restore() { sqlite3_busy_timeout(db, kBusyTimeoutMs); }
  } restore{db_};
  commit(int(std::chrono::duration_cast<std::chrono::seconds>(readersWait).count()));
}

void Connection::commit(int busySeconds) {
  if (!db_) raise(adErrObjectClosed, QStringLiteral("The connection is not open"));
  if (!inTransaction_) raise(adErrIllegalOperation, QStringLiteral("No transaction is open on this connection"));
  const int rc = execSql(db_, "COMMIT");
  if (rc != SQLITE_OK) {
    const DbError error = ProviderError(db_, rc, QStringLiteral("Cannot save the changes"), busySeconds);
    // After a full disk or an I/O error SQLite may have rolled the transaction back itself; the
    // recordsets then go back too. Otherwise the transaction stays open for a rollback.
    if (sqlite3_get_autocommit(db_)) RollbackTrans();
    throw error;
  }
  inTransaction_ = false;
  const std::vector<Recordset*> all = recordsets_;
  for (Recordset* rs : all) rs->journalDiscard();
}

void Connection::RollbackTrans() {
  if (!db_) raise(adErrObjectClosed, QStringLiteral("The connection is not open"));
  if (!inTransaction_) raise(adErrIllegalOperation, QStringLiteral("No transaction is open on this connection"));
  int rc = SQLITE_OK;
  if (!sqlite3_get_autocommit(db_)) rc = execSql(db_, "ROLLBACK");
  const std::optional<DbError> error =
      rc == SQLITE_OK ? std::nullopt
                      : std::optional<DbError>(ProviderError(db_, rc, QStringLiteral("Cannot undo the changes")));
  inTransaction_ = !sqlite3_get_autocommit(db_);
  // A recordset restored here may re-read itself or close, so walk a copy of the list.
  const std::vector<Recordset*> all = recordsets_;
  for (Recordset* rs : all) rs->journalRollback();
  if (error) throw *error;
}

void Connection::attach(Recordset* rs) {
  if (std::find(recordsets_.begin(), recordsets_.end(), rs) == recordsets_.end()) recordsets_.push_back(rs);
}

void Connection::detach(Recordset* rs) { std::erase(recordsets_, rs); }

// ---- Transaction ----

Transaction::Transaction(std::shared_ptr<Connection> con) : con_(std::move(con)) {
  if (!con_) raise(adErrObjectClosed, QStringLiteral("The connection is not open"));
  con_->BeginTrans();
}

Transaction::~Transaction() {
  if (done_ || !con_->InTransaction()) return;
  try {
    con_->RollbackTrans();
  } catch (const DbError&) {
    // A destructor must not throw; SQLite undoes an unfinished transaction when the connection closes.
  }
}

void Transaction::Commit() {
  if (done_) raise(adErrIllegalOperation, QStringLiteral("The transaction is already committed"));
  con_->CommitTrans();
  done_ = true;
}

void Transaction::Commit(std::chrono::milliseconds readersWait) {
  if (done_) raise(adErrIllegalOperation, QStringLiteral("The transaction is already committed"));
  con_->CommitTrans(readersWait);
  done_ = true;
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

// ---- reads of one table ----

QString TableRead::Sql() const {
  QString text = QStringLiteral("SELECT *, rowid FROM ") + QString::fromUtf8(quoteIdentifier(table));
  if (!condition.isEmpty()) text += QStringLiteral(" WHERE ") + condition;
  text += QStringLiteral(" ORDER BY ");
  if (!orderBy.isEmpty()) {
    text += QString::fromUtf8(quoteIdentifier(orderBy)) + QStringLiteral(", ");
    if (!thenBy.isEmpty()) text += QString::fromUtf8(quoteIdentifier(thenBy)) + QStringLiteral(", ");
  }
  return text + QStringLiteral("rowid");
}

TableRead RowByRowIdRead(const QString& table, qint64 rowid) {
  return {.table = table, .condition = QStringLiteral("rowid=?"), .parameters = {Value(rowid)}};
}
