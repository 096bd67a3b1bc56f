// Cancelling a test bill: the search shows every line of the bill, the cancel marks all of them
// at once and only them, and a cancel with no bill found marks nothing.
#include <gtest/gtest.h>

#include <algorithm>

#include "labxray_support.h"

namespace {

class TestCancelTest : public LabXRayTest {
protected:
  void SetUp() override {
    LabXRayTest::SetUp();
    for (const char* table : {"LabPrintDetails", "XRayPrintDetails"}) fill(table);
  }
  // Bills 5 (two lines) and 7 (three lines), interleaved, and the cancelled bill 9.
  void fill(const char* table) const {
    insertLine(table, 5, "2026-12-03", "CBC", "150", "305", "Tara", "OP21");
    insertLine(table, 7, "2026-12-04", "First", "100", "270", "Ravi", "IP10");
    insertLine(table, 5, "2026-12-03", "Sugar", "5", "305", "Tara", "OP21");
    insertLine(table, 7, "2026-12-04", "Second", "120", "270", "Ravi", "IP10");
    insertLine(table, 7, "2026-12-04", "Third", "50", "270", "Ravi", "IP10");
    insertLine(table, 9, "2026-12-04", "Old", "50", "50", "Noor", "OP22", "Deleted");
  }
  QStringList table(const char* name) const {
    return rows(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(QString::fromLatin1(name)));
  }
  static bool loaded(bool xray) {
    return xray ? LoadedForm<frmCancelXRayBill>() != nullptr : LoadedForm<frmCancelLabBill>() != nullptr;
  }
};

TEST_F(TestCancelTest, SearchShowsEveryLineAndTheListIsDistinct) {
  const struct {
    bool xray;
  } cases[] = {{false}, {true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.xray ? "x-ray" : "lab");
    ResetForms();
    TestCancelForm* f = c.xray ? static_cast<TestCancelForm*>(open<frmCancelXRayBill>())
                               : static_cast<TestCancelForm*>(open<frmCancelLabBill>());
    QStringList numbers;
    for (int i = 0; i < f->cmbBillNumber.count(); ++i) numbers << f->cmbBillNumber.itemText(i);
    std::sort(numbers.begin(), numbers.end());
    EXPECT_EQ(numbers, (QStringList{"5", "7"}));

    TypeKeys(f->cmbBillNumber, "7");
    EXPECT_EQ(rowsOf(&f->List), (QStringList{"01|First|100", "02|Second|120", "03|Third|50"}));
    EXPECT_EQ(f->txtPatientName.text(), "Ravi");
    EXPECT_EQ(f->txtPatientID.text(), "IP10");
    EXPECT_EQ(f->txtGrassTotal.text(), "270");
    EXPECT_EQ(f->txtTotal.text(), "270");
    EXPECT_EQ(f->txtDiscount.text(), "0");
    EXPECT_EQ(f->DTPicker1.date(), QDate(2026, 12, 4));

    f->cmbBillNumber.setEditText("   ");  // blanks start no search
    EXPECT_EQ(f->List.topLevelItemCount(), 3);
  }
}

// The numbers come in the order of each bill's first line, as SELECT DISTINCT lists them, not in
// the numbers' order; a bill's lines are found and cancelled wherever they lie, and a cancelled
// line of another bill is not offered.
TEST_F(TestCancelTest, TheListFollowsTheFirstLinesAndEveryLineOfABillIsFound) {
  for (const bool xray : {false, true}) {
    SCOPED_TRACE(xray ? "x-ray" : "lab");
    const char* name = xray ? "XRayPrintDetails" : "LabPrintDetails";
    const QString table = QString::fromLatin1(name);
    insertLine(name, 3, "2026-12-05", "Early", "10", "40", "Uma", "OP23");
    insertLine(name, 2, "2026-12-05", "Gone", "10", "10", "Uma", "OP23", "Deleted");
    exec(QStringLiteral("INSERT INTO %1(rowid, BillNo, Date, Description, Amount, Discount, GrossTotal, total,"
                        " patientName, patientid, BillDelete) VALUES (5000000000, 3, '2026-12-05', 'Late', '30', '0',"
                        " '40', '40', 'Uma', 'OP23', 'Available')")
             .arg(table));
    ResetForms();
    TestCancelForm* f = xray ? static_cast<TestCancelForm*>(open<frmCancelXRayBill>())
                             : static_cast<TestCancelForm*>(open<frmCancelLabBill>());
    QStringList numbers;
    for (int i = 0; i < f->cmbBillNumber.count(); ++i) numbers << f->cmbBillNumber.itemText(i);
    EXPECT_EQ(numbers, (QStringList{"5", "7", "3"}));

    TypeKeys(f->cmbBillNumber, "5");
    EXPECT_EQ(rowsOf(&f->List), (QStringList{"01|CBC|150", "02|Sugar|5"}));
    f->cmbBillNumber.setEditText("3");
    EXPECT_EQ(rowsOf(&f->List), (QStringList{"01|Early|10", "02|Late|30"}));
    boxes().expect("Do you Wish to Cancel ( Delete ) the Current Bill", "Warning", vbYesNo + vbCritical, vbYes);
    boxes().expect("Record Deleted ! Bill Cancelled ", "", vbInformation);
    Click(f->Picture1);
    const QString lines = QStringLiteral("SELECT BillNo, BillDelete FROM %1 WHERE BillNo IN (2, 3) ORDER BY rowid");
    EXPECT_EQ(rows(lines.arg(table)), (QStringList{"3|Deleted", "2|Deleted", "3|Deleted"}));
  }
}

TEST_F(TestCancelTest, YesMarksExactlyThatBillsLinesAndCloses) {
  const QStringList before = table("LabPrintDetails");
  auto* f = open<frmCancelLabBill>();
  TypeKeys(f->cmbBillNumber, "7");
  boxes().expect("Do you Wish to Cancel ( Delete ) the Current Bill", "Warning", vbYesNo + vbCritical, vbNo);
  Click(f->Picture1);
  EXPECT_EQ(table("LabPrintDetails"), before);
  EXPECT_TRUE(LoadedForm<frmCancelLabBill>());

  boxes().expect("Do you Wish to Cancel ( Delete ) the Current Bill", "Warning", vbYesNo + vbCritical, vbYes);
  boxes().expect("Record Deleted ! Bill Cancelled ", "", vbInformation);
  Click(f->Picture1);
  QStringList expected = before;
  for (int i : {1, 3, 4}) expected[i].replace("|Available", "|Deleted");
  EXPECT_EQ(table("LabPrintDetails"), expected);
  EXPECT_FALSE(LoadedForm<frmCancelLabBill>());
  EXPECT_EQ(boxes().pending(), 0);

  auto* again = open<frmCancelLabBill>();
  EXPECT_EQ(again->cmbBillNumber.count(), 1);
  EXPECT_EQ(again->cmbBillNumber.itemText(0), "5");
}

TEST_F(TestCancelTest, CancelWithNoBillFoundMarksNothing) {
  const QStringList before = table("XRayPrintDetails");
  auto* f = open<frmCancelXRayBill>();
  boxes().expect("Please select the Bill Number", "Warning", vbCritical);
  Click(f->Picture1);  // nothing searched yet

  TypeKeys(f->cmbBillNumber, "5");
  f->cmbBillNumber.setEditText("");  // the boxes still show bill 5; the number box names nothing
  EXPECT_EQ(f->txtPatientID.text(), "OP21");
  boxes().expect("Please select the Bill Number", "Warning", vbCritical);
  Click(f->Picture1);
  EXPECT_TRUE(f->cmbBillNumber.hasFocus());
  EXPECT_EQ(table("XRayPrintDetails"), before);
  EXPECT_TRUE(LoadedForm<frmCancelXRayBill>());
  EXPECT_EQ(boxes().pending(), 0);
}

// Another program writes bill 7 between the search and the Cancel. A bill that is no longer,
// line for line, the valid bill the search showed is not cancelled (a second time): the form says
// no bill is chosen and writes nothing. Lines another program stored under the same number since
// are another patient's bill, and stay as they are.
TEST_F(TestCancelTest, ABillWrittenElsewhereSinceTheSearchIsNotCancelledAgain) {
  const struct {
    const char* name;
    const char* sql;  // %1 the bill table
    bool cancelled;
  } cases[] = {
      {"cancelled by another program", "UPDATE %1 SET BillDelete = 'Deleted' WHERE BillNo = 7", false},
      {"one of its lines cancelled", "UPDATE %1 SET BillDelete = 'Deleted' WHERE Description = 'Second'", false},
      {"no longer in the table", "DELETE FROM %1 WHERE BillNo = 7", false},
      {"one of its lines removed", "DELETE FROM %1 WHERE Description = 'Third'", false},
      {"one of its lines given another number", "UPDATE %1 SET BillNo = 8 WHERE Description = 'First'", false},
      {"another bill stored under its number",
       "INSERT INTO %1 VALUES (7, '2026-12-10', 'Other', '40', '0', '40', '40', 'Noor', 'OP22', 'Available')", true},
  };
  for (const bool xray : {false, true}) {
    const char* name = xray ? "XRayPrintDetails" : "LabPrintDetails";
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(xray ? "x-ray: " : "lab: ") + c.name);
      ResetForms();
      exec(QStringLiteral("DELETE FROM %1").arg(QString::fromLatin1(name)));
      fill(name);
      TestCancelForm* f = xray ? static_cast<TestCancelForm*>(open<frmCancelXRayBill>())
                               : static_cast<TestCancelForm*>(open<frmCancelLabBill>());
      ASSERT_TRUE(f);
      TypeKeys(f->cmbBillNumber, "7");
      ASSERT_EQ(f->List.topLevelItemCount(), 3);
      // The clerk moves on to the bill's date (leaving the number box searches again), and
      // meanwhile another program writes.
      f->DTPicker1.setFocus();
      openDb()->Execute(QString::fromLatin1(c.sql).arg(QString::fromLatin1(name)));
      const QStringList before = table(name);
      exec(QStringLiteral("CREATE TABLE writes (n); CREATE TRIGGER counted AFTER UPDATE ON %1 "
                          "BEGIN INSERT INTO writes VALUES (1); END")
               .arg(QString::fromLatin1(name)));
      boxes().expect("Do you Wish to Cancel ( Delete ) the Current Bill", "Warning", vbYesNo + vbCritical, vbYes);
      if (c.cancelled)
        boxes().expect("Record Deleted ! Bill Cancelled ", "", vbInformation);
      else
        boxes().expect("Please select the Bill Number", "Warning", vbCritical);
      Click(f->Picture1);
      EXPECT_EQ(boxes().pending(), 0);
      if (c.cancelled) {
        QStringList expected = before;
        for (int i : {1, 3, 4}) expected[i].replace("|Available", "|Deleted");
        EXPECT_EQ(table(name), expected);
        EXPECT_EQ(scalar("SELECT count(*) FROM writes"), "3");
        EXPECT_FALSE(loaded(xray));
      } else {
        EXPECT_EQ(scalar("SELECT count(*) FROM writes"), "0");
        EXPECT_EQ(table(name), before);
        EXPECT_TRUE(loaded(xray));
        EXPECT_TRUE(f->cmbBillNumber.hasFocus());

        // The bill nobody touched is cancelled as ever.
        f->cmbBillNumber.setEditText(QString());
        TypeKeys(f->cmbBillNumber, "5");
        boxes().expect("Do you Wish to Cancel ( Delete ) the Current Bill", "Warning", vbYesNo + vbCritical, vbYes);
        boxes().expect("Record Deleted ! Bill Cancelled ", "", vbInformation);
        Click(f->Picture1);
        EXPECT_EQ(boxes().pending(), 0);
        EXPECT_EQ(rows(QStringLiteral("SELECT DISTINCT BillDelete FROM %1 WHERE BillNo = 5").arg(name)),
                  QStringList{"Deleted"});
      }
      exec("DROP TRIGGER counted; DROP TABLE writes");
    }
  }
}

TEST_F(TestCancelTest, NoValidBillGivesAnEmptyList) {
  exec("UPDATE LabPrintDetails SET BillDelete='Deleted'");
  auto* f = open<frmCancelLabBill>();
  EXPECT_EQ(f->cmbBillNumber.count(), 0);
  boxes().expect("Please select the Bill Number", "Warning", vbCritical);
  Click(f->Picture1);
  EXPECT_EQ(boxes().pending(), 0);
}

TEST_F(TestCancelTest, AFailedCancelMarksNoLineAndKeepsTheForm) {
  const QStringList before = table("LabPrintDetails");
  auto* f = open<frmCancelLabBill>();
  TypeKeys(f->cmbBillNumber, "7");
  exec("CREATE TRIGGER fault BEFORE UPDATE ON LabPrintDetails WHEN NEW.BillNo = 7 AND "
       "(SELECT count(*) FROM LabPrintDetails WHERE BillDelete='Deleted' AND BillNo=7) >= 1 "
       "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
  boxes().expect("Do you Wish to Cancel ( Delete ) the Current Bill", "Warning", vbYesNo + vbCritical, vbYes);
  boxes().expect("Database Error. Please Check the database and try again", "Database Error", vbCritical);
  Click(f->Picture1);
  EXPECT_EQ(table("LabPrintDetails"), before);
  EXPECT_TRUE(LoadedForm<frmCancelLabBill>());
  EXPECT_EQ(endCount(), 0);
  EXPECT_EQ(boxes().pending(), 0);
}

}  // namespace
