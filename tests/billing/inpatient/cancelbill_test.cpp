// Cancelling an in-patient bill: the list of valid bills, the search, and what a Cancel writes
// (one column of one row) and shows.
#include "billing/inpatient/frmCancelInBill.h"
#include "billing/inpatient/frmCancelInBillReport.h"
#include "ipreports.h"

namespace {

class CancelInBillTest : public InReportsTest {
protected:
  void SetUp() override {
    InReportsTest::SetUp();
    exec(QStringLiteral(
        "INSERT INTO InPatientPrintDetails VALUES"
        " (5, '2026-12-03', '1000', '250.5', '', '75', '', '40', '60', '150', '', 'oxygen', '1200', 'Ravi',"
        "  'IP10', 'Available', NULL),"
        " (2, '2026-12-04', '', '', '', '', '', '', '', '', '', '', '300', 'Meena', 'IP11', 'Available', '300'),"
        " (7, '2026-12-02', '', '', '', '', '', '', '', '', '', '', '50', 'Old', 'IP9', 'Deleted', NULL),"
        " (12, '2026-12-09', '', '', '20', '', '', '', '', '', '30', '', '50', 'Arun', 'IP12', 'Available', NULL),"
        " (21, '2026-12-09', '', '', '', '', '', '', '', '', '', '', '80', 'Kiran', 'IP13', 'Available', NULL);"
        "INSERT INTO SettingsInPatient(EmployeeID, FirstName, Discharged, Advance)"
        " VALUES ('IP10', 'Ravi', 'No', 300), ('IP11', 'Meena', 'No', 300);"));
  }

  static QStringList items(const QComboBox* combo) {
    QStringList out;
    for (int i = 0; i < combo->count(); ++i) out << combo->itemText(i);
    return out;
  }

  // Everything the form shows of a bill.
  static QStringList shown(const frmCancelInBill* f) {
    QStringList out{f->txtPatientName.text(), f->txtPatientID.text(), DateText(f->DTPicker1.date()),
                    f->txtTotal.text()};
    for (const QLineEdit& box : f->Text1) out << box.text();
    return out;
  }

  static QStringList ravi() {
    return {"Ravi", "IP10", "03/12/2026", "1200", "1000", "250.5", "", "75", "", "40", "60", "150", "", "oxygen"};
  }

  void expectSelectBill() {
    boxes().expect(QStringLiteral("Please select the Bill Number"), QStringLiteral("Warning"), vbCritical);
  }
  void expectCancelled(int answer = vbYes) {
    boxes().expect(QStringLiteral("Do you Wish to Cancel ( Delete ) the Current Bill"), QStringLiteral("Warning"),
                   vbCritical + vbYesNo, answer);
    if (answer == vbYes) boxes().expect(QStringLiteral("Record Deleted ! Bill Cancelled "), QString(), vbInformation);
  }

  QString advances() const {
    return scalar(QStringLiteral("SELECT group_concat(Advance, ',') FROM SettingsInPatient ORDER BY rowid"));
  }
};

TEST_F(CancelInBillTest, ListsTheValidBillsAndShowsTheOneFound) {
  auto* f = open<frmCancelInBill>();
  ASSERT_TRUE(f);
  // In the table's order, unsorted; the cancelled bill is not offered.
  EXPECT_EQ(items(&f->cmbBillNumber), QStringList({"5", "2", "12", "21"}));
  EXPECT_FALSE(f->HasLocatedBill());
  EXPECT_EQ(f->cmbBillNumber.currentText(), QString());
  EXPECT_FALSE(f->Text1[5].isVisibleTo(f));
  EXPECT_FALSE(f->Text1[6].isVisibleTo(f));
  EXPECT_FALSE(f->txtPatientID.isEnabled());

  // Typing completes to the first number that begins so; the first row with it is shown as stored,
  // the hidden X-ray and lab boxes included.
  TypeKeys(f->cmbBillNumber, "5");
  EXPECT_EQ(f->cmbBillNumber.currentText(), QString("5"));
  EXPECT_TRUE(f->HasLocatedBill());
  EXPECT_EQ(shown(f), ravi());

  struct Case {
    const char* text;
    QString patient;  // what txtPatientName shows afterwards
    bool located;
  };
  const Case cases[] = {
      {"12", "Arun", true},
      {"   ", "Arun", true},  // blanks start no search
      {"99", "Arun", false},  // a miss keeps the display but forgets the bill
      {" 2", "Arun", false},  // the text is compared as it is, untrimmed
      {"2", "Meena", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    f->cmbBillNumber.setEditText(QString::fromLatin1(c.text));
    EXPECT_EQ(f->txtPatientName.text(), c.patient);
    EXPECT_EQ(f->HasLocatedBill(), c.located);
  }
  EXPECT_EQ(boxes().shown().size(), 0u);
}

TEST_F(CancelInBillTest, CancelWritesOnlyTheStatusOfTheFoundRow) {
  auto* f = open<frmCancelInBill>();
  ASSERT_TRUE(f);
  const QStringList before = table();
  const QString advancesBefore = advances();

  TypeKeys(f->cmbBillNumber, "5");
  expectCancelled();
  Click(f->Picture1);
  EXPECT_EQ(boxes().pending(), 0);

  // The first row numbered 5 and nothing else; the patient's advance stays as it was.
  QStringList after = before;
  after[0].replace("|Available|", "|Deleted|");
  EXPECT_EQ(table(), after);
  EXPECT_EQ(advances(), advancesBefore);

  // The number leaves the list; the form stays open on the cancelled bill with nothing located.
  EXPECT_EQ(items(&f->cmbBillNumber), QStringList({"2", "12", "21"}));
  EXPECT_EQ(f->cmbBillNumber.currentText(), QString("5"));
  EXPECT_TRUE(f->IsLoaded());
  EXPECT_EQ(shown(f), ravi());
  EXPECT_FALSE(f->HasLocatedBill());

  // A second press writes nothing.
  expectSelectBill();
  Click(f->Picture1);
  EXPECT_EQ(table(), after);
  EXPECT_TRUE(f->cmbBillNumber.hasFocus());

  // Another bill chosen is the one the next Cancel acts on.
  f->cmbBillNumber.setEditText("12");
  expectCancelled();
  Click(f->Picture1);
  after[3].replace("|Available|", "|Deleted|");
  EXPECT_EQ(table(), after);
  EXPECT_EQ(items(&f->cmbBillNumber), QStringList({"2", "21"}));
}

TEST_F(CancelInBillTest, OfTwoBillsWithOneNumberOnlyTheFoundOneIsCancelled) {
  exec(QStringLiteral("INSERT INTO InPatientPrintDetails(BillNo, Date, total, patientName, patientid, BillDelete)"
                      " VALUES (12, '2026-12-10', '5', 'Dup', 'IP14', 'Available')"));
  auto* f = open<frmCancelInBill>();
  ASSERT_TRUE(f);
  QStringList after = table();
  f->cmbBillNumber.setEditText("12");
  EXPECT_EQ(f->txtPatientName.text(), QString("Arun"));
  expectCancelled();
  Click(f->Picture1);
  after[3].replace("|Available|", "|Deleted|");
  EXPECT_EQ(table(), after);
  // The number put back now finds the other bill 12, which the next Cancel would act on.
  EXPECT_EQ(items(&f->cmbBillNumber), QStringList({"5", "2", "21", "12"}));
  EXPECT_EQ(f->txtPatientName.text(), QString("Dup"));
  EXPECT_TRUE(f->HasLocatedBill());
}

TEST_F(CancelInBillTest, NothingIsWrittenWithoutAFoundBillOrAYes) {
  auto* f = open<frmCancelInBill>();
  ASSERT_TRUE(f);
  const QStringList before = table();

  expectSelectBill();  // nothing chosen yet
  Click(f->Picture1);

  f->cmbBillNumber.setEditText("2");
  expectCancelled(vbNo);
  Click(f->Picture1);
  EXPECT_EQ(f->txtPatientName.text(), QString("Meena"));
  EXPECT_TRUE(f->HasLocatedBill());

  f->cmbBillNumber.setEditText("99");  // a miss: Meena stays on screen, but is not located
  expectSelectBill();
  Click(f->Picture1);
  EXPECT_EQ(f->txtPatientName.text(), QString("Meena"));
  EXPECT_EQ(table(), before);
  EXPECT_EQ(boxes().pending(), 0);
}

TEST_F(CancelInBillTest, AFailedWriteSaysWhyAndReportsNothingDone) {
  auto* f = open<frmCancelInBill>();
  ASSERT_TRUE(f);
  const QStringList before = table();
  exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON InPatientPrintDetails"
                      " BEGIN SELECT RAISE(ABORT, 'the bill table is locked'); END;"));

  f->cmbBillNumber.setEditText("2");
  boxes().expect(QStringLiteral("Do you Wish to Cancel ( Delete ) the Current Bill"), vbYes);
  boxes().allowAny();
  Click(f->Picture1);
  ASSERT_EQ(boxes().shown().size(), 2u);
  EXPECT_TRUE(boxes().shown()[1].prompt.contains("the bill table is locked")) << boxes().shown()[1].prompt.toStdString();
  EXPECT_EQ(boxes().shown()[1].style & vbCritical, vbCritical);
  EXPECT_EQ(table(), before);
  EXPECT_EQ(items(&f->cmbBillNumber), QStringList({"5", "2", "12", "21"}));

  // Once the table takes writes again the same bill can be cancelled.
  exec(QStringLiteral("DROP TRIGGER refuse"));
  boxes().strict();
  boxes().clearShown();
  expectCancelled();
  Click(f->Picture1);
  EXPECT_EQ(scalar("SELECT BillDelete FROM InPatientPrintDetails WHERE patientid='IP11'"), QString("Deleted"));
}

// Another program cancels (or removes) the located bill between the search and the Cancel: the
// bill is not cancelled a second time, the form says no bill is chosen, and nothing is written.
TEST_F(CancelInBillTest, ABillCancelledElsewhereSinceTheSearchIsNotCancelledAgain) {
  const struct {
    const char* name;
    const char* bill;
    const char* sql;
  } cases[] = {
      {"cancelled by another program", "2", "UPDATE InPatientPrintDetails SET BillDelete = 'Deleted' WHERE BillNo = 2"},
      {"no longer in the table", "12", "DELETE FROM InPatientPrintDetails WHERE BillNo = 12"},
  };
  auto* f = open<frmCancelInBill>();
  ASSERT_TRUE(f);
  const auto other = openDb();
  const QString advancesBefore = advances();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    f->cmbBillNumber.setEditText(QString::fromLatin1(c.bill));
    ASSERT_TRUE(f->HasLocatedBill());
    // The clerk moves on to the bill's date (leaving the number box searches again), and
    // meanwhile another program writes.
    f->DTPicker1.setFocus();
    other->Execute(QString::fromLatin1(c.sql));
    const QStringList before = table();
    exec(QStringLiteral("CREATE TABLE writes (n); CREATE TRIGGER counted AFTER UPDATE ON InPatientPrintDetails "
                        "BEGIN INSERT INTO writes VALUES (1); END"));
    boxes().expect(QStringLiteral("Do you Wish to Cancel ( Delete ) the Current Bill"), QStringLiteral("Warning"),
                   vbCritical + vbYesNo, vbYes);
    expectSelectBill();
    Click(f->Picture1);
    EXPECT_EQ(boxes().pending(), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM writes")), QString("0"));
    EXPECT_EQ(table(), before);
    EXPECT_EQ(advances(), advancesBefore);
    EXPECT_TRUE(f->IsLoaded());
    EXPECT_TRUE(f->cmbBillNumber.hasFocus());
    exec(QStringLiteral("DROP TRIGGER counted; DROP TABLE writes"));
  }
  // The bills nobody touched are cancelled as ever.
  f->cmbBillNumber.setEditText(QStringLiteral("21"));
  expectCancelled();
  Click(f->Picture1);
  EXPECT_EQ(scalar(QStringLiteral("SELECT BillDelete FROM InPatientPrintDetails WHERE BillNo = 21")),
            QString("Deleted"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT BillDelete FROM InPatientPrintDetails WHERE BillNo = 5")),
            QString("Available"));
}

TEST_F(CancelInBillTest, CancellingTheLastBillLeavesAnEmptyListAndTheFormOpen) {
  exec(QStringLiteral("UPDATE InPatientPrintDetails SET BillDelete='Deleted' WHERE BillNo<>2"));
  auto* f = open<frmCancelInBill>();
  ASSERT_TRUE(f);
  EXPECT_EQ(items(&f->cmbBillNumber), QStringList({"2"}));
  f->cmbBillNumber.setEditText("2");
  expectCancelled();
  Click(f->Picture1);
  EXPECT_EQ(f->cmbBillNumber.count(), 0);
  EXPECT_TRUE(f->IsLoaded());
  expectSelectBill();
  Click(f->Picture1);
}

TEST_F(CancelInBillTest, TheDateRefusesFutureDays) {
  auto* f = open<frmCancelInBill>();
  ASSERT_TRUE(f);
  boxes().expect(QStringLiteral("Please Select date Less than Equal To Current Date\r\nYou cannt Bill for Future Date"),
                 QStringLiteral("Warning"), vbCritical);
  f->DTPicker1.setDate(QDate(2026, 12, 11));
  EXPECT_EQ(f->DTPicker1.date(), QDate(2026, 12, 10));
  f->DTPicker1.setDate(QDate(2026, 12, 10));  // today is accepted
  EXPECT_EQ(boxes().pending(), 0);
}

TEST_F(CancelInBillTest, ACancelledBillIsReportedUnderTheDayItWasMadeOut) {
  auto* f = open<frmCancelInBill>();
  ASSERT_TRUE(f);
  f->cmbBillNumber.setEditText("2");  // made out on the 4th, cancelled today
  expectCancelled();
  Click(f->Picture1);
  f->Unload();

  auto* r = open<frmCancelInBillReport>();
  ASSERT_TRUE(r);
  r->DTPicker1.setDate(QDate(2026, 12, 4));
  Click(r->Picture1);
  EXPECT_EQ(rowsOf(&r->List), QStringList({"01|Meena-IP11|2|300.00"}));
  r->DTPicker1.setDate(QDate(2026, 12, 10));
  Click(r->Picture1);
  EXPECT_EQ(rowsOf(&r->List), QStringList());
}

}  // namespace
