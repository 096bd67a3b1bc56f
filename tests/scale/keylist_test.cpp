// The long lists of the bill and cancellation forms: the compact list answers the type-ahead
// search exactly as the combo box's own list did, and a column read alone comes in the order
// and with the texts of the recordset it stands for.
#include <QStandardItemModel>

#include "billing/common/keylist.h"
#include "globals.h"
#include "support/fixture.h"

namespace {

using KeyListTest = HalvionTest;

TEST_F(KeyListTest, TheTypeAheadSearchFindsWhatTheComboBoxListFound) {
  const QStringList texts{"OP12", "op1", "  OP1", "Ärzte", "ärm", "OP1", "x", "", "OP120", "ß", "SS"};
  KeyList list(true);
  QStandardItemModel plain;
  for (int i = 0; i < texts.size(); ++i) {
    list.Append(texts[i], i);
    plain.appendRow(new QStandardItem(texts[i]));
  }
  for (const char* prefix : {"o", "OP1", "op12", "op2", "ä", "ÄR", " ", "", "s", "X", "zz"}) {
    for (const auto flags : {Qt::MatchFlags(Qt::MatchStartsWith), Qt::MatchStartsWith | Qt::MatchCaseSensitive,
                             Qt::MatchStartsWith | Qt::MatchWrap}) {
      for (int start : {0, 3}) {
        for (int hits : {1, -1}) {
          SCOPED_TRACE(std::string(prefix) + " from " + std::to_string(start));
          const QModelIndexList ours = list.match(list.index(start, 0), Qt::DisplayRole, QString::fromUtf8(prefix), hits, flags);
          const QModelIndexList theirs = plain.match(plain.index(start, 0), Qt::DisplayRole, QString::fromUtf8(prefix), hits, flags);
          ASSERT_EQ(ours.size(), theirs.size());
          for (int i = 0; i < ours.size(); ++i) EXPECT_EQ(ours[i].row(), theirs[i].row());
        }
      }
    }
  }
  // The look-up compares trimmed texts and takes the first row listed.
  EXPECT_EQ(list.FirstExact(u"OP1"), 2);
  EXPECT_EQ(list.FirstExact(u"op1"), 1);
  EXPECT_EQ(list.FirstExact(u"OP2"), -1);
  KeyList exact(false);
  for (int i = 0; i < texts.size(); ++i) exact.Append(texts[i], i);
  EXPECT_EQ(exact.FirstExact(u"OP1"), 5);
  EXPECT_EQ(exact.FirstExact(u""), 7);
}

TEST_F(KeyListTest, AColumnReadAloneMatchesTheRecordsetItStandsFor) {
  auto con = openDb();
  exec("INSERT INTO SettingsOutPatient(EmployeeID, FirstName) VALUES ('OP3','beta'),('OP1','Alpha'),"
       "('OP2','alpha'),(NULL,'Gamma'),(' OP4 ', NULL)");
  exec("INSERT INTO OutPatientPrintDetails(BillNo, BillDelete) VALUES (7,'Available'),(5,'Deleted'),(3,'Available')");
  struct Case {
    const char* sql;
    int ordinal;
  };
  for (const Case& c : {Case{"SELECT * FROM SettingsOutPatient Order by FirstName", 0},
                        Case{"SELECT * FROM SettingsOutPatient Order by 2 DESC", 0},
                        Case{"SELECT * FROM OutPatientPrintDetails where BillDelete='Available'", 0},
                        Case{"SELECT * FROM OutPatientPrintDetails", 1}}) {
    SCOPED_TRACE(c.sql);
    Recordset rs;
    rs.Open(QString::fromLatin1(c.sql), con, adOpenDynamic, adLockOptimistic);
    QStringList expected, read;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) expected << rs.Fields(c.ordinal).toText();
    ReadColumn(con, QString::fromLatin1(c.sql), c.ordinal, [&read](const Value& v, qint64) { read << v.toText(); });
    EXPECT_EQ(read, expected);
  }
  EXPECT_THROW(ReadColumn(con, "SELECT * FROM SettingsOutPatient", 99, [](const Value&, qint64) {}), DbError);
  EXPECT_THROW(ReadColumn(con, "SELECT BillNo FROM OutPatientPrintDetails", 0, [](const Value&, qint64) {}), DbError);
}

// The index on (FirstName, EmployeeID) hands patients of one first name over by identifier; the
// list must still hold them in the order they were added, whatever the case of the name.
TEST_F(KeyListTest, TheTextOfAColumnComesInTheRecordsetsOrderThroughTheIndex) {
  auto con = openDb();
  exec("INSERT INTO SettingsOutPatient(EmployeeID, FirstName) VALUES ('OP9','ravi'),('OP1','Ravi'),"
       "('OP5','RAVI '),('OP3',NULL),('OP2','anu'),(NULL,NULL),('OP7','ravi'),('OP0','Ánu'),('OP8','ánu'),"
       "('OP6','Ravi')");
  exec("INSERT INTO OutPatientPrintDetails(BillNo, Date, BillDelete) VALUES (7,'2026-01-02','Available'),"
       "(5,NULL,'Available'),(3,'2026-01-01','Available')");
  struct Case {
    const char* sql;
    int ordinal;
  };
  for (const Case& c : {Case{"SELECT * FROM SettingsOutPatient Order by FirstName", 0},
                        Case{"SELECT * FROM SettingsOutPatient ORDER BY \"FirstName\"", 0},
                        Case{"SELECT * FROM SettingsOutPatient Order by FirstName", 1},
                        Case{"SELECT * FROM SettingsOutPatient Order by EmployeeID", 1},
                        Case{"SELECT * FROM OutPatientPrintDetails Order by Date", 1},
                        Case{"SELECT * FROM OutPatientPrintDetails Order by Date", 0},
                        Case{"SELECT * FROM OutPatientPrintDetails where BillDelete='Available'", 0}}) {
    SCOPED_TRACE(c.sql);
    Recordset rs;
    rs.Open(QString::fromLatin1(c.sql), con, adOpenDynamic, adLockOptimistic);
    QStringList expected, read, byValue;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) expected << rs.Fields(c.ordinal).toText();
    std::vector<qint64> rowids, valueRowids;
    ReadColumnText(con, QString::fromLatin1(c.sql), c.ordinal, [&](const char* text, int size, qint64 rowid) {
      read << QString::fromUtf8(text, size);
      rowids.push_back(rowid);
    });
    ReadColumn(con, QString::fromLatin1(c.sql), c.ordinal, [&](const Value& v, qint64 rowid) {
      byValue << v.toText();
      valueRowids.push_back(rowid);
    });
    EXPECT_EQ(read, expected);
    EXPECT_EQ(byValue, expected);
    EXPECT_EQ(rowids, valueRowids);
    // Each text stands for its own row.
    for (std::size_t i = 0; i < rowids.size(); ++i) {
      Recordset one;
      one.Open(QStringLiteral("SELECT * FROM %1 WHERE rowid=?")
                   .arg(RewriteSelect(QString::fromLatin1(c.sql), adLockOptimistic).table),
               {Value(rowids[i])}, con);
      EXPECT_EQ(one.Fields(c.ordinal).toText(), read[qsizetype(i)]);
    }
  }
}

}  // namespace
