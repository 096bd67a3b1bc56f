// The data layer against a fresh database file: opening, the tables, the SQL texts the forms run,
// values, and the seed rows.
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

#include "data/schema.h"
#include "data/vbdes.h"
#include "platform/ado_support.h"

namespace {

std::string s(const QString& text) { return text.toStdString(); }

void rawExec(const QString& path, const char* sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql;
  sqlite3_close(db);
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

using AdoOpen = AdoTest;

// Only an existing, writable database of ours opens; a missing file stays missing.
TEST_F(AdoOpen, RefusesEveryFileButOurDatabase) {
  const struct {
    const char* name;
    std::function<void(const QString&)> prepare;
  } cases[] = {
      {"missing", [](const QString&) {}},
      {"zero-length", [](const QString& p) { writeFile(p, {}); }},
      {"text file", [](const QString& p) { writeFile(p, "not a database, just some text\n"); }},
      {"other user_version", [](const QString& p) { CreateDatabase(p); rawExec(p, "PRAGMA user_version = 2"); }},
      {"read-only",
       [](const QString& p) {
         CreateDatabase(p);
         QFile::setPermissions(p, QFileDevice::ReadOwner);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = folder() + "/" + c.name + ".mdb";
    c.prepare(path);
    if (std::string(c.name) == "read-only" && QFileInfo(path).isWritable()) continue;  // root writes anyway
    Connection connection;
    try {
      connection.Open(path, kSchemaVersion);
      ADD_FAILURE() << "opened";
    } catch (const DbError& e) {
      EXPECT_EQ(e.Number(), adErrProvider);
      EXPECT_TRUE(e.Description().contains(path)) << s(e.Description());
    }
    EXPECT_EQ(connection.State(), adStateClosed);
    EXPECT_EQ(QFile::exists(path), std::string(c.name) != "missing");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  }
}

TEST_F(AdoOpen, AFailedRecordsetOpenStaysClosedAndKeepsItsError) {
  const struct {
    const char* name;
    std::function<void(Recordset&)> open;
    int number;
    const char* says;
  } cases[] = {
      {"a missing table", [&](Recordset& rs) { rs.Open(Table("NoSuchTable"), con, adOpenDynamic, adLockOptimistic); },
       adErrProvider, "no such table"},
      {"a text that writes", [&](Recordset& rs) { rs.Open(QStringLiteral("DELETE FROM SettingsCopyDB"), con); },
       adErrInvalidArgument, "DELETE FROM SettingsCopyDB"},
      {"two statements",
       [&](Recordset& rs) { rs.Open(QStringLiteral("SELECT * FROM SettingsCopyDB; DELETE FROM SettingsCopyDB"), con); },
       adErrInvalidArgument, "one SQL statement"},
      // Where a free text would write to is never read out of it: it opens read-only or not at all.
      {"a free text opened writable",
       [&](Recordset& rs) {
         rs.Open(QStringLiteral("SELECT * FROM SettingsCopyDB"), con, adOpenDynamic, adLockOptimistic);
       },
       adErrInvalidArgument, "SELECT * FROM SettingsCopyDB"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Recordset rs;
    EXPECT_EQ(ErrorOf([&] { c.open(rs); }), c.number);
    EXPECT_EQ(rs.State(), adStateClosed);
    ASSERT_TRUE(rs.LastOpenError());
    EXPECT_TRUE(rs.LastOpenError()->Description().contains(c.says)) << s(rs.LastOpenError()->Description());
    EXPECT_EQ(ErrorOf([&] { rs.RecordCount(); }), adErrObjectClosed);
  }
  EXPECT_EQ(scalar("SELECT count(*) FROM SettingsCopyDB"), "1");
}

// An open recordset holds no lock, so another connection writes at once.
TEST_F(AdoOpen, AnOpenRecordsetLeavesTheFileFreeForOtherWriters) {
  auto users = open(Table("SettingsNewUser"));
  auto other = openDb();
  QElapsedTimer timer;
  timer.start();
  {
    Transaction tx(other);
    auto lab = open(Table("SettingsLab"), adLockOptimistic, other);
    lab->AddNew();
    lab->SetField(0, "CBC");
    lab->Update();
    tx.Commit();
  }
  EXPECT_LT(timer.elapsed(), 1000);
  EXPECT_EQ(scalar("SELECT Description FROM SettingsLab"), "CBC");
  EXPECT_EQ(users->RecordCount(), 1);
}

using AdoSchema = AdoTest;

// Every form reads and writes by ordinal, so each table's columns must come in this order.
TEST_F(AdoSchema, TablesHoldTheirFieldsInOrdinalOrder) {
  const struct {
    const char* table;
    const char* fields;
  } tables[] = {
      {"SettingsNewUser", "UserID UserName Password UserType"},
      {"SettingsCopyDB", "BackupPath"},
      {"SettingDrDetails",
       "DoctorID FirstName LastName Sex MobilePhone HomePhone DateOfBirth Age PagerNumber Address EmailId "
       "DoctorType Qualification Specialization InTime OutTime AvailableDays"},
      {"SettingsEmployeeDetails",
       "EmployeeID FirstName LastName Sex MobilePhone HomePhone DateOfBirth Age PagerNumber Address EmailId "
       "EmployeeType Qualification"},
      {"SettingsLab", "Description Amount"},
      {"SettingsXRay", "Description AdultAmount ChildrenAmount"},
      {"SettingsOutPatient",
       "EmployeeID FirstName LastName Sex MobilePhone HomePhone DateOfBirth Age PagerNumber Address Location"},
      {"SettingsInPatient",
       "EmployeeID FirstName LastName Sex MobilePhone HomePhone DateOfBirth Age PagerNumber Address Location "
       "EmployeeType Qualification PrescriptionDetails DiseaseDetails HealthDetails DischargeDate Discharged "
       "Advance"},
      {"SettingsConsultant", "Date DrName Amount patientid"},
      {"OutPatientPrintDetails",
       "BillNo Date DrFees DressingCharges XRay LabCharge ECG Scan Others total patientName patientid BillDelete"},
      {"SettingsOutBillNo", "BillNo"},
      {"InPatientPrintDetails",
       "BillNo Date BedCharges ProfessionalCharges NursingCharges OTCharges AnestheticCharges XRay LabCharges "
       "ECG Scan Others total patientName patientid BillDelete Advance"},
      {"SettingsInBillNo", "BillNo"},
      {"LabPrintDetails", "BillNo Date Description Amount Discount GrossTotal total patientName patientid BillDelete"},
      {"XRayPrintDetails", "BillNo Date Description Amount Discount GrossTotal total patientName patientid BillDelete"},
      {"SettingsLabBillNo", "BillNo"},
      {"SettingsXRayBillNo", "BillNo"},
  };
  for (const auto& t : tables) {
    SCOPED_TRACE(t.table);
    auto rs = open(Table(t.table));
    QStringList names;
    for (int i = 0; i < rs->FieldCount(); ++i) names << rs->FieldName(i);
    EXPECT_EQ(s(names.join(u' ')), t.fields);
  }
  EXPECT_EQ(scalar("SELECT count(*) FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite%'"), "17");
}

using AdoQuery = AdoTest;

// The texts the forms run, over the rows they meet: text compares and sorts without regard to
// case, equal keys keep the order the rows were added in, bill numbers sort as numbers.
TEST_F(AdoQuery, OrderWhereAndDistinctAsTheFormsExpect) {
  const struct {
    const char* name;
    const char* setup;
    TableRead read;      // a read of one table, opened with `lockType`
    const char* text;    // or else a free text, which is only read
    int lockType;
    int ordinal;
    const char* expected;
  } cases[] = {
      {"text order ignores case, ties by insertion",
       "INSERT INTO SettingsOutPatient(EmployeeID,FirstName) VALUES ('1','bob'),('2','Alice'),('3','carl'),('4','Bob')",
       SortedByDatabase("SettingsOutPatient", "FirstName"), nullptr, adLockOptimistic, 1, "Alice|bob|Bob|carl"},
      {"read-only lookups order the same",
       "INSERT INTO SettingsOutPatient(EmployeeID,FirstName) VALUES ('1','bob'),('2','Alice'),('3','carl'),('4','Bob')",
       SortedByDatabase("SettingsOutPatient", "FirstName"), nullptr, adLockReadOnly, 0, "2|1|4|3"},
      {"identifiers sort as text",
       "INSERT INTO SettingsOutPatient(EmployeeID) VALUES ('OP2'),('OP10'),('OP1')",
       SortedByDatabase("SettingsOutPatient", "EmployeeID"), nullptr, adLockOptimistic, 0, "OP1|OP10|OP2"},
      {"a projection orders the same",
       "INSERT INTO SettingsInPatient(EmployeeID) VALUES ('IP2'),('ip10'),('IP1')", {},
       "SELECT EmployeeID FROM SettingsInPatient Order by EmployeeID, rowid", adLockReadOnly, 0, "IP1|ip10|IP2"},
      {"bill numbers written as text sort as numbers",
       "INSERT INTO OutPatientPrintDetails(BillNo,BillDelete) VALUES ('10','Available'),('2','Available')",
       SortedByDatabase("OutPatientPrintDetails", "BillNo", "BillDelete='Available'"), nullptr, adLockOptimistic, 0,
       "2|10"},
      {"no sort column: the order rows were added in",
       "INSERT INTO SettingsLab VALUES ('c','1'),('a','2'),('b','3'); DELETE FROM SettingsLab WHERE Description='a';"
       "INSERT INTO SettingsLab VALUES ('a','4')",
       Table("SettingsLab"), nullptr, adLockOptimistic, 0, "c|b|a"},
      {"= ignores case",
       "INSERT INTO OutPatientPrintDetails(BillNo,BillDelete) VALUES (1,'Available'),(2,'available'),(3,'Deleted')",
       Table("OutPatientPrintDetails", "BillDelete='Available'"), nullptr, adLockOptimistic, 0, "1|2"},
      {"DISTINCT over the select list, dates stay dates",
       "INSERT INTO LabPrintDetails VALUES (10,'2026-12-09','CBC','100','0','300','300','Ann','OP1','Available'),"
       "(10,'2026-12-09','ESR','100','0','300','300','Ann','OP1','Available'),"
       "(10,'2026-12-09','Sugar','100','0','300','300','Ann','OP1','Available'),"
       "(2,'2026-12-08','CBC','100','0','100','100','Ben','OP2','Available'),"
       "(3,'2026-12-08','CBC','100','0','100','100','Cy','OP3','Deleted')",
       {},
       "SELECT DISTINCT(BillNo),Date,total,patientName,patientid FROM LabPrintDetails where "
       "BillDelete='Available' Order By BillNO",
       adLockReadOnly, 1, "08/12/2026|09/12/2026"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    exec("DELETE FROM SettingsOutPatient; DELETE FROM SettingsInPatient; DELETE FROM OutPatientPrintDetails;"
         "DELETE FROM SettingsLab; DELETE FROM LabPrintDetails");
    exec(c.setup);
    auto rs = c.text ? open(QString::fromUtf8(c.text)) : open(c.read, c.lockType);
    EXPECT_EQ(s(column(*rs, c.ordinal)), c.expected);
  }
  // The last case: a date field reads as a date value, not as its stored text. Without ORDER BY
  // the database picks the order (the index on BillNo may give it), so each bill is found by number.
  auto bills = open(QStringLiteral("SELECT DISTINCT(BillNo),Date,total FROM LabPrintDetails where BillDelete='Available'"));
  EXPECT_EQ(bills->RecordCount(), 2);
  QStringList dates;
  for (bills->MoveFirst(); !bills->Eof(); bills->MoveNext()) {
    EXPECT_EQ(bills->Fields(1).kind(), Value::Kind::Date);
    dates << bills->Fields(0).toText() + '=' + bills->Fields(1).toDate()->toString(QStringLiteral("yyyy-MM-dd"));
  }
  dates.sort();
  EXPECT_EQ(dates.join(u'|'), QStringLiteral("10=2026-12-09|2=2026-12-08"));
}

// What a read of one table runs as: every column and the rowid (which is no field), its condition,
// its sort column quoted, and the rowid breaking ties or, with no sort column, giving the order
// rows were added in. The recordset's Source() is that text.
TEST_F(AdoOpen, AReadOfOneTableRunsAsItsBuiltText) {
  const struct {
    TableRead read;
    const char* runs;
  } cases[] = {
      {Table("SettingsNewUser"), "SELECT *, rowid FROM \"SettingsNewUser\" ORDER BY rowid"},
      {SortedByDatabase("SettingsOutPatient", "EmployeeID"),
       "SELECT *, rowid FROM \"SettingsOutPatient\" ORDER BY \"EmployeeID\", rowid"},
      {SortedByDatabase("SettingDrDetails", "DoctorID"),
       "SELECT *, rowid FROM \"SettingDrDetails\" ORDER BY \"DoctorID\", rowid"},
      {SortedThenBy("SettingsInPatient", "FirstName", "EmployeeID"),
       "SELECT *, rowid FROM \"SettingsInPatient\" ORDER BY \"FirstName\", \"EmployeeID\", rowid"},
      {Table("InPatientPrintDetails", "BillDelete='Available'"),
       "SELECT *, rowid FROM \"InPatientPrintDetails\" WHERE BillDelete='Available' ORDER BY rowid"},
      {SortedByDatabase("SettingsConsultant", "DrName", "Date BETWEEN ? AND ?"),
       "SELECT *, rowid FROM \"SettingsConsultant\" WHERE Date BETWEEN ? AND ? ORDER BY \"DrName\", rowid"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.runs);
    EXPECT_EQ(s(c.read.Sql()), c.runs);
    TableRead read = c.read;
    if (read.condition.contains(u'?')) read.parameters = {QDate(2026, 12, 1), QDate(2026, 12, 31)};
    for (const int lock : {adLockReadOnly, adLockOptimistic}) {
      auto rs = open(read, lock);
      EXPECT_EQ(s(rs->Source()), c.runs);
      EXPECT_NE(s(rs->FieldName(rs->FieldCount() - 1)), "rowid");
    }
  }
  // A free text runs exactly as written; only a single statement that reads is run.
  auto text = open(QStringLiteral("SELECT Description FROM SettingsLab"));
  EXPECT_EQ(s(text->Source()), "SELECT Description FROM SettingsLab");
  EXPECT_EQ(text->FieldCount(), 1);
  for (const char* bad : {"", "UPDATE SettingsLab SET Amount='1'", "DELETE FROM SettingsLab",
                          "INSERT INTO SettingsLab VALUES ('a','1')"}) {
    SCOPED_TRACE(bad);
    Recordset rs;
    EXPECT_EQ(ErrorOf([&] { rs.Open(QString::fromUtf8(bad), con); }), adErrInvalidArgument);
  }
  EXPECT_EQ(scalar("SELECT count(*) FROM SettingsLab"), "0");
}

// What the forms make of a field: NULL is "" and 0, numbers in their short text, dates as
// "dd/MM/yyyy", text's leading number as VB's Val.
TEST(AdoValues, TextNumberAndDateOfEachKind) {
  const struct {
    Value value;
    const char* text;
    double number;
    QDate date;
  } cases[] = {
      {Value(), "", 0, {}},
      {Value(qint64(42)), "42", 42, {}},
      {Value(-7), "-7", -7, {}},
      {Value(300.0 + 500.0), "800", 800, {}},
      {Value(250.5), "250.5", 250.5, {}},
      {Value(0.1 + 0.2), "0.3", 0.1 + 0.2, {}},
      {Value(-500.0), "-500", -500, {}},
      {Value(1234567.25), "1234567.25", 1234567.25, {}},
      {Value("  12.5abc"), "  12.5abc", 12.5, {}},
      {Value("-3"), "-3", -3, {}},
      {Value(""), "", 0, {}},
      {Value("abc"), "abc", 0, {}},
      {Value("2026-12-09"), "2026-12-09", 2026, QDate(2026, 12, 9)},
      {Value("09/12/2026"), "09/12/2026", 9, {}},
      {Value("2026-13-09"), "2026-13-09", 2026, {}},
      {Value(QDate(2026, 12, 9)), "09/12/2026", 46365, QDate(2026, 12, 9)},
      {Value(QDate()), "", 0, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(s(c.value.toText()), c.text);
    EXPECT_EQ(c.value.toDouble(), c.number);
    EXPECT_EQ(c.value.toDate().value_or(QDate()), c.date);
  }
  EXPECT_TRUE(Value(QDate()).IsNull());
  EXPECT_FALSE(Value("") == Value());
  EXPECT_FALSE(Value(qint64(1)) == Value(1.0));
}

using AdoStorage = AdoTest;

// Values go into the database as they are given and come back as stored.
TEST_F(AdoStorage, ValuesRoundTripThroughTheDatabase) {
  const QString longText = QString(300, QChar(0x00E9)) + QStringLiteral(" \u0915\u093F \U0001F600");
  const struct {
    const char* name;
    const char* table;
    int ordinal;
    Value written;
    const char* stored;  // typeof() || ':' || value in the file
    Value::Kind kind;
    QString text;
  } cases[] = {
      {"date", "SettingsConsultant", 0, Value(QDate(2026, 12, 9)), "text:2026-12-09",
       Value::Kind::Date, "09/12/2026"},
      {"advance of 300+500", "SettingsInPatient", 18, Value(300.0 + 500.0), "integer:800",
       Value::Kind::Integer, "800"},
      {"advance of 250.5", "SettingsInPatient", 18, Value(250.5), "real:250.5", Value::Kind::Real,
       "250.5"},
      {"no advance", "SettingsInPatient", 18, Value(), "null:", Value::Kind::Null, ""},
      {"bill number as text", "SettingsOutBillNo", 0, Value("42"), "integer:42", Value::Kind::Integer,
       "42"},
      {"large and negative numbers", "SettingsOutBillNo", 0, Value(qint64(-1099511627776)),
       "integer:-1099511627776", Value::Kind::Integer, "-1099511627776"},
      {"empty text stays text", "SettingsLab", 1, Value(""), "text:", Value::Kind::Text, ""},
      {"amount as typed", "SettingsLab", 1, Value("100.50"), "text:100.50", Value::Kind::Text,
       "100.50"},
      {"long text beyond ASCII", "SettingsLab", 1, Value(longText), nullptr, Value::Kind::Text,
       longText},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto rs = open(Table(c.table));
    rs->AddNew();
    rs->SetField(c.ordinal, c.written);
    rs->Update();
    const Value read = rs->Fields(c.ordinal);
    EXPECT_EQ(read.kind(), c.kind);
    EXPECT_EQ(s(read.toText()), s(c.text));
    // What a second recordset reads from the file is the same.
    auto again = open(Table(c.table), adLockReadOnly);
    again->MoveLast();
    EXPECT_TRUE(again->Fields(c.ordinal) == read);
    if (c.stored) {
      const QString column = rs->FieldName(c.ordinal);
      const QString table = QString::fromUtf8(c.table);
      EXPECT_EQ(s(scalar(QStringLiteral("SELECT typeof(\"%1\") || ':' || ifnull(\"%1\", '') FROM %2 ORDER BY rowid "
                                        "DESC LIMIT 1")
                             .arg(column, table))),
                c.stored);
    }
  }
}

using AdoSeed = AdoTest;

// A fresh file holds the default login, the four counters at 0 and the empty back-up folder.
TEST_F(AdoSeed, FreshDatabaseHoldsTheSeedRowsOnly) {
  for (const char* counter : {"SettingsOutBillNo", "SettingsInBillNo", "SettingsLabBillNo", "SettingsXRayBillNo"}) {
    SCOPED_TRACE(counter);
    auto rs = open(Table(counter));
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_TRUE(rs->Fields(0) == Value(qint64(0)));
  }
  auto copy = open(Table("SettingsCopyDB"));
  ASSERT_EQ(copy->RecordCount(), 1);
  EXPECT_TRUE(copy->Fields(0) == Value(""));

  auto users = open(Table("SettingsNewUser"));
  ASSERT_EQ(users->RecordCount(), 1);
  EXPECT_EQ(s(users->Fields(1).toText()), "tumbo");
  EXPECT_NE(s(users->Fields(2).toText()), "tumbo");
  EXPECT_EQ(s(DecryptText(users->Fields(2).toText())), "tumbo");
  EXPECT_EQ(s(DecryptText(users->Fields(3).toText())), "Admin");

  for (const char* table : {"SettingDrDetails", "SettingsEmployeeDetails", "SettingsLab", "SettingsXRay",
                            "SettingsOutPatient", "SettingsInPatient", "SettingsConsultant", "OutPatientPrintDetails",
                            "InPatientPrintDetails", "LabPrintDetails", "XRayPrintDetails"}) {
    SCOPED_TRACE(table);
    EXPECT_EQ(open(Table(table))->RecordCount(), 0);
  }
}

}  // namespace
