// A recordset opened by keys must be indistinguishable from a snapshot of the same text: the
// same script of moves and writes is run on both, over two tables, and every step compared.
#include "platform/ado_support.h"

#include <algorithm>

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
  const TableRead reads[] = {SortedByDatabase("SettingsLab", "Description"), Table("SettingsLab"),
                             SortedByDatabase("SettingsLab", "Amount", "Amount > 1"),
                             SortedThenBy("SettingsLab", "Description", "Amount")};
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
  rs.OpenKeyset(SortedByDatabase("SettingsLab", "Description"), con, adLockReadOnly);
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
  } texts[] = {{SortedByDatabase("SettingsLab", "Description"), 0},
               {SortedByDatabase("SettingsLab", "Amount"), 0},
               {SortedByDatabase("SettingsLab", "Description", "Description <> 'b'"), 1},
               {SortedThenBy("SettingsLab", "Description", "Amount"), 1},
               {SortedByDatabase("SettingsLabBillNo", "BillNo"), 0}};
  for (const auto& t : texts) {
    const std::string sql = t.read.Sql().toStdString();
    Recordset snapshot, keyset;
    snapshot.Open(t.read, con, adOpenDynamic, adLockOptimistic);
    keyset.OpenKeyset(t.read, con, adLockOptimistic);
    const auto cells = [](Recordset& rs) {
      QStringList out;
      for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        for (int i = 0; i < rs.FieldCount(); ++i) out << rs.Fields(i).toText();
      return out.join(u'|').toStdString();
    };
    EXPECT_EQ(cells(keyset), cells(snapshot)) << sql;
    QStringList column;
    for (snapshot.MoveFirst(); !snapshot.Eof(); snapshot.MoveNext()) column << snapshot.Fields(t.ordinal).toText();
    const auto listed = [&](const std::function<void(const std::function<void(const char*, int, qint64)>&)>& read) {
      QStringList out;
      read([&](const char* text, int size, qint64) { out << QString::fromUtf8(text, size); });
      return out.join(u'|').toStdString();
    };
    EXPECT_EQ(listed([&](const auto& row) { ReadColumnText(con, t.read, t.ordinal, row); }), column.join(u'|').toStdString())
        << sql;
    // The keyset's own column, its sort column's texts kept from its read where they are all texts.
    EXPECT_EQ(listed([&](const auto& row) { ReadColumnText(keyset, t.ordinal, row); }), column.join(u'|').toStdString())
        << sql;
  }
}

}  // namespace

#include <sqlite3.h>

namespace {

using AdoKeysetReads = AdoTest;

// What a read runs: a snapshot the read's own text; a keyset the same text selecting only the
// rowids, beside the sort column where there is one (the index serving the order holds both, and
// the form lists that column next), whatever else the read holds (a condition, bound values, a lock).
// Listing the sort column of a keyset then runs nothing more, once; anything else is read afresh.
TEST_F(AdoKeysetReads, AKeysetReadsItsRowidsWithItsSortColumnAndListsThatColumnOnce) {
  exec("INSERT INTO SettingsLab VALUES ('c','3'),('a','1'),('b','2'),('a','5')");
  std::vector<std::string> ran;
  sqlite3_trace_v2(
      con->handle(), SQLITE_TRACE_STMT,
      [](unsigned, void* into, void*, void* text) {
        // The selections; a look at the database's version is none.
        if (std::string(static_cast<const char*>(text)).rfind("SELECT ", 0) == 0)
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
    const char* keysetRuns;  // what the keyset selects in place of "*, rowid"
  } cases[] = {
      {"a snapshot", SortedByDatabase("SettingsLab", "Description"), false, adLockOptimistic, nullptr},
      {"a snapshot, read-only, a bound value", withValue(SortedByDatabase("SettingsLab", "Description", "Amount <> ?")),
       false, adLockReadOnly, nullptr},
      {"by keys", SortedByDatabase("SettingsLab", "Description"), true, adLockOptimistic, "\"Description\", rowid"},
      {"by keys, a bound value", withValue(SortedByDatabase("SettingsLab", "Description", "Amount <> ?")), true,
       adLockOptimistic, "\"Description\", rowid"},
      {"by keys, the order rows were added", Table("SettingsLab"), true, adLockReadOnly, "rowid"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ran.clear();
    Recordset rs;
    if (c.keyset) rs.OpenKeyset(c.read, con, c.lockType);
    else rs.Open(c.read, con, adOpenDynamic, c.lockType);
    const std::string whole = c.read.Sql().toStdString();
    const std::string expected =
        c.keysetRuns ? "SELECT " + std::string(c.keysetRuns) + whole.substr(std::string("SELECT *, rowid").size()) : whole;
    EXPECT_NE(std::find(ran.begin(), ran.end(), expected), ran.end()) << expected;
    const std::string rows = column(rs, 0).toStdString();
    EXPECT_EQ(rows, c.read.condition.isEmpty() ? (c.read.orderBy.isEmpty() ? "c|a|b|a" : "a|a|b|c") : "a|a|c");
    if (!c.keyset) continue;
    const auto listed = [&] {
      QStringList out;
      ReadColumnText(rs, 0, [&](const char* text, int size, qint64) { out << QString::fromUtf8(text, size); });
      return out.join(u'|').toStdString();
    };
    ran.clear();
    EXPECT_EQ(listed(), rows);
    // Kept only for a read without bound values, whose rows can be known unchanged.
    const bool kept = !c.read.orderBy.isEmpty() && c.read.parameters.empty();
    EXPECT_EQ(ran.empty(), kept);
    ran.clear();
    EXPECT_EQ(listed(), rows);
    EXPECT_FALSE(ran.empty()) << "listed once more: read afresh";
  }
  sqlite3_trace_v2(con->handle(), 0, nullptr, nullptr);
}

}  // namespace
