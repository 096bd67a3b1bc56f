// A second keyset of the same read, and the list of its sort column, take what the first keyset
// read instead of reading again; whatever was written in between, they must show exactly
// what a fresh read shows. And a condition before the sort changes nothing in the order.
#include "platform/ado_support.h"

namespace {

using AdoSharedOrder = AdoTest;

QString rowsOf(Recordset& rs) {
  QStringList out;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    QStringList fields;
    for (int i = 0; i < rs.FieldCount(); ++i) fields << rs.Fields(i).toText();
    out << fields.join(u',');
  }
  return out.join(u'|');
}

QString listed(const std::function<void(const std::function<void(const char*, int, qint64)>&)>& read) {
  QStringList out;
  read([&out](const char* text, int size, qint64 rowid) { out << QString::fromUtf8(text, size) + u'@' + QString::number(rowid); });
  return out.join(u'|');
}

TEST_F(AdoSharedOrder, ConditionedSortsComeInTheDatabasesOwnOrder) {
  exec("INSERT INTO SettingsLab VALUES ('b','1'),('B','2'),('a ','3'),('a','4'),(NULL,'5'),(x'41','6'),"
       "('10','7'),('9','8'),('_x','9'),('Zed','10'),('b','11'),('',12),('c','1')");
  exec("INSERT INTO SettingsLabBillNo VALUES (3),(-7),(2),(3),(0),(-9223372036854775808),(9223372036854775807),"
       "(12),(-1),(2),(256),(65536)");
  const auto withValues = [](TableRead read, std::vector<Value> values) {
    read.parameters = std::move(values);
    return read;
  };
  const struct {
    TableRead read;
    int ordinal;
  } texts[] = {
      {SortedByDatabase("SettingsLab", "Description", "Amount <> '2'"), 0},
      {SortedByDatabase("SettingsLab", "Amount", "Description IS NOT NULL"), 0},
      {SortedByDatabase("SettingsLab", "Description", "Description='b' or Description = 'a'"), 0},
      {SortedByDatabase("SettingsLabBillNo", "BillNo", "BillNo <> 12"), 0},
      {SortedByDatabase("SettingsLabBillNo", "BillNo"), 0},
      {SortedByDatabase("SettingsLabBillNo", "BillNo", "BillNo > 100000"), 0},
      // The condition's values are bound in the keyset's read of its rowids too.
      {withValues(SortedByDatabase("SettingsLab", "Description", "Amount <> ? AND Description <> ?"), {"2", "Zed"}), 1},
      {withValues(SortedByDatabase("SettingsLabBillNo", "BillNo", "BillNo BETWEEN ? AND ?"), {-7, 256}), 0},
  };
  for (const auto& t : texts) {
    const std::string sql = t.read.Sql().toStdString();
    Recordset own, snapshot, keyset;
    own.Open(t.read, con, adOpenDynamic, adLockReadOnly);
    snapshot.Open(t.read, con, adOpenDynamic, adLockOptimistic);
    keyset.OpenKeyset(t.read, con, adLockOptimistic);
    const std::string expected = rowsOf(own).toStdString();
    EXPECT_FALSE(expected.empty()) << sql;
    EXPECT_EQ(rowsOf(snapshot).toStdString(), expected) << sql;
    EXPECT_EQ(rowsOf(keyset).toStdString(), expected) << sql;
    QStringList column;
    for (own.MoveFirst(); !own.Eof(); own.MoveNext()) column << own.Fields(t.ordinal).toText();
    QStringList read;
    ReadColumnText(con, t.read, t.ordinal, [&](const char* text, int size, qint64) { read << QString::fromUtf8(text, size); });
    EXPECT_EQ(read.join(u'|').toStdString(), column.join(u'|').toStdString()) << sql;
  }
}

TEST_F(AdoSharedOrder, ASecondKeysetAndTheListShowWhatAFreshReadShows) {
  exec("INSERT INTO SettingsLab VALUES ('c','3'),('a','1'),('B','2'),('a','5'),('d','4')");
  const TableRead sorted = SortedByDatabase("SettingsLab", "Description");
  const auto fresh = [&] {
    Recordset rs;
    rs.OpenKeyset(sorted, con, adLockReadOnly);
    return rowsOf(rs);
  };
  const auto freshList = [&](int ordinal) {
    return listed([&](const auto& row) { ReadColumnText(con, sorted, ordinal, row); });
  };
  const struct {
    const char* name;
    std::function<void(Recordset& model)> between;
  } cases[] = {
      {"nothing written", [](Recordset&) {}},
      {"a row added by hand", [&](Recordset&) { exec("INSERT INTO SettingsLab VALUES ('A','0')"); }},
      {"a row changed by hand", [&](Recordset&) { exec("UPDATE SettingsLab SET Description='z' WHERE Amount='1'"); }},
      {"a row deleted by the first",
       [](Recordset& model) {
         model.MoveFirst();
         model.Delete();
       }},
      {"a row added by the first",
       [](Recordset& model) {
         model.AddNew();
         model.SetField(0, "b");
         model.SetField(1, "9");
         model.Update();
       }},
      {"a save rolled back",
       [&](Recordset& model) {
         con->BeginTrans();
         model.MoveLast();
         model.Delete();
         con->RollbackTrans();
       }},
      {"a row swapped and read again in a save rolled back",
       [&](Recordset& model) {
         con->BeginTrans();
         model.MoveFirst();
         model.Delete();
         model.AddNew();
         model.SetField(0, "e");
         model.SetField(1, "6");
         model.Update();
         model.Requery();
         con->RollbackTrans();
       }},
      {"the table emptied", [&](Recordset&) { exec("DELETE FROM SettingsLab"); }},
  };
  for (const auto& c : cases) {
    exec("DELETE FROM SettingsLab");
    exec("INSERT INTO SettingsLab VALUES ('c','3'),('a','1'),('B','2'),('a','5'),('d','4')");
    Recordset model;
    model.OpenKeyset(sorted, con, adLockOptimistic);
    c.between(model);
    Recordset second;
    second.OpenKeysetLike(model, adLockReadOnly);
    EXPECT_EQ(rowsOf(second).toStdString(), fresh().toStdString()) << c.name;
    EXPECT_EQ(second.Source(), sorted.Sql()) << c.name;
    EXPECT_EQ(ErrorOf([&] { second.AddNew(); }), adErrFeatureNotAvailable) << c.name;
    for (const int ordinal : {0, 1})
      EXPECT_EQ(listed([&](const auto& row) { ReadColumnText(model, ordinal, row); }).toStdString(),
                freshList(ordinal).toStdString())
          << c.name << " column " << ordinal;
    // Listed once more: the same again.
    EXPECT_EQ(listed([&](const auto& row) { ReadColumnText(model, 0, row); }).toStdString(), freshList(0).toStdString())
        << c.name;
  }
}

TEST_F(AdoSharedOrder, OnlyTheKeysetOfATableReadIsTakenOver) {
  exec("INSERT INTO SettingsLab VALUES ('c','3'),('a','1'),('b','2')");
  Recordset model, second;
  model.OpenKeyset(SortedByDatabase("SettingsLab", "Description"), con, adLockReadOnly);
  second.OpenKeysetLike(model, adLockReadOnly);
  EXPECT_EQ(rowsOf(second), "a,1|b,2|c,3");
  // A free text has no table to read its rows from by rowid, nor its column by itself.
  Recordset text;
  text.Open(QStringLiteral("SELECT Description FROM SettingsLab Order by 1"), con);
  EXPECT_EQ(rowsOf(text), "a|b|c");
  EXPECT_EQ(ErrorOf([&] { second.OpenKeysetLike(text); }), adErrInvalidArgument);
  EXPECT_EQ(ErrorOf([&] { ReadColumnText(text, 0, [](const char*, int, qint64) {}); }), adErrInvalidArgument);
  Recordset closed;
  EXPECT_EQ(ErrorOf([&] { second.OpenKeysetLike(closed); }), adErrObjectClosed);
  EXPECT_EQ(ErrorOf([&] { second.OpenKeysetLike(second); }), adErrInvalidArgument);
}

}  // namespace
