// The long lists of the bill and cancellation forms: the compact list answers the type-ahead
// search exactly as the combo box's own list did, and a column read alone comes in the order
// and with the texts of the recordset it stands for.
#include <QStandardItemModel>
#include <sqlite3.h>

#include <string>

#include "data/bills.h"
#include "framework/keylist.h"
#include "globals.h"
#include "platform/ado_support.h"
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
  // The look-up compares trimmed texts and takes the first row listed (or the last).
  EXPECT_EQ(list.FirstExact(u"OP1"), 2);
  EXPECT_EQ(list.LastExact(u"OP1"), 5);
  EXPECT_EQ(list.FirstExact(u"op1"), 1);
  EXPECT_EQ(list.LastExact(u"op1"), 1);
  EXPECT_EQ(list.FirstExact(u"OP2"), -1);
  EXPECT_EQ(list.LastExact(u"OP2"), -1);
  KeyList exact(false);
  for (int i = 0; i < texts.size(); ++i) exact.Append(texts[i], i);
  EXPECT_EQ(exact.FirstExact(u"OP1"), 5);
  EXPECT_EQ(exact.LastExact(u"OP1"), 5);
  EXPECT_EQ(exact.FirstExact(u""), 7);
}

// A combo box shows a stored text by findText(text, MatchFixedString | MatchCaseSensitive): the
// compact list must pick the row the combo box's own list picked, among texts that differ only in
// case or blanks, trimmed list or not, in bytes or in UTF-16.
TEST_F(KeyListTest, TheExactSearchFindsWhatTheComboBoxListFound) {
  const auto rowsFound = [](const QAbstractItemModel& model, const QString& text, Qt::MatchFlags flags, int start,
                            int hits) {
    std::vector<int> rows;
    for (const QModelIndex& at : model.match(model.index(start, 0), Qt::DisplayRole, text, hits, flags))
      rows.push_back(at.row());
    return rows;
  };
  const QStringList ascii{"OP1 ", "op1", "  OP1", "OP1", "", "OP1", "x"};
  for (const QStringList& texts : {ascii, ascii + QStringList{"ärzte", "Ärzte"}}) {
    QStandardItemModel plain;
    for (const QString& text : texts) plain.appendRow(new QStandardItem(text));
    for (const bool trimmed : {false, true}) {
      KeyList list(trimmed);
      for (int i = 0; i < texts.size(); ++i) list.Append(texts[i], i);
      for (const char* value : {"OP1", "op1", "Op1", "  OP1", "OP1 ", "", " ", "Ärzte", "ÄRZTE", "x", "OP2"}) {
        for (const auto flags : {Qt::MatchFixedString | Qt::MatchCaseSensitive, Qt::MatchFlags(Qt::MatchFixedString)}) {
          for (const int start : {0, 2}) {
            for (const int hits : {1, -1}) {
              SCOPED_TRACE(std::string(value) + (trimmed ? " trimmed" : "") + " from " + std::to_string(start));
              const QString text = QString::fromUtf8(value);
              EXPECT_EQ(rowsFound(list, text, flags, start, hits), rowsFound(plain, text, flags, start, hits));
            }
          }
        }
      }
    }
  }
}

// A list of ASCII texts keeps them in bytes until the first other text, and its rowids in 32 bits
// until the first that does not fit: neither may change what the searches find or a row holds.
TEST_F(KeyListTest, TextsAndRowidsKeptNarrowAnswerAsWideOnes) {
  const QStringList ascii{"OP12", "op1", "  OP1", "k1", "", "S2", "x "};
  const std::vector<qint64> small{1, 5, 4294967295, 7, 0, 9, 12};
  const std::vector<qint64> large{1, -5, 4294967296, 7, 0, 9, 12};
  struct Case {
    const char* what;
    QStringList texts;
    std::vector<qint64> rowids;
  };
  QStringList mixed = ascii;
  mixed.insert(3, QStringLiteral("Ärzte"));
  std::vector<qint64> mixedRowids = large;
  mixedRowids.insert(mixedRowids.begin() + 3, 8);
  for (const Case& c : {Case{"bytes", ascii, small}, Case{"bytes, wide rowids", ascii, large},
                        Case{"widened on the way", mixed, mixedRowids}}) {
    SCOPED_TRACE(c.what);
    KeyList list(true);
    QStandardItemModel plain;
    for (qsizetype i = 0; i < c.texts.size(); ++i) {
      const QByteArray utf8 = c.texts[i].toUtf8();
      list.AppendUtf8(utf8.constData(), utf8.size(), c.rowids[std::size_t(i)]);
      plain.appendRow(new QStandardItem(c.texts[i]));
    }
    for (int row = 0; row < list.Count(); ++row) {
      EXPECT_EQ(list.Text(row), c.texts[row]);
      EXPECT_EQ(list.RowId(row), c.rowids[std::size_t(row)]);
    }
    // The Kelvin sign and the long s fold to ASCII letters when case is ignored.
    for (const char16_t* prefix : {u"op1", u"K", u"\u212A", u"\u212A1", u"\u017F", u"\u00C4r", u"x ", u"", u"s2"}) {
      for (const auto flags : {Qt::MatchFlags(Qt::MatchStartsWith), Qt::MatchStartsWith | Qt::MatchCaseSensitive,
                               Qt::MatchFlags(Qt::MatchFixedString), Qt::MatchFixedString | Qt::MatchCaseSensitive}) {
        const QString value = QString::fromUtf16(prefix);
        const QModelIndexList ours = list.match(list.index(0, 0), Qt::DisplayRole, value, -1, flags);
        const QModelIndexList theirs = plain.match(plain.index(0, 0), Qt::DisplayRole, value, -1, flags);
        ASSERT_EQ(ours.size(), theirs.size()) << value.toStdString();
        for (int i = 0; i < ours.size(); ++i) EXPECT_EQ(ours[i].row(), theirs[i].row());
      }
    }
    EXPECT_EQ(list.FirstExact(u"OP1"), c.texts.indexOf(QStringLiteral("  OP1")));
    EXPECT_EQ(list.FirstExact(u"x"), c.texts.indexOf(QStringLiteral("x ")));
    EXPECT_EQ(list.FirstExact(u"Ärzte"), c.texts.indexOf(QStringLiteral("Ärzte")));
  }
}

// The cancellation lists each bill number once, at its first line: a repeated text gives back the
// row that already holds it, however many rows lie between.
TEST_F(KeyListTest, ADistinctListKeepsEachTextAtItsFirstRow) {
  KeyList list(false);
  constexpr int kTexts = 1000;
  const auto textOf = [](int n) { return QByteArray::number(n); };
  std::vector<int> rowOf(kTexts);
  for (int i = 0; i < kTexts; ++i) {
    const int n = i * 7919 % kTexts;  // every number once, out of order
    const QByteArray text = textOf(n);
    rowOf[std::size_t(n)] = list.AppendUtf8Distinct(text.constData(), text.size(), 100 + i);
    EXPECT_EQ(rowOf[std::size_t(n)], i);
    EXPECT_EQ(list.AppendUtf8Distinct(text.constData(), text.size(), 5000 + i), i);  // straight after
  }
  for (int n = 0; n < kTexts; ++n) {
    const QByteArray text = textOf(n);
    EXPECT_EQ(list.AppendUtf8Distinct(text.constData(), text.size(), 9000 + n), rowOf[std::size_t(n)]);
  }
  const QByteArray wide = QStringLiteral("Ä1").toUtf8();
  EXPECT_EQ(list.AppendUtf8Distinct(wide.constData(), wide.size(), 1), kTexts);
  EXPECT_EQ(list.AppendUtf8Distinct("7", 1, 2), rowOf[7]);
  EXPECT_EQ(list.AppendUtf8Distinct(wide.constData(), wide.size(), 3), kTexts);
  ASSERT_EQ(list.Count(), kTexts + 1);
  for (int n : {0, 7, 999}) {
    EXPECT_EQ(list.Text(rowOf[std::size_t(n)]), QString::number(n));
    EXPECT_EQ(list.RowId(rowOf[std::size_t(n)]), 100 + rowOf[std::size_t(n)]);
    EXPECT_EQ(list.FirstExact(QString::number(n)), rowOf[std::size_t(n)]);
  }
  // A thousand texts share 256 hash bytes: the search from the end passes over the rows whose
  // byte agrees but whose text does not.
  for (int n = 0; n < kTexts; ++n) ASSERT_EQ(list.LastExact(QString::number(n)), rowOf[std::size_t(n)]) << n;
  EXPECT_EQ(list.LastExact(u"Ä1"), kTexts);
  EXPECT_EQ(list.LastExact(u"1000"), -1);
}

TEST_F(KeyListTest, AColumnReadAloneMatchesTheRecordsetItStandsFor) {
  auto con = openDb();
  exec("INSERT INTO SettingsOutPatient(EmployeeID, FirstName) VALUES ('OP3','beta'),('OP1','Alpha'),"
       "('OP2','alpha'),(NULL,'Gamma'),(' OP4 ', NULL)");
  exec("INSERT INTO OutPatientPrintDetails(BillNo, BillDelete) VALUES (7,'Available'),(5,'Deleted'),(3,'Available')");
  struct Case {
    TableRead read;
    int ordinal;
  };
  for (const Case& c : {Case{SortedByDatabase("SettingsOutPatient", "FirstName"), 0},
                        Case{SortedThenBy("SettingsOutPatient", "FirstName", "EmployeeID"), 0},
                        Case{Table("OutPatientPrintDetails", "BillDelete='Available'"), 0},
                        Case{Table("OutPatientPrintDetails"), 1}}) {
    SCOPED_TRACE(c.read.Sql().toStdString());
    Recordset rs;
    rs.Open(c.read, con, adOpenDynamic, adLockOptimistic);
    QStringList expected, read;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) expected << rs.Fields(c.ordinal).toText();
    ReadColumn(con, c.read, c.ordinal, [&read](const Value& v, qint64) { read << v.toText(); });
    EXPECT_EQ(read, expected);
  }
  EXPECT_THROW(ReadColumn(con, Table("SettingsOutPatient"), 99, [](const Value&, qint64) {}), DbError);
}

// The index on (FirstName, EmployeeID) hands patients of one first name over by identifier; a
// list asked for by first name alone must still hold them in the order they were added, and one
// by name and identifier in that order, whatever the case of the name.
TEST_F(KeyListTest, TheTextOfAColumnComesInTheRecordsetsOrderThroughTheIndex) {
  auto con = openDb();
  exec("INSERT INTO SettingsOutPatient(EmployeeID, FirstName) VALUES ('OP9','ravi'),('OP1','Ravi'),"
       "('OP5','RAVI '),('OP3',NULL),('OP2','anu'),(NULL,NULL),('OP7','ravi'),('OP0','Ánu'),('OP8','ánu'),"
       "('OP6','Ravi')");
  exec("INSERT INTO OutPatientPrintDetails(BillNo, Date, BillDelete) VALUES (7,'2026-01-02','Available'),"
       "(5,NULL,'Available'),(3,'2026-01-01','Available')");
  struct Case {
    TableRead read;
    int ordinal;
  };
  for (const Case& c : {Case{SortedByDatabase("SettingsOutPatient", "FirstName"), 0},
                        Case{SortedByDatabase("SettingsOutPatient", "FirstName"), 1},
                        Case{SortedThenBy("SettingsOutPatient", "FirstName", "EmployeeID"), 0},
                        Case{SortedByDatabase("SettingsOutPatient", "EmployeeID"), 1},
                        Case{SortedByDatabase("OutPatientPrintDetails", "Date"), 1},
                        Case{SortedByDatabase("OutPatientPrintDetails", "Date"), 0},
                        Case{Table("OutPatientPrintDetails", "BillDelete='Available'"), 0}}) {
    SCOPED_TRACE(c.read.Sql().toStdString());
    Recordset rs;
    rs.Open(c.read, con, adOpenDynamic, adLockOptimistic);
    QStringList expected, read, byValue;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) expected << rs.Fields(c.ordinal).toText();
    std::vector<qint64> rowids, valueRowids;
    ReadColumnText(con, c.read, c.ordinal, [&](const char* text, int size, qint64 rowid) {
      read << QString::fromUtf8(text, size);
      rowids.push_back(rowid);
    });
    ReadColumn(con, c.read, c.ordinal, [&](const Value& v, qint64 rowid) {
      byValue << v.toText();
      valueRowids.push_back(rowid);
    });
    EXPECT_EQ(read, expected);
    EXPECT_EQ(byValue, expected);
    EXPECT_EQ(rowids, valueRowids);
    // Each text stands for its own row.
    for (std::size_t i = 0; i < rowids.size(); ++i) {
      Recordset one;
      one.Open(TableRead{.table = c.read.table, .condition = QStringLiteral("rowid=?"), .parameters = {rowids[i]}},
               con);
      EXPECT_EQ(one.Fields(c.ordinal).toText(), read[qsizetype(i)]);
    }
  }
}

// A list shown in the table's order and read through the index of the numbers of the valid bills:
// where the numbers rose with the bills the index's order is the list, read once; a number out of
// turn, and the list is read again from the table. Either way it is the table's own order.
TEST_F(KeyListTest, AListInTableOrderReadThroughAnIndexIsTheTablesOrder) {
  auto con = openDb();
  const struct {
    const char* name;
    const char* rows;  // (BillNo, BillDelete) in the order they are added
    int reads;         // of the bill table
  } cases[] = {
      {"the numbers rose with the bills", "(1,'Available'),(2,'Deleted'),(3,'Available'),(3,'Available'),(12,'Available')", 1},
      {"a number below one before it", "(5,'Available'),(2,'Available'),(12,'Available'),(4,'Deleted'),(21,'Available')", 2},
      {"a number stored as text", "(1,'Available'),('x7','Available'),(2,'Available')", 2},
      {"none valid", "(1,'Deleted')", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    exec(QStringLiteral("DELETE FROM OutPatientPrintDetails; INSERT INTO OutPatientPrintDetails(BillNo, BillDelete) VALUES ") +
         QString::fromLatin1(c.rows));
    const auto listed = [](const KeyList& list) {
      QStringList out;
      for (int i = 0; i < list.Count(); ++i) out << list.Text(i) + u'@' + QString::number(list.RowId(i));
      return out;
    };
    int reads = 0;
    sqlite3_trace_v2(
        con->handle(), SQLITE_TRACE_STMT,
        [](unsigned, void* into, void* stmt, void*) {
          const std::string text = sqlite3_sql(static_cast<sqlite3_stmt*>(stmt));
          if (text.rfind("SELECT \"BillNo\"", 0) == 0) ++*static_cast<int*>(into);
          return 0;
        },
        &reads);
    const auto viaIndex = ReadKeyListInTableOrder(con, ValidBillNumbersRead(BillKind::OutPatient), 0, false);
    sqlite3_trace_v2(con->handle(), 0, nullptr, nullptr);
    EXPECT_EQ(listed(*viaIndex), listed(*ReadKeyList(con, ValidBillsRead(BillKind::OutPatient), 0, false)));
    EXPECT_EQ(reads, c.reads);
  }
}

}  // namespace
