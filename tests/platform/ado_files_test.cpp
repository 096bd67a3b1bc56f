// Whole database files: which file opens, a new file, and the online back-up.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <sqlite3.h>

#include "data/schema.h"
#include "platform/ado_support.h"
#include "platform/waitcursor.h"

namespace {

std::string s(const QString& text) { return text.toStdString(); }

void rawExec(const QString& path, const char* sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql;
  sqlite3_close(db);
}

QByteArray bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// The employees a file holds, read through a connection of its own.
QString employeesIn(const QString& path) {
  auto other = std::make_shared<Connection>();
  other->Open(path);
  Recordset rs;
  rs.Open("SELECT EmployeeID FROM SettingsEmployeeDetails", other);
  QStringList ids;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) ids << rs.Fields(0).toText();
  return ids.join(',');
}

// Another program (the sqlite3 shell) begins a write on the file at once, and undoes it: what it
// said when it could not, or "" when it wrote.
QString anotherProgramBeginsAWrite(const QString& path) {
  QProcess shell;
  shell.start(QStringLiteral("sqlite3"), {path, QStringLiteral("BEGIN IMMEDIATE; ROLLBACK;")});
  EXPECT_TRUE(shell.waitForFinished(10000)) << "the sqlite3 shell did not run";
  const QString said = QString::fromUtf8(shell.readAllStandardError()).trimmed();
  return shell.exitCode() == 0 && said.isEmpty() ? QString() : said + QStringLiteral(" ");
}

using AdoFiles = AdoTest;

// The layer knows no schema: it refuses a file of another version only when its caller names the
// version its files carry.
TEST_F(AdoFiles, TheVersionIsCheckedOnlyWhenTheCallerNamesIt) {
  rawExec(dbPath(), "PRAGMA user_version = 2");
  const struct {
    std::optional<int> version;
    bool opens;
  } cases[] = {{std::nullopt, true}, {2, true}, {kSchemaVersion, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.version ? *c.version : -1);
    Connection connection;
    try {
      connection.Open(dbPath(), c.version);
      EXPECT_TRUE(c.opens);
    } catch (const DbError& e) {
      EXPECT_FALSE(c.opens);
      EXPECT_EQ(e.Description(), QStringLiteral("Cannot open the database file \"%1\": it is not this program's "
                                                "database (schema version 2, expected 1)")
                                     .arg(dbPath()));
    }
    EXPECT_EQ(connection.State(), c.opens ? adStateOpen : adStateClosed);
  }
}

TEST_F(AdoFiles, CreateMakesOnlyANewFile) {
  const struct {
    const char* name;
    std::function<QString()> path;
    bool made;
  } cases[] = {
      {"a new file", [this] { return folder() + "/new.mdb"; }, true},
      {"an existing database", [this] { return dbPath(); }, false},
      {"an existing file of another kind",
       [this] {
         writeFile(folder() + "/notes.mdb", "some notes");
         return folder() + "/notes.mdb";
       },
       false},
      {"a folder that is not there", [this] { return folder() + "/gone/new.mdb"; }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = c.path();
    const bool existed = QFile::exists(path);
    const QByteArray before = bytesOf(path);
    Connection connection;
    try {
      connection.Create(path);
      EXPECT_TRUE(c.made);
    } catch (const DbError& e) {
      EXPECT_FALSE(c.made);
      EXPECT_EQ(e.Number(), adErrProvider);
      EXPECT_TRUE(e.Description().contains(path)) << s(e.Description());
    }
    EXPECT_EQ(connection.State(), c.made ? adStateOpen : adStateClosed);
    EXPECT_EQ(QFile::exists(path), c.made || existed);
    EXPECT_FALSE(QFile::exists(path + "-journal"));
    if (existed) {
      EXPECT_EQ(bytesOf(path), before);
    }
    if (c.made) {
      // An empty database the connection writes to, and one that opens again.
      connection.Execute("CREATE TABLE t (a TEXT); INSERT INTO t VALUES ('x')");
      Connection again;
      again.Open(path);
      EXPECT_EQ(again.QueryValue("SELECT a FROM t").toText(), "x");
    }
  }
}

TEST_F(AdoFiles, BackupToWritesTheWholeCopyOrNothing) {
  con->Execute("INSERT INTO SettingsEmployeeDetails(EmployeeID) VALUES ('7')");
  const QString target = folder() + "/backup.mdb";
  const struct {
    const char* name;
    std::function<void()> prepare;
    QString path;
    int error;  // 0: the copy is made
  } cases[] = {
      {"a new file", [] {}, target, 0},
      {"a file of that name that is no database", [&] { writeFile(target, "an old back-up"); }, target, 0},
      {"a folder that is not there", [] {}, folder() + "/gone/backup.mdb", adErrProvider},
      {"a folder of that name", [&] { QDir(folder()).mkdir("taken.mdb"); }, folder() + "/taken.mdb", adErrProvider},
      {"no file name", [] {}, QString(), adErrProvider},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(target);
    c.prepare();
    const QFileInfo before(c.path);
    try {
      con->BackupTo(c.path);
      EXPECT_EQ(c.error, 0);
    } catch (const DbError& e) {
      EXPECT_EQ(e.Number(), c.error);
      EXPECT_TRUE(e.Description().contains(c.path)) << s(e.Description());
    }
    if (c.error == 0) {
      EXPECT_EQ(employeesIn(c.path), "7");
    } else {
      EXPECT_EQ(QFileInfo(c.path).exists(), before.exists());
      EXPECT_EQ(QFileInfo(c.path).isDir(), before.isDir());
    }
    EXPECT_FALSE(QFile::exists(c.path + ".part"));
    EXPECT_FALSE(QFile::exists(c.path + ".part-journal"));
  }
  EXPECT_EQ(con->QueryValue("SELECT count(*) FROM SettingsEmployeeDetails").toText(), "1");
}

// What SQLite says reaches the caller, and a closed connection copies nothing.
TEST_F(AdoFiles, ABackUpThatCannotBeWrittenSaysWhy) {
  try {
    con->BackupTo(folder() + "/gone/backup.mdb");
    ADD_FAILURE() << "written";
  } catch (const DbError& e) {
    EXPECT_TRUE(e.Description().contains("unable to open database file")) << s(e.Description());
  }
  Connection closed;
  EXPECT_EQ(ErrorOf([&] { closed.BackupTo(folder() + "/backup.mdb"); }), adErrObjectClosed);
  EXPECT_FALSE(QFile::exists(folder() + "/backup.mdb"));
}

// A connection opened and closed while another of this process holds the write lock: the open
// reads the file through SQLite alone, so nothing of its own closes a descriptor of the file and
// takes SQLite's locks with it.
TEST_F(AdoFiles, AConnectionOpenedAndClosedLeavesTheWriteLockOfAnotherInPlace) {
  con->BeginTrans();
  ASSERT_TRUE(anotherProgramBeginsAWrite(dbPath()).contains("database is locked"));
  {
    Connection other;
    other.Open(dbPath(), kSchemaVersion);
    EXPECT_EQ(other.QueryValue("SELECT count(*) FROM SettingsNewUser").toText(), "1");
  }
  EXPECT_TRUE(anotherProgramBeginsAWrite(dbPath()).contains("database is locked"))
      << "another program began a write while this one's transaction was open";
  con->RollbackTrans();
  EXPECT_EQ(anotherProgramBeginsAWrite(dbPath()), QString());
}

// A commit that waits for the file's readers gives up once its wait is over, as one that waited
// the busy timeout does, and the transaction can then be undone.
TEST_F(AdoFiles, ACommitWaitingForReadersGivesUpOnlyPastItsWait) {
  sqlite3* reader = nullptr;
  ASSERT_EQ(sqlite3_open_v2(dbPath().toUtf8().constData(), &reader, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(reader, "BEGIN; SELECT count(*) FROM SettingsNewUser;", nullptr, nullptr, nullptr), SQLITE_OK);
  QStringList cursor;
  SetWaitCursorHandler([&](bool shown) { cursor << (shown ? "shown" : "gone"); });
  con->BeginTrans();
  con->Execute("INSERT INTO SettingsEmployeeDetails(EmployeeID, FirstName) VALUES ('7', 'Ravi')");
  QElapsedTimer clock;
  clock.start();
  try {
    con->CommitTrans(std::chrono::milliseconds(2500));
    ADD_FAILURE() << "committed under a reader";
  } catch (const DbError& e) {
    EXPECT_TRUE(e.Description().contains("kept it busy for more than 2 seconds (database is locked)"))
        << s(e.Description());
  }
  EXPECT_GE(clock.elapsed(), 2500) << "gave up after the busy timeout, not the wait";
  SetWaitCursorHandler({});
  EXPECT_EQ(cursor, QStringList({"shown", "gone"}));
  con->RollbackTrans();
  sqlite3_exec(reader, "COMMIT", nullptr, nullptr, nullptr);
  sqlite3_close(reader);
  EXPECT_EQ(con->QueryValue("SELECT count(*) FROM SettingsEmployeeDetails").toText(), "0");
}

}  // namespace
