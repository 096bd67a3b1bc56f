#pragma once
// Our stand-in for the ADO objects the forms were written against, over SQLite.
//
// A Recordset is a client-side snapshot: Open reads every row and finalises its statement, so an
// idle recordset holds no lock. It sees its own writes at once and nothing of other recordsets'
// writes until Requery. Rows are identified by SQLite's rowid; every write is a prepared
// statement with bound values, and only the fields that were set are written. Nothing is ever
// committed implicitly: a pending AddNew or edit stays pending until Update or CancelUpdate.
//
// How a read runs is never guessed from its SQL text. A read of one table's rows is described
// by the data module (TableRead): the table, its condition and its sort columns. The layer builds
// the text from it and so knows the table it writes to; only such a read
// can be writable, opened as a keyset or read by column. Any other selection (a report's grouping,
// a join, a look-up) is a free text, run read-only exactly as written.
#include <QDate>
#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

struct sqlite3;

// ADO's numbers for the errors the forms can meet.
enum AdoError : int {
  adErrNoCurrentRow = 3021,       // BOF, EOF or a deleted row
  adErrInvalidArgument = 3001,    // SQL text this layer does not run
  adErrIllegalOperation = 3219,   // move, requery, AddNew or Delete with an edit pending
  adErrFeatureNotAvailable = 3251,  // a write through a read-only recordset
  adErrItemNotFound = 3265,       // a field ordinal out of range
  adErrObjectClosed = 3704,       // the recordset or connection is not open
  adErrRowNotFound = -2147217864, // the row to update or delete is no longer there
  adErrProvider = -2147467259,    // anything SQLite reported (open failure, busy, constraint, I/O)
};

enum CursorTypeEnum : int { adOpenForwardOnly = 0, adOpenKeyset = 1, adOpenDynamic = 2, adOpenStatic = 3 };
enum LockTypeEnum : int { adLockReadOnly = 1, adLockPessimistic = 2, adLockOptimistic = 3 };
enum ObjectStateEnum : int { adStateClosed = 0, adStateOpen = 1 };
enum CursorLocationEnum : int { adUseServer = 2, adUseClient = 3 };
enum EditModeEnum : int { adEditNone = 0, adEditInProgress = 1, adEditAdd = 2 };

// Every DbError is written to the log as it is raised, whoever catches it.
class DbError : public std::runtime_error {
public:
  DbError(int number, const QString& description);
  int Number() const { return number_; }
  const QString& Description() const { return description_; }

private:
  int number_;
  QString description_;
};

// While one stands, the DbErrors raised are not logged: for a look whose failure is met, and
// logged, again at once by the step after it.
class UnloggedDbErrors {
public:
  UnloggedDbErrors();
  ~UnloggedDbErrors();
  UnloggedDbErrors(const UnloggedDbErrors&) = delete;
  UnloggedDbErrors& operator=(const UnloggedDbErrors&) = delete;
};

// The value of one field: the Variant of VB.
class Value {
public:
  enum class Kind : std::uint8_t { Null, Integer, Real, Text, Date };
  Value() = default;
  Value(std::nullptr_t) {}
  Value(int v) : kind_(Kind::Integer), i_(v) {}
  Value(qint64 v) : kind_(Kind::Integer), i_(v) {}
  Value(long v) : kind_(Kind::Integer), i_(v) {}  // RecordCount()'s type; else ambiguous
  Value(double v) : kind_(Kind::Real), d_(v) {}
  Value(const QString& v) : kind_(Kind::Text), s_(v) {}
  Value(const char* v) : kind_(Kind::Text), s_(QString::fromUtf8(v)) {}
  Value(const QDate& v);  // an invalid date is Null

  Kind kind() const { return kind_; }
  bool IsNull() const { return kind_ == Kind::Null; }
  // Null gives ""; numbers their plain short text ("800", "300.75", "-500"); dates "dd/MM/yyyy".
  QString toText() const;
  // Null gives 0; text gives its leading number, as VB's Val.
  double toDouble() const;
  // A date value, or ISO "yyyy-MM-dd" text; anything else is empty.
  std::optional<QDate> toDate() const;
  bool operator==(const Value& o) const;  // exact: kind and content

  // Raw access for the layer.
  qint64 intValue() const { return i_; }
  double realValue() const { return d_; }
  const QString& textValue() const { return s_; }

private:
  Kind kind_ = Kind::Null;
  qint64 i_ = 0;
  double d_ = 0;
  QString s_;
};

class Recordset;

// A read of the rows of one table, as the data module means it. The rows carry their rowid, so
// they can be written back; rows of equal sort keys, and all rows where no sort column is named,
// come in the order they were added (the rowid breaks the tie).
//
// The database sorts. A read of a long table is given an index that serves its order (the sort
// columns in turn, each with the collation the column compares by; the rowid an index holds
// last), so that SQLite reads the rows in that order instead of sorting them; data/schema.cpp
// names which index serves which read.
struct TableRead {
  // Every member has a default, so that a read names only what it sets ({.table = ..., ...}).
  QString table = {};
  QString condition = {};              // an SQL condition on the row with "?" parameters, or empty
  std::vector<Value> parameters = {};  // bound to the condition's "?" in order
  QString orderBy = {};  // one column by name, ascending; empty for the order rows were added
  QString thenBy = {};   // with orderBy: the column that orders rows equal in it, before the rowid

  // The text it runs as:
  // SELECT *, rowid FROM "table" [WHERE condition] ORDER BY ["orderBy", ["thenBy", ]]rowid.
  QString Sql() const;
};

// The one row of `table` stored under `rowid`, whole and writable: the row behind an entry of a
// list read with its rowids (a chooser's patient, a key list's text).
TableRead RowByRowIdRead(const QString& table, qint64 rowid);

class Connection : public std::enable_shared_from_this<Connection> {
public:
  Connection() = default;
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Opens an existing database file read-write. Never creates one. A file that is missing, not
  // SQLite, read-only or cut short raises DbError, and so does one whose PRAGMA user_version is not
  // `userVersion` when one is given (the layer above knows which files are its own); State()
  // stays closed.
  void Open(const QString& path, std::optional<int> userVersion = std::nullopt);
  // Makes a new, empty database file at `path` and opens this connection on it as Open does.
  // Refuses a file that exists already. Raises DbError and leaves no file behind when the file
  // cannot be made.
  void Create(const QString& path);
  int State() const { return db_ ? adStateOpen : adStateClosed; }
  int CursorLocation = adUseClient;
  const QString& Path() const { return path_; }

  // One transaction at a time (BEGIN IMMEDIATE / COMMIT / ROLLBACK). Rollback also restores every
  // recordset of this connection that changed since BeginTrans: rows, position and edit state.
  void BeginTrans();
  void CommitTrans();
  // Commits as CommitTrans does, but waits up to `readersWait`, with the wait cursor shown, for the
  // other connections and programs that are reading the file when it commits (no new reader
  // begins meanwhile), where CommitTrans gives up after the busy timeout meant for a writer in
  // the way. For a save that must not fail for a reader: the paper of a printed bill is out.
  void CommitTrans(std::chrono::milliseconds readersWait);
  void RollbackTrans();
  bool InTransaction() const { return inTransaction_; }

  // Runs SQL text that returns no rows (one or more statements). Raises DbError on failure.
  void Execute(const QString& sql);
  // The first column of the first row of one statement, with values bound to its "?" in order;
  // Null when there is no row. Raises DbError on failure.
  Value QueryValue(const QString& sql, const std::vector<Value>& parameters = {});

  // Writes a copy of this connection's database into the file `path` through SQLite's online
  // back-up, so that the copy is consistent while the database is in use. The copy is written
  // beside `path` first and only then put in its place, replacing a file of that name. Raises
  // DbError with SQLite's message; on failure `path` is left as it was and nothing partial remains.
  void BackupTo(const QString& path) const;

  sqlite3* handle() const { return db_; }

  // Recordsets tell their connection they exist, so a rollback can reach them.
  void attach(Recordset* rs);
  void detach(Recordset* rs);

private:
  sqlite3* db_ = nullptr;
  QString path_;
  bool inTransaction_ = false;
  std::vector<Recordset*> recordsets_;

  void commit(int busySeconds);
};

// A multi-write save: rolls back on destruction unless Commit() was called.
class Transaction {
public:
  explicit Transaction(std::shared_ptr<Connection> con);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void Commit();
  // Commits waiting up to `readersWait` for the file's readers (Connection::CommitTrans).
  void Commit(std::chrono::milliseconds readersWait);

private:
  std::shared_ptr<Connection> con_;
  bool done_ = false;
};

class Recordset {
public:
  Recordset();
  ~Recordset();
  Recordset(const Recordset&) = delete;
  Recordset& operator=(const Recordset&) = delete;

  // Reads every row of `read`, sorted as it says; writable unless `lockType` is read-only. On
  // failure raises DbError, leaves the recordset closed and keeps the error for LastOpenError().
  void Open(const TableRead& read, std::shared_ptr<Connection> con, int cursorType = adOpenStatic,
            int lockType = adLockReadOnly);
  // Runs a free SQL text exactly as written (one read-only statement) and reads every row, read
  // only: any other lock type raises adErrInvalidArgument, as a text that writes does. Its rows
  // come in the order the text asks for and no other. Raises and keeps the error as above.
  void Open(const QString& sql, std::shared_ptr<Connection> con, int cursorType = adOpenStatic,
            int lockType = adLockReadOnly);
  // The same with values bound to the text's "?" parameters, in order (also on Requery), so that
  // a selection by date or number never glues values into the SQL.
  void Open(const QString& sql, const std::vector<Value>& parameters, std::shared_ptr<Connection> con,
            int cursorType = adOpenStatic, int lockType = adLockReadOnly);
  // The rows of `read`, read lazily: Open reads only their rowids in its order, and each row's
  // values are read by rowid when first needed and then kept. Moves, counts, writes and Requery
  // behave as in a snapshot. For the tables that grow to half a million rows, where a form shows
  // one row at a time; the table must not be changed by anyone else while the recordset is open.
  void OpenKeyset(const TableRead& read, std::shared_ptr<Connection> con, int lockType = adLockReadOnly);
  // OpenKeyset of `model`'s read on its connection. Where nothing was written to the database
  // since `model` (itself opened by OpenKeyset) read its rowids, they are taken over instead of
  // being read again; otherwise the rows are read afresh. Raises as OpenKeyset does, and
  // adErrInvalidArgument for a model opened on a free text.
  void OpenKeysetLike(const Recordset& model, int lockType = adLockReadOnly);
  void Close();
  int State() const;
  const std::optional<DbError>& LastOpenError() const;
  std::shared_ptr<Connection> ActiveConnection() const;
  // The text the rows were read with: the free text, or TableRead::Sql() of the read.
  const QString& Source() const;

  // Exact, whatever the cursor: counts a pending AddNew; a deleted row leaves the count at once.
  long RecordCount() const;
  bool Bof() const;
  bool Eof() const;
  bool HasCurrentRow() const;  // not BOF, not EOF, not on a deleted row
  // The rowid the current row is stored under; none for a row being added or no current row.
  std::optional<qint64> CurrentRowId() const;
  int EditMode() const;

  // MoveFirst/MoveLast do nothing on an empty recordset. MoveNext at EOF and MovePrevious at BOF
  // raise adErrNoCurrentRow. Any move with an edit pending raises adErrIllegalOperation.
  void MoveFirst();
  void MoveLast();
  void MoveNext();
  void MovePrevious();
  // Re-runs the SQL and stands on the first row (or EOF). Raises with an edit pending.
  void Requery();

  int FieldCount() const;
  QString FieldName(int ordinal) const;
  // With no current row raise adErrNoCurrentRow; an ordinal out of range adErrItemNotFound.
  Value Fields(int ordinal) const;
  // Starts an edit of the current row, or fills the pending AddNew.
  void SetField(int ordinal, const Value& value);

  void AddNew();        // a pending row at the end, all fields Null, made current
  void Update();        // writes the pending add or edit; on failure raises and stays pending
  void CancelUpdate();  // discards the pending add or edit; with nothing pending does nothing
  void Delete();        // deletes the current row; the position stays on the deleted slot

  struct Bookmark {
    long position = -1;
  };
  Bookmark GetBookmark() const;
  void MoveTo(const Bookmark& b);
  // Stands on the row stored under `rowid` and returns true; without such a row stands after the
  // last row (EOF) and returns false. Raises adErrIllegalOperation with an edit pending.
  bool MoveToRowId(qint64 rowid);

  // Used by the connection's rollback; not for forms.
  void journalBegin();
  void journalRollback();
  void journalDiscard();

private:
  friend void ReadColumnText(const Recordset&, int, const std::function<void(const char*, int, qint64)>&);
  void open(const QString& sql, const std::vector<Value>& parameters, const std::optional<TableRead>& read,
            std::shared_ptr<Connection> con, int lockType, bool keyset, const Recordset* model = nullptr);
  struct Impl;
  std::unique_ptr<Impl> d;
};

// One column of the rows of `read`, in its order, each as Fields(ordinal) would give it, with the
// row's rowid; the rows themselves are not kept. For the long one-column lists (every patient's
// identifier, every bill number) whose full rows are read only once one of them is chosen. Only
// the column and the rowid are selected, so that an index holding both answers alone.
// Raises DbError as Open does, adErrItemNotFound for an ordinal out of range.
void ReadColumn(const std::shared_ptr<Connection>& con, const TableRead& read, int ordinal,
                const std::function<void(const Value& value, qint64 rowid)>& row);
// The same column as the texts Fields(ordinal).toText() would give, in UTF-8 (`size` bytes, not
// NUL-ended, valid only during the call): no Value and no QString is made for a row.
void ReadColumnText(const std::shared_ptr<Connection>& con, const TableRead& read, int ordinal,
                    const std::function<void(const char* utf8, int size, qint64 rowid)>& row);
// The same for the rows `keyset` holds (opened by OpenKeyset, in its read's order): the sort
// column's texts read with its rowids are handed over once, where nothing was written to the
// database since; any other column, or after a write, is read afresh as above.
void ReadColumnText(const Recordset& keyset, int ordinal,
                    const std::function<void(const char* utf8, int size, qint64 rowid)>& row);
