// The recordset as the forms use it: moving, adding, changing, deleting, what a snapshot sees,
// and saves of several writes that go through or leave nothing behind.
#include <QElapsedTimer>

#include "platform/ado_support.h"

namespace {

std::string s(const QString& text) { return text.toStdString(); }

using AdoNavigation = AdoTest;

TEST_F(AdoNavigation, AnEmptyRecordsetHasNoRowToReadWriteOrLeave) {
  auto rs = open(Table("SettingsLab"));
  EXPECT_TRUE(rs->Bof());
  EXPECT_TRUE(rs->Eof());
  EXPECT_EQ(rs->RecordCount(), 0);
  rs->MoveFirst();
  rs->MoveLast();
  EXPECT_TRUE(rs->Bof() && rs->Eof());
  const struct {
    const char* name;
    std::function<void()> action;
  } cases[] = {
      {"MoveNext", [&] { rs->MoveNext(); }},      {"MovePrevious", [&] { rs->MovePrevious(); }},
      {"Fields", [&] { rs->Fields(0); }},         {"SetField", [&] { rs->SetField(1, "10"); }},
      {"Delete", [&] { rs->Delete(); }},          {"Update", [&] { rs->Update(); }},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorOf(c.action), adErrNoCurrentRow) << c.name;
  EXPECT_EQ(rs->EditMode(), adEditNone);
  EXPECT_EQ(scalar("SELECT count(*) FROM SettingsLab"), "0");
}

TEST_F(AdoNavigation, MovesStopAtBothEnds) {
  exec("INSERT INTO SettingsLab VALUES ('c','3'),('a','1'),('b','2')");
  auto rs = open(SortedByDatabase("SettingsLab", "Description"));
  const struct {
    const char* move;
    const char* then;  // where it stands, or the error number
  } steps[] = {
      {"", "a"},          {"next", "b"},      {"next", "c"},      {"next", "EOF"}, {"next", "3021"},
      {"last", "c"},      {"previous", "b"},  {"previous", "a"},  {"previous", "BOF"},
      {"previous", "3021"}, {"next", "a"},    {"last", "c"},      {"next", "EOF"}, {"previous", "c"},
      {"first", "a"},
  };
  for (const auto& st : steps) {
    SCOPED_TRACE(std::string(st.move) + " -> " + st.then);
    const std::string m = st.move;
    const int error = ErrorOf([&] {
      if (m == "next") rs->MoveNext();
      if (m == "previous") rs->MovePrevious();
      if (m == "first") rs->MoveFirst();
      if (m == "last") rs->MoveLast();
    });
    EXPECT_EQ(error ? std::to_string(error) : s(where(*rs)), st.then);
    EXPECT_EQ(rs->RecordCount(), 3);
  }
  // A bookmark brings a walk back to where it started.
  rs->MoveFirst();
  rs->MoveNext();
  const auto mark = rs->GetBookmark();
  rs->MoveLast();
  rs->MoveTo(mark);
  EXPECT_EQ(s(where(*rs)), "b");
}

using AdoAddNew = AdoTest;

TEST_F(AdoAddNew, APendingRowCountsAndCancelGoesBack) {
  auto rs = open(SortedByDatabase("SettingsLab", "Description"));
  rs->AddNew();
  EXPECT_EQ(rs->RecordCount(), 1);
  EXPECT_FALSE(rs->Bof() || rs->Eof());
  EXPECT_EQ(rs->EditMode(), adEditAdd);
  EXPECT_TRUE(rs->Fields(0).IsNull() && rs->Fields(1).IsNull());
  rs->CancelUpdate();
  EXPECT_EQ(rs->RecordCount(), 0);
  EXPECT_TRUE(rs->Bof() && rs->Eof());

  exec("INSERT INTO SettingsLab VALUES ('a','1'),('b','2')");
  rs->Requery();
  rs->AddNew();
  rs->SetField(0, "c");
  EXPECT_EQ(s(rs->Fields(0).toText()), "c");
  EXPECT_EQ(ErrorOf([&] { rs->AddNew(); }), adErrIllegalOperation);  // never stores the first
  rs->CancelUpdate();
  EXPECT_EQ(s(where(*rs)), "a");
  EXPECT_EQ(rs->RecordCount(), 2);
  EXPECT_EQ(scalar("SELECT count(*) FROM SettingsLab"), "2");

  // Nothing pending is stored when the recordset goes away either.
  rs->AddNew();
  rs->SetField(0, "d");
  rs.reset();
  EXPECT_EQ(scalar("SELECT count(*) FROM SettingsLab"), "2");
}

// Update stores only the fields that were set; the row is read back as stored and stays the
// current row, at the end, until a Requery sorts it in.
TEST_F(AdoAddNew, UpdateStoresTheSetFieldsAndReadsTheRowBack) {
  exec("INSERT INTO OutPatientPrintDetails(BillNo,BillDelete) VALUES (50,'Available')");
  auto rs = open(SortedByDatabase("OutPatientPrintDetails", "BillNo"));
  rs->AddNew();
  rs->SetField(0, "42");
  rs->SetField(1, QDate(2026, 12, 9));
  rs->SetField(6, "");
  rs->SetField(2, "100.50");
  rs->SetField(12, "Available");
  rs->Update();
  EXPECT_EQ(rs->EditMode(), adEditNone);
  EXPECT_EQ(rs->RecordCount(), 2);
  EXPECT_TRUE(rs->Fields(0) == Value(qint64(42)));
  EXPECT_TRUE(rs->Fields(1) == Value(QDate(2026, 12, 9)));
  EXPECT_TRUE(rs->Fields(2) == Value("100.50"));
  EXPECT_TRUE(rs->Fields(6) == Value(""));
  EXPECT_TRUE(rs->Fields(7).IsNull());
  rs->MoveNext();
  EXPECT_TRUE(rs->Eof());  // the new row is the last one
  EXPECT_EQ(s(scalar("SELECT typeof(ECG) || typeof(Scan) || typeof(BillNo) FROM OutPatientPrintDetails "
                     "WHERE BillNo=42")),
            "textnullinteger");
  rs->Requery();
  EXPECT_EQ(s(column(*rs, 0)), "42|50");

  // The user table's identifier comes from the database.
  auto users = open(Table("SettingsNewUser"));
  users->AddNew();
  users->SetField(1, "ravi");
  users->Update();
  EXPECT_EQ(users->Fields(0).kind(), Value::Kind::Integer);
  EXPECT_EQ(s(users->Fields(0).toText()), s(scalar("SELECT UserID FROM SettingsNewUser WHERE UserName='ravi'")));
}

using AdoEdit = AdoTest;

// A form that changes one field must not put back what another user changed in the meantime.
TEST_F(AdoEdit, UpdateWritesOnlyTheFieldsThatWereSet) {
  exec("INSERT INTO SettingsOutPatient(EmployeeID,FirstName,Address) VALUES ('OP1','Ann','Old Road')");
  auto rs = open(SortedByDatabase("SettingsOutPatient", "EmployeeID"));
  auto other = open(Table("SettingsOutPatient"), adLockOptimistic, openDb());
  other->SetField(9, "New Road");
  other->Update();
  rs->SetField(1, "Anne");
  EXPECT_EQ(s(rs->Fields(9).toText()), "Old Road");  // its snapshot, until the row is read back
  rs->Update();
  EXPECT_EQ(s(scalar("SELECT FirstName || ', ' || Address FROM SettingsOutPatient")), "Anne, New Road");
  EXPECT_EQ(s(rs->Fields(9).toText()), "New Road");
}

TEST_F(AdoEdit, APendingEditStaysUntilUpdateOrCancel) {
  exec("INSERT INTO SettingsLab VALUES ('a','1'),('b','2')");
  auto rs = open(Table("SettingsLab"));
  rs->CancelUpdate();  // nothing pending: nothing happens
  rs->SetField(1, "9");
  EXPECT_EQ(rs->EditMode(), adEditInProgress);
  const struct {
    const char* name;
    std::function<void()> action;
  } refused[] = {
      {"MoveNext", [&] { rs->MoveNext(); }},   {"MovePrevious", [&] { rs->MovePrevious(); }},
      {"MoveFirst", [&] { rs->MoveFirst(); }}, {"MoveLast", [&] { rs->MoveLast(); }},
      {"Requery", [&] { rs->Requery(); }},     {"AddNew", [&] { rs->AddNew(); }},
      {"Delete", [&] { rs->Delete(); }},       {"MoveTo", [&] { rs->MoveTo({1}); }},
  };
  for (const auto& c : refused) {
    EXPECT_EQ(ErrorOf(c.action), adErrIllegalOperation) << c.name;
    EXPECT_EQ(rs->EditMode(), adEditInProgress) << c.name;
  }
  EXPECT_EQ(s(rs->Fields(1).toText()), "9");
  rs->CancelUpdate();
  EXPECT_EQ(s(rs->Fields(1).toText()), "1");
  EXPECT_EQ(s(scalar("SELECT group_concat(Amount) FROM SettingsLab")), "1,2");
}

// A failed Update reports and keeps the edit, so the form can show the error and cancel.
TEST_F(AdoEdit, AFailedUpdateKeepsTheEditPending) {
  exec("INSERT INTO SettingsConsultant VALUES ('2026-12-09','Dr A','100','OP1')");
  const struct {
    const char* name;
    std::function<void(Recordset&)> breakIt;
    int number;
  } cases[] = {
      {"row deleted by another user", [this](Recordset&) { exec("DELETE FROM SettingsConsultant"); },
       adErrRowNotFound},
      {"a date the column refuses", [](Recordset& rs) { rs.SetField(0, "09/12/2026"); }, adErrProvider},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    exec("DELETE FROM SettingsConsultant; INSERT INTO SettingsConsultant VALUES ('2026-12-09','Dr A','100','OP1')");
    auto rs = open(SortedByDatabase("SettingsConsultant", "DrName"));
    rs->SetField(2, "150");
    c.breakIt(*rs);
    EXPECT_EQ(ErrorOf([&] { rs->Update(); }), c.number);
    EXPECT_EQ(rs->EditMode(), adEditInProgress);
    EXPECT_EQ(s(rs->Fields(2).toText()), "150");
    rs->CancelUpdate();
    EXPECT_EQ(rs->EditMode(), adEditNone);
    EXPECT_EQ(s(rs->Fields(2).toText()), "100");
  }
}

using AdoReadOnly = AdoTest;

TEST_F(AdoReadOnly, ReadOnlyRecordsetsAndBadOrdinalsWriteNothing) {
  exec("INSERT INTO SettingsLab VALUES ('CBC','100')");
  // The table's own read opened read-only, and free texts, which are only ever read.
  std::vector<std::unique_ptr<Recordset>> readOnly;
  readOnly.push_back(open(Table("SettingsLab"), adLockReadOnly));
  readOnly.push_back(open(QStringLiteral("SELECT Description, Amount FROM SettingsLab")));
  readOnly.push_back(open(QStringLiteral("SELECT DISTINCT Description, Amount FROM SettingsLab")));
  for (const auto& rs : readOnly) {
    SCOPED_TRACE(s(rs->Source()));
    EXPECT_EQ(s(rs->Fields(1).toText()), "100");
    EXPECT_EQ(ErrorOf([&] { rs->SetField(1, "5"); }), adErrFeatureNotAvailable);
    EXPECT_EQ(ErrorOf([&] { rs->AddNew(); }), adErrFeatureNotAvailable);
    EXPECT_EQ(ErrorOf([&] { rs->Delete(); }), adErrFeatureNotAvailable);
    EXPECT_EQ(rs->EditMode(), adEditNone);
  }
  auto rs = open(Table("SettingsLab"));
  for (int bad : {-1, 2, 19}) {
    EXPECT_EQ(ErrorOf([&] { rs->Fields(bad); }), adErrItemNotFound) << bad;
    EXPECT_EQ(ErrorOf([&] { rs->SetField(bad, "x"); }), adErrItemNotFound) << bad;
    EXPECT_EQ(ErrorOf([&] { rs->FieldName(bad); }), adErrItemNotFound) << bad;
  }
  EXPECT_EQ(rs->EditMode(), adEditNone);
  EXPECT_EQ(s(scalar("SELECT Description || Amount FROM SettingsLab")), "CBC100");
  EXPECT_EQ(scalar("SELECT count(*) FROM SettingsLab"), "1");
}

using AdoDelete = AdoTest;

// A deleted row leaves the count at once; the recordset stands on the gap until it moves.
TEST_F(AdoDelete, DeleteLeavesAGapUntilTheNextMove) {
  const struct {
    const char* rows;
    int deleteAt;
    const char* move;
    const char* then;
  } cases[] = {
      {"a,b,c", 1, "next", "c"},   {"a,b,c", 1, "previous", "a"}, {"a,b,c", 2, "next", "EOF"},
      {"a,b,c", 2, "last", "b"},   {"a,b,c", 0, "previous", "BOF"}, {"a", 0, "next", "BOF/EOF"},
      {"a", 0, "first", "BOF/EOF"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.rows) + " delete " + std::to_string(c.deleteAt) + ", " + c.move);
    exec("DELETE FROM SettingsLab");
    const QStringList rows = QString::fromLatin1(c.rows).split(u',');
    for (const QString& r : rows) exec(QStringLiteral("INSERT INTO SettingsLab VALUES ('%1','1')").arg(r));
    auto rs = open(Table("SettingsLab"));
    for (int i = 0; i < c.deleteAt; ++i) rs->MoveNext();
    rs->Delete();
    EXPECT_EQ(rs->RecordCount(), rows.size() - 1);
    EXPECT_EQ(scalar("SELECT count(*) FROM SettingsLab").toLong(), rows.size() - 1);
    EXPECT_FALSE(rs->HasCurrentRow());
    EXPECT_EQ(ErrorOf([&] { rs->Fields(0); }), adErrNoCurrentRow);
    EXPECT_EQ(ErrorOf([&] { rs->Delete(); }), adErrNoCurrentRow);
    const std::string m = c.move;
    if (m == "next") rs->MoveNext();
    if (m == "previous") rs->MovePrevious();
    if (m == "first") rs->MoveFirst();
    if (m == "last") rs->MoveLast();
    EXPECT_EQ(s(where(*rs)), c.then);
  }
}

// A look-up that found nothing leaves the recordset past its last row; a Delete then must not
// hit some other row.
TEST_F(AdoDelete, DeleteAfterAWalkThatFoundNothingDeletesNothing) {
  exec("INSERT INTO SettingsLab VALUES ('a','1'),('b','2')");
  auto rs = open(Table("SettingsLab"));
  rs->MoveFirst();
  for (long i = 0; i < rs->RecordCount() && rs->Fields(0).toText() != "zz"; ++i) rs->MoveNext();
  ASSERT_TRUE(rs->Eof());
  EXPECT_EQ(ErrorOf([&] { rs->Delete(); }), adErrNoCurrentRow);
  EXPECT_EQ(ErrorOf([&] { rs->SetField(1, "0"); }), adErrNoCurrentRow);
  EXPECT_EQ(scalar("SELECT count(*) FROM SettingsLab"), "2");
}

using AdoSnapshot = AdoTest;

// A recordset sees its own writes at once and other recordsets' writes only after Requery.
TEST_F(AdoSnapshot, OtherWritesAppearOnlyAfterRequery) {
  exec("INSERT INTO SettingsLab VALUES ('b','1'),('d','2')");
  auto a = open(SortedByDatabase("SettingsLab", "Description"));
  auto b = open(SortedByDatabase("SettingsLab", "Description"));
  a->AddNew();
  a->SetField(0, "c");
  a->Update();
  EXPECT_EQ(s(column(*a, 0)), "b|d|c");
  EXPECT_EQ(s(column(*b, 0)), "b|d");
  b->MoveLast();
  b->Requery();
  EXPECT_EQ(s(where(*b)), "b");
  EXPECT_EQ(s(column(*b, 0)), "b|c|d");
}

// Cancelling a test bill marks every line; the walk sees each line although it no longer meets
// the WHERE, until a Requery drops them.
TEST_F(AdoSnapshot, RowsChangedOutOfTheWhereStayUntilRequery) {
  exec("INSERT INTO LabPrintDetails(BillNo,Description,BillDelete) VALUES (5,'CBC','Available'),"
       "(5,'ESR','Available'),(4,'CBC','Available'),(5,'Sugar','Available')");
  auto rs = open(SortedByDatabase("LabPrintDetails", "BillNo", "BillDelete='Available'"));
  QStringList visited;
  rs->MoveFirst();
  for (long i = 0; i < rs->RecordCount(); ++i) {
    if (rs->Fields(0).toText() == "5") {
      visited << rs->Fields(2).toText();
      rs->SetField(9, "Deleted");
      rs->Update();
    }
    rs->MoveNext();
  }
  EXPECT_EQ(s(visited.join(u'|')), "CBC|ESR|Sugar");
  EXPECT_EQ(rs->RecordCount(), 4);
  rs->Requery();
  EXPECT_EQ(s(column(*rs, 2)), "CBC");
  EXPECT_EQ(scalar("SELECT count(*) FROM LabPrintDetails WHERE BillDelete='Deleted'"), "3");
}

// Cheap sanity over a larger snapshot: every row is there, in order, and readable.
TEST_F(AdoSnapshot, ALargeSnapshotReadsEveryRow) {
  exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<20000) "
       "INSERT INTO OutPatientPrintDetails(BillNo,Date,total,patientName,BillDelete) "
       "SELECT i, '2026-12-09', i || '.5', 'Patient ' || i, 'Available' FROM n");
  auto rs = open(SortedByDatabase("OutPatientPrintDetails", "BillNo"));
  ASSERT_EQ(rs->RecordCount(), 20000);
  rs->MoveLast();
  EXPECT_EQ(s(rs->Fields(10).toText()), "Patient 20000");
  EXPECT_EQ(s(rs->Fields(9).toText()), "20000.5");
  EXPECT_EQ(rs->Fields(1).kind(), Value::Kind::Date);
  rs->SetField(9, "1");
  rs->Update();
  rs->MovePrevious();
  EXPECT_EQ(s(rs->Fields(10).toText()), "Patient 19999");
}

using AdoTransaction = AdoTest;

// A save of several writes that fails part-way leaves neither the file nor the form's
// recordsets changed.
TEST_F(AdoTransaction, RollbackRestoresTheFileAndEveryRecordset) {
  exec("INSERT INTO OutPatientPrintDetails(BillNo,BillDelete) VALUES (1,'Available');"
       "INSERT INTO SettingsLab VALUES ('a','1'),('b','2'),('c','3')");
  auto bills = open(Table("OutPatientPrintDetails"));
  auto counter = open(Table("SettingsOutBillNo"));
  auto lab = open(Table("SettingsLab"));
  lab->MoveNext();
  lab->SetField(1, "20");  // an edit pending when the save begins stays pending after it
  std::unique_ptr<Recordset> openedInside;
  try {
    Transaction tx(con);
    bills->AddNew();
    bills->SetField(0, 2);
    bills->Update();
    counter->SetField(0, 2);
    counter->Update();
    lab->Update();
    lab->Delete();
    lab->MoveFirst();
    lab->SetField(1, "10");
    lab->Update();
    lab->Requery();
    openedInside = open(Table("OutPatientPrintDetails"));
    EXPECT_EQ(openedInside->RecordCount(), 2);
    throw std::runtime_error("printer gone");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(con->InTransaction());
  EXPECT_EQ(scalar("SELECT group_concat(BillNo) FROM OutPatientPrintDetails"), "1");
  EXPECT_EQ(scalar("SELECT BillNo FROM SettingsOutBillNo"), "0");
  EXPECT_EQ(scalar("SELECT group_concat(Description || Amount) FROM SettingsLab"), "a1,b2,c3");

  EXPECT_EQ(bills->RecordCount(), 1);
  EXPECT_EQ(s(where(*bills)), "1");
  EXPECT_EQ(bills->EditMode(), adEditNone);
  EXPECT_TRUE(counter->Fields(0) == Value(qint64(0)));
  EXPECT_EQ(counter->EditMode(), adEditNone);
  EXPECT_EQ(lab->RecordCount(), 3);
  EXPECT_EQ(lab->EditMode(), adEditInProgress);
  EXPECT_EQ(s(lab->Fields(0).toText() + lab->Fields(1).toText()), "b20");
  lab->CancelUpdate();
  EXPECT_EQ(s(column(*lab, 1)), "1|2|3");
  EXPECT_EQ(openedInside->RecordCount(), 1);
}

// With the counter row missing, the save fails at the counter and stores no bill.
TEST_F(AdoTransaction, AMissingCounterRowStoresNoBill) {
  exec("DELETE FROM SettingsOutBillNo");
  auto bills = open(Table("OutPatientPrintDetails"));
  auto counter = open(Table("SettingsOutBillNo"));
  const int error = ErrorOf([&] {
    Transaction tx(con);
    bills->AddNew();
    bills->SetField(0, 1);
    bills->Update();
    counter->SetField(0, 1);
    counter->Update();
    tx.Commit();
  });
  EXPECT_EQ(error, adErrNoCurrentRow);
  EXPECT_EQ(scalar("SELECT count(*) FROM OutPatientPrintDetails"), "0");
  EXPECT_EQ(bills->RecordCount(), 0);
}

TEST_F(AdoTransaction, ACommittedSaveIsInTheFileWhenItIsOpenedAgain) {
  {
    auto bills = open(Table("OutPatientPrintDetails"));
    auto counter = open(Table("SettingsOutBillNo"));
    Transaction tx(con);
    bills->AddNew();
    bills->SetField(0, 1);
    bills->SetField(12, "Available");
    bills->Update();
    counter->SetField(0, 1);
    counter->Update();
    tx.Commit();
    EXPECT_FALSE(con->InTransaction());
  }
  con.reset();
  con = openDb();
  EXPECT_EQ(s(column(*open(Table("OutPatientPrintDetails")), 12)), "Available");
  EXPECT_EQ(s(column(*open(Table("SettingsOutBillNo")), 0)), "1");

  // One transaction at a time, and none to end when none began.
  con->BeginTrans();
  EXPECT_EQ(ErrorOf([&] { con->BeginTrans(); }), adErrIllegalOperation);
  con->RollbackTrans();
  EXPECT_EQ(ErrorOf([&] { con->CommitTrans(); }), adErrIllegalOperation);
  EXPECT_EQ(ErrorOf([&] { con->RollbackTrans(); }), adErrIllegalOperation);
}

// A database another connection keeps locked fails the write after the busy timeout, saying so,
// and the edit stays for a second try.
TEST_F(AdoTransaction, ALockedDatabaseFailsTheWriteAndSaysSo) {
  auto other = openDb();
  other->BeginTrans();
  auto lab = open(Table("SettingsLab"));
  lab->AddNew();
  lab->SetField(0, "CBC");
  QElapsedTimer timer;
  timer.start();
  try {
    lab->Update();
    ADD_FAILURE() << "stored while locked";
  } catch (const DbError& e) {
    EXPECT_EQ(e.Number(), adErrProvider);
    EXPECT_TRUE(e.Description().contains(QStringLiteral("locked"))) << s(e.Description());
  }
  EXPECT_GE(timer.elapsed(), 1500);
  EXPECT_EQ(lab->EditMode(), adEditAdd);
  other->RollbackTrans();
  lab->Update();
  EXPECT_EQ(scalar("SELECT Description FROM SettingsLab"), "CBC");
}

}  // namespace
