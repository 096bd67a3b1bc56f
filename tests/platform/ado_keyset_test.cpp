// A recordset opened by keys must be indistinguishable from a snapshot of the same text: the
// same script of moves and writes is run on both, over two tables, and every step compared.
#include "platform/ado_support.h"

namespace {

using AdoKeyset = AdoTest;

// What a caller can see of a recordset after a step.
QString observe(Recordset& rs) {
  QString out = QStringLiteral("n=%1 bof=%2 eof=%3 mode=%4 at=").arg(rs.RecordCount()).arg(rs.Bof()).arg(rs.Eof()).arg(
      rs.EditMode());
  if (rs.HasCurrentRow())
    for (int i = 0; i < rs.FieldCount(); ++i) out += rs.Fields(i).toText() + u'|';
  return out;
}

struct Step {
  const char* name;
  std::function<void(Recordset&)> run;
};

std::vector<QString> play(Recordset& rs, const std::vector<Step>& steps, std::shared_ptr<Connection> con) {
  std::vector<QString> seen;
  for (const Step& s : steps) {
    int error = 0;
    try {
      s.run(rs);
    } catch (const DbError& e) {
      error = e.Number();
    }
    seen.push_back(QString::fromLatin1(s.name) + QStringLiteral(" err=%1 ").arg(error) + observe(rs));
    if (con->InTransaction() && error) con->RollbackTrans();
  }
  return seen;
}

TEST_F(AdoKeyset, BehavesAsTheSnapshotThroughMovesWritesRequeryAndRollback) {
  const std::vector<Step> steps = {
      {"first", [](Recordset& r) { r.MoveFirst(); }},
      {"next", [](Recordset& r) { r.MoveNext(); }},
      {"last", [](Recordset& r) { r.MoveLast(); }},
      {"next past end", [](Recordset& r) { r.MoveNext(); }},
      {"next at eof", [](Recordset& r) { r.MoveNext(); }},
      {"previous", [](Recordset& r) { r.MovePrevious(); }},
      {"edit", [](Recordset& r) { r.SetField(1, "99"); }},
      {"move while editing", [](Recordset& r) { r.MoveFirst(); }},
      {"update", [](Recordset& r) { r.Update(); }},
      {"add", [](Recordset& r) { r.AddNew(); }},
      {"fill", [](Recordset& r) { r.SetField(0, "zz"); }},
      {"store", [](Recordset& r) { r.Update(); }},
      {"first again", [](Recordset& r) { r.MoveFirst(); }},
      {"delete", [](Recordset& r) { r.Delete(); }},
      {"read deleted", [](Recordset& r) { r.Fields(0); }},
      {"next after delete", [](Recordset& r) { r.MoveNext(); }},
      {"begin", [](Recordset& r) { r.ActiveConnection()->BeginTrans(); }},
      {"delete in save", [](Recordset& r) { r.Delete(); }},
      {"last in save", [](Recordset& r) { r.MoveLast(); }},
      {"change in save", [](Recordset& r) { r.SetField(1, "7"); r.Update(); }},
      {"roll back", [](Recordset& r) { r.ActiveConnection()->RollbackTrans(); }},
      {"walk back", [](Recordset& r) { r.MoveFirst(); r.MoveNext(); }},
      {"requery", [](Recordset& r) { r.Requery(); }},
      {"last after requery", [](Recordset& r) { r.MoveLast(); }},
      {"cancel an add", [](Recordset& r) { r.AddNew(); r.CancelUpdate(); }},
  };
  const TableRead reads[] = {SortedInMemory("SettingsLab", "Description"), Table("SettingsLab"),
                             SortedInMemory("SettingsLab", "Amount", "Amount > 1"),
                             SortedByDatabase("SettingsLab", "Amount", "Amount > 1")};
  for (const TableRead& read : reads) {
    const std::string text = read.Sql().toStdString();
    exec("DELETE FROM SettingsLab");
    exec("INSERT INTO SettingsLab VALUES ('c','3'),('a','1'),('b','2'),('a','5'),('d','4')");
    Recordset snapshot;
    snapshot.Open(read, con, adOpenDynamic, adLockOptimistic);
    const std::vector<QString> expected = play(snapshot, steps, con);
    const QString tableAfter = scalar("SELECT group_concat(Description || Amount, ',') FROM SettingsLab");
    snapshot.Close();

    exec("DELETE FROM SettingsLab");
    exec("INSERT INTO SettingsLab VALUES ('c','3'),('a','1'),('b','2'),('a','5'),('d','4')");
    Recordset keyset;
    keyset.OpenKeyset(read, con, adLockOptimistic);
    const std::vector<QString> seen = play(keyset, steps, con);
    ASSERT_EQ(seen.size(), expected.size());
    for (std::size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i], expected[i]) << text;
    EXPECT_EQ(scalar("SELECT group_concat(Description || Amount, ',') FROM SettingsLab"), tableAfter) << text;
  }
}

TEST_F(AdoKeyset, AReadOnlyKeysetRefusesWritesAndFindsRowsByRowid) {
  exec("INSERT INTO SettingsLab VALUES ('c','3'),('a','1'),('b','2')");
  Recordset rs;
  rs.OpenKeyset(SortedInMemory("SettingsLab", "Description"), con, adLockReadOnly);
  EXPECT_EQ(rs.RecordCount(), 3);
  EXPECT_EQ(ErrorOf([&] { rs.SetField(1, "9"); }), adErrFeatureNotAvailable);
  EXPECT_EQ(ErrorOf([&] { rs.AddNew(); }), adErrFeatureNotAvailable);
  const qint64 rowidOfC = scalar("SELECT rowid FROM SettingsLab WHERE Description='c'").toLongLong();
  ASSERT_TRUE(rs.MoveToRowId(rowidOfC));
  EXPECT_EQ(rs.Fields(0).toText(), "c");
  rs.MovePrevious();
  EXPECT_EQ(rs.Fields(0).toText(), "b");
  EXPECT_FALSE(rs.MoveToRowId(rowidOfC + 100));
  EXPECT_TRUE(rs.Eof());
  EXPECT_EQ(scalar("SELECT group_concat(Description || Amount, ',') FROM SettingsLab"), "c3,a1,b2");
}

}  // namespace

namespace {

using AdoKeysetOrder = AdoTest;

TEST_F(AdoKeysetOrder, SortedRowsAndListedColumnsComeInTheDatabasesOwnOrder) {
  // Case, trailing blanks, numbers, NULLs and blobs under the column's collation, and ties.
  exec("INSERT INTO SettingsLab VALUES ('b','1'),('B','2'),('a ','3'),('a','4'),(NULL,'5'),(x'41','6'),"
       "('10','7'),('9','8'),('_x','9'),('Zed','10'),('b','11'),('',12)");
  exec("INSERT INTO SettingsLabBillNo VALUES (3),(2.5),('2'),(NULL),(1),(x'00'),(3.0),(-7),('abc'),(2)");
  const struct {
    TableRead read;
    int ordinal;
  } texts[] = {{SortedInMemory("SettingsLab", "Description"), 0},
               {SortedInMemory("SettingsLab", "Amount"), 0},
               {SortedInMemory("SettingsLab", "Description", "Description <> 'b'"), 1},
               {SortedInMemory("SettingsLabBillNo", "BillNo"), 0}};
  for (const auto& t : texts) {
    const std::string sql = t.read.Sql().toStdString();
    // The database's own sort of the same read; the others sort here.
    TableRead byDatabase = t.read;
    byDatabase.sort = TableRead::Sort::ByDatabase;
    Recordset own, snapshot, keyset;
    own.Open(byDatabase, con, adOpenDynamic, adLockReadOnly);
    snapshot.Open(t.read, con, adOpenDynamic, adLockOptimistic);
    keyset.OpenKeyset(t.read, con, adLockOptimistic);
    const auto cells = [](Recordset& rs) {
      QStringList out;
      for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        for (int i = 0; i < rs.FieldCount(); ++i) out << rs.Fields(i).toText();
      return out.join(u'|').toStdString();
    };
    const std::string expected = cells(own);
    EXPECT_EQ(cells(snapshot), expected) << sql;
    EXPECT_EQ(cells(keyset), expected) << sql;
    QStringList listed;
    QStringList column;
    for (snapshot.MoveFirst(); !snapshot.Eof(); snapshot.MoveNext()) column << snapshot.Fields(t.ordinal).toText();
    ReadColumnText(con, t.read, t.ordinal,
                   [&](const char* text, int size, qint64) { listed << QString::fromUtf8(text, size); });
    EXPECT_EQ(listed.join(u'|').toStdString(), column.join(u'|').toStdString()) << sql;
  }
}

}  // namespace

#include <sqlite3.h>

namespace {

using AdoSortChoice = AdoTest;

// Who sorts a keyset is the read's own choice, whatever else it holds (a condition, bound values, a
// lock): the in-memory sort reads the keys in storage order, the database's sort runs the read's
// text. A snapshot is sorted by the database either way, in the same order.
TEST_F(AdoSortChoice, TheRowsAreSortedWhereTheReadSays) {
  exec("INSERT INTO SettingsLab VALUES ('c','3'),('a','1'),('b','2'),('a','5')");
  std::vector<std::string> ran;
  sqlite3_trace_v2(
      con->handle(), SQLITE_TRACE_STMT,
      [](unsigned, void* into, void*, void* text) {
        static_cast<std::vector<std::string>*>(into)->push_back(static_cast<const char*>(text));
        return 0;
      },
      &ran);
  const auto withValue = [](TableRead read) {
    read.parameters = {Value("2")};
    return read;
  };
  const struct {
    const char* name;
    TableRead read;
    bool keyset;
    int lockType;
  } cases[] = {
      {"a snapshot in memory", SortedInMemory("SettingsLab", "Description"), false, adLockOptimistic},
      {"a snapshot in memory, read-only", SortedInMemory("SettingsLab", "Description"), false, adLockReadOnly},
      {"a snapshot in memory, a bound value", withValue(SortedInMemory("SettingsLab", "Description", "Amount <> ?")),
       false, adLockOptimistic},
      {"in memory, by keys", SortedInMemory("SettingsLab", "Description"), true, adLockOptimistic},
      {"in memory, by keys with a bound value", withValue(SortedInMemory("SettingsLab", "Description", "Amount <> ?")),
       true, adLockOptimistic},
      {"by the database", SortedByDatabase("SettingsLab", "Description"), false, adLockOptimistic},
      {"by the database, by keys", SortedByDatabase("SettingsLab", "Description"), true, adLockOptimistic},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ran.clear();
    Recordset rs;
    if (c.keyset) rs.OpenKeyset(c.read, con, c.lockType);
    else rs.Open(c.read, con, adOpenDynamic, c.lockType);
    EXPECT_EQ(column(rs, 0), c.read.parameters.empty() ? "a|a|b|c" : "a|a|c");
    const bool inMemory = c.keyset && c.read.sort == TableRead::Sort::InMemory;
    const auto ranStarting = [&](const std::string& start) {
      return std::any_of(ran.begin(), ran.end(), [&](const std::string& t) { return t.rfind(start, 0) == 0; });
    };
    EXPECT_EQ(ranStarting("SELECT \"Description\", rowid FROM \"SettingsLab\""), inMemory);
    const std::string sorted = c.read.Sql().toStdString();
    const std::string sortedRowids = "SELECT rowid" + sorted.substr(std::string("SELECT *, rowid").size());
    EXPECT_EQ(ranStarting(c.keyset ? sortedRowids : sorted), !inMemory);
  }
  sqlite3_trace_v2(con->handle(), 0, nullptr, nullptr);
}

}  // namespace
