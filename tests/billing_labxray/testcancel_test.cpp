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
    for (const char* table : {"LabPrintDetails", "XRayPrintDetails"}) {
      insertLine(table, 5, "2026-12-03", "CBC", "150", "305", "Tara", "OP21");
      insertLine(table, 7, "2026-12-04", "First", "100", "270", "Ravi", "IP10");
      insertLine(table, 5, "2026-12-03", "Sugar", "5", "305", "Tara", "OP21");
      insertLine(table, 7, "2026-12-04", "Second", "120", "270", "Ravi", "IP10");
      insertLine(table, 7, "2026-12-04", "Third", "50", "270", "Ravi", "IP10");
      insertLine(table, 9, "2026-12-04", "Old", "50", "50", "Noor", "OP22", "Deleted");
    }
  }
  QStringList table(const char* name) const {
    return rows(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(QString::fromLatin1(name)));
  }
  static void choose(TestCancelForm* f, const QString& number) {
    f->cmbBillNumber->setFocus();
    type(f->cmbBillNumber, number);
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
    for (int i = 0; i < f->cmbBillNumber->count(); ++i) numbers << f->cmbBillNumber->itemText(i);
    std::sort(numbers.begin(), numbers.end());
    EXPECT_EQ(numbers, (QStringList{"5", "7"}));

    choose(f, "7");
    EXPECT_EQ(rowsOf(f->List), (QStringList{"01|First|100", "02|Second|120", "03|Third|50"}));
    EXPECT_EQ(f->txtPatientName->text(), "Ravi");
    EXPECT_EQ(f->txtPatientID->text(), "IP10");
    EXPECT_EQ(f->txtGrassTotal->text(), "270");
    EXPECT_EQ(f->txtTotal->text(), "270");
    EXPECT_EQ(f->txtDiscount->text(), "0");
    EXPECT_EQ(f->DTPicker1->date(), QDate(2026, 12, 4));

    f->cmbBillNumber->setEditText("   ");  // blanks start no search
    EXPECT_EQ(f->List->topLevelItemCount(), 3);
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
    for (int i = 0; i < f->cmbBillNumber->count(); ++i) numbers << f->cmbBillNumber->itemText(i);
    EXPECT_EQ(numbers, (QStringList{"5", "7", "3"}));

    choose(f, "5");
    EXPECT_EQ(rowsOf(f->List), (QStringList{"01|CBC|150", "02|Sugar|5"}));
    f->cmbBillNumber->setEditText("3");
    EXPECT_EQ(rowsOf(f->List), (QStringList{"01|Early|10", "02|Late|30"}));
    boxes().expect("Do you Wish to Cancel ( Delete ) the Current Bill", "Warning", vbYesNo + vbCritical, vbYes);
    boxes().expect("Record Deleted ! Bill Cancelled ", "", vbInformation);
    click(f->Picture1);
    const QString lines = QStringLiteral("SELECT BillNo, BillDelete FROM %1 WHERE BillNo IN (2, 3) ORDER BY rowid");
    EXPECT_EQ(rows(lines.arg(table)), (QStringList{"3|Deleted", "2|Deleted", "3|Deleted"}));
  }
}

TEST_F(TestCancelTest, YesMarksExactlyThatBillsLinesAndCloses) {
  const QStringList before = table("LabPrintDetails");
  auto* f = open<frmCancelLabBill>();
  choose(f, "7");
  boxes().expect("Do you Wish to Cancel ( Delete ) the Current Bill", "Warning", vbYesNo + vbCritical, vbNo);
  click(f->Picture1);
  EXPECT_EQ(table("LabPrintDetails"), before);
  EXPECT_TRUE(LoadedForm<frmCancelLabBill>());

  boxes().expect("Do you Wish to Cancel ( Delete ) the Current Bill", "Warning", vbYesNo + vbCritical, vbYes);
  boxes().expect("Record Deleted ! Bill Cancelled ", "", vbInformation);
  click(f->Picture1);
  QStringList expected = before;
  for (int i : {1, 3, 4}) expected[i].replace("|Available", "|Deleted");
  EXPECT_EQ(table("LabPrintDetails"), expected);
  EXPECT_FALSE(LoadedForm<frmCancelLabBill>());
  EXPECT_EQ(boxes().pending(), 0);

  auto* again = open<frmCancelLabBill>();
  EXPECT_EQ(again->cmbBillNumber->count(), 1);
  EXPECT_EQ(again->cmbBillNumber->itemText(0), "5");
}

TEST_F(TestCancelTest, CancelWithNoBillFoundMarksNothing) {
  const QStringList before = table("XRayPrintDetails");
  auto* f = open<frmCancelXRayBill>();
  boxes().expect("Please select the Bill Number", "Warning", vbCritical);
  click(f->Picture1);  // nothing searched yet

  choose(f, "5");
  f->cmbBillNumber->setEditText("");  // the boxes still show bill 5; the number box names nothing
  EXPECT_EQ(f->txtPatientID->text(), "OP21");
  boxes().expect("Please select the Bill Number", "Warning", vbCritical);
  click(f->Picture1);
  EXPECT_TRUE(f->cmbBillNumber->hasFocus());
  EXPECT_EQ(table("XRayPrintDetails"), before);
  EXPECT_TRUE(LoadedForm<frmCancelXRayBill>());
  EXPECT_EQ(boxes().pending(), 0);
}

TEST_F(TestCancelTest, NoValidBillGivesAnEmptyList) {
  exec("UPDATE LabPrintDetails SET BillDelete='Deleted'");
  auto* f = open<frmCancelLabBill>();
  EXPECT_EQ(f->cmbBillNumber->count(), 0);
  boxes().expect("Please select the Bill Number", "Warning", vbCritical);
  click(f->Picture1);
  EXPECT_EQ(boxes().pending(), 0);
}

TEST_F(TestCancelTest, AFailedCancelMarksNoLineAndKeepsTheForm) {
  const QStringList before = table("LabPrintDetails");
  auto* f = open<frmCancelLabBill>();
  choose(f, "7");
  exec("CREATE TRIGGER fault BEFORE UPDATE ON LabPrintDetails WHEN NEW.BillNo = 7 AND "
       "(SELECT count(*) FROM LabPrintDetails WHERE BillDelete='Deleted' AND BillNo=7) >= 1 "
       "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
  boxes().expect("Do you Wish to Cancel ( Delete ) the Current Bill", "Warning", vbYesNo + vbCritical, vbYes);
  boxes().expect("Database Error. Please Check the database and try again", "Database Error", vbCritical);
  click(f->Picture1);
  EXPECT_EQ(table("LabPrintDetails"), before);
  EXPECT_TRUE(LoadedForm<frmCancelLabBill>());
  EXPECT_EQ(endCount(), 0);
  EXPECT_EQ(boxes().pending(), 0);
}

}  // namespace
