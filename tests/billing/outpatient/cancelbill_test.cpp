// Cancelling an out-patient bill: the list of valid bills, the look-up, the question, the one
// column written, and every way Cancel refuses.
#include "billing/outpatient/frmCancelBill.h"
#include "billing/outpatient/frmCancelOutBillReport.h"
#include "opreports.h"

namespace {

class CancelBillTest : public OpReportsTest {
protected:
  void SetUp() override {
    OpReportsTest::SetUp();
    exec("INSERT INTO OutPatientPrintDetails VALUES "
         "(7, '2026-12-01', '100', '', '', '', '', '', '', '100', 'Gita', 'OP7', 'Available'), "
         "(3, '2026-12-08', '100', '20.5', '', '', '50', '0', '9', '170.5', 'ABC', 'OP17', 'Available'), "
         "(4, '2026-12-02', '40', '', '', '', '', '', '', '40', 'Old', 'OP4', 'Deleted'), "
         "(12, '2026-12-09', '60', '', '', '', '', '', '', '60', 'Hari', 'OP12', 'Available'), "
         "(5, '2026-12-09', '70', '', '', '', '', '', '', '70', 'Mini', 'OP5', 'Available')");
  }

  static QStringList items(const QComboBox* combo) {
    QStringList out;
    for (int i = 0; i < combo->count(); ++i) out << combo->itemText(i);
    return out;
  }
  // Every column of every bill, to see what a cancellation changed.
  QString table() const {
    return scalar("SELECT group_concat(row, ';') FROM (SELECT quote(BillNo)||','||quote(Date)||','||quote(DrFees)||','||"
                  "quote(DressingCharges)||','||quote(XRay)||','||quote(LabCharge)||','||quote(ECG)||','||quote(Scan)||','"
                  "||quote(Others)||','||quote(total)||','||quote(patientName)||','||quote(patientid)||','||"
                  "quote(BillDelete) AS row FROM OutPatientPrintDetails ORDER BY rowid)");
  }
  QString status(int billNo) const {
    return scalar(QString("SELECT BillDelete FROM OutPatientPrintDetails WHERE BillNo = %1").arg(billNo));
  }
  void refused(frmCancelBill* f) {
    boxes().expect("Please select the Bill Number", "Warning", vbCritical);
    Click(f->Picture1);
  }
  void askedAndAnswered(int answer) {
    boxes().expect("Do you Wish to Cancel ( Delete ) the Current Bill", "Warning", vbCritical + vbYesNo, answer);
  }
};

TEST_F(CancelBillTest, ListsTheValidBillsInTableOrderAndShowsOneAsStored) {
  auto* f = open<frmCancelBill>();
  ASSERT_TRUE(f);
  EXPECT_EQ(items(&f->cmbBillNumber), (QStringList{"7", "3", "12", "5"}));
  EXPECT_EQ(f->cmbBillNumber.currentText(), "");
  EXPECT_EQ(f->DTPicker1.date(), QDate(2026, 12, 10));

  TypeKeys(f->cmbBillNumber, "3");
  EXPECT_EQ(f->cmbBillNumber.currentText(), "3");
  EXPECT_EQ(f->txtPatientName.text(), "ABC");
  EXPECT_EQ(f->txtPatientID.text(), "OP17");
  QStringList fees;
  for (const QLineEdit& box : f->Text1) fees << box.text();
  EXPECT_EQ(fees, (QStringList{"100", "20.5", "", "", "50", "0", "9"}));
  EXPECT_EQ(f->DTPicker1.date(), QDate(2026, 12, 8));
  EXPECT_EQ(f->txtTotal.text(), "170.5");
  // Shown, not edited: nothing typed there would be saved.
  EXPECT_TRUE(f->txtPatientName.isReadOnly());
  EXPECT_TRUE(f->Text1[0].isReadOnly());
  EXPECT_TRUE(f->txtTotal.isReadOnly());
}

TEST_F(CancelBillTest, YesCancelsOnlyThatBillAndClosesTheForm) {
  const QString before = table();
  auto* f = open<frmCancelBill>();
  ASSERT_TRUE(f);
  TypeKeys(f->cmbBillNumber, "3");
  askedAndAnswered(vbYes);
  boxes().expect("Record Deleted ! Bill Cancelled ", "", vbInformation);
  Click(f->Picture1);
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_FALSE(LoadedForm<frmCancelBill>());
  QString expected = before;
  expected.replace("'ABC','OP17','Available'", "'ABC','OP17','Deleted'");
  EXPECT_EQ(table(), expected);

  // Reopened, the bill is offered no more, and typing its number finds nothing to cancel.
  f = open<frmCancelBill>();
  ASSERT_TRUE(f);
  EXPECT_EQ(items(&f->cmbBillNumber), (QStringList{"7", "12", "5"}));
  TypeKeys(f->cmbBillNumber, "3");
  EXPECT_EQ(f->txtPatientID.text(), "");
  refused(f);
  EXPECT_EQ(table(), expected);

  // The cancelled-bill report of its day lists it.
  f->Unload();
  auto* report = open<frmCancelOutBillReport>();
  ASSERT_TRUE(report);
  report->DTPicker1.setDate(QDate(2026, 12, 8));
  Click(report->Picture1);
  EXPECT_EQ(listed(&report->List), QStringList{"01 | ABC-OP17 | 3 | 170.50"});
}

TEST_F(CancelBillTest, RefusesUnlessTheShownBillIsTheOneFound) {
  const QString before = table();
  auto* f = open<frmCancelBill>();
  ASSERT_TRUE(f);
  // Nothing shown yet.
  refused(f);
  EXPECT_EQ(f->focusWidget(), &f->cmbBillNumber);

  // "1" completes to 12 and finds it; Backspace takes the completed "2" away, and "1" is no
  // bill: the screen still shows bill 12, which must not be cancelled through a number not shown.
  TypeKeys(f->cmbBillNumber, "1");
  ASSERT_EQ(f->cmbBillNumber.currentText(), "12");
  ASSERT_EQ(f->txtPatientID.text(), "OP12");
  PressKey(f->cmbBillNumber, Qt::Key_Backspace);
  ASSERT_EQ(f->cmbBillNumber.currentText(), "1");
  EXPECT_EQ(f->txtPatientID.text(), "OP12");
  refused(f);

  // Emptied, likewise.
  f->cmbBillNumber.setEditText("");
  refused(f);
  EXPECT_EQ(table(), before);

  // Found again: No leaves everything as it was, with the bill shown.
  TypeKeys(f->cmbBillNumber, "12");
  askedAndAnswered(vbNo);
  Click(f->Picture1);
  EXPECT_EQ(table(), before);
  EXPECT_TRUE(LoadedForm<frmCancelBill>());
  EXPECT_EQ(f->txtPatientID.text(), "OP12");
}

TEST_F(CancelBillTest, AFailedWriteIsReportedAndNothingIsDone) {
  exec("CREATE TRIGGER refuse BEFORE UPDATE ON OutPatientPrintDetails BEGIN SELECT RAISE(ABORT, 'disk is full'); END");
  auto* f = open<frmCancelBill>();
  ASSERT_TRUE(f);
  TypeKeys(f->cmbBillNumber, "5");
  askedAndAnswered(vbYes);
  boxes().allowAny();
  Click(f->Picture1);
  boxes().strict();
  ASSERT_EQ(boxes().shown().size(), 2u);
  const ShownBox& error = boxes().shown().back();
  EXPECT_TRUE(error.prompt.contains("disk is full")) << error.prompt.toStdString();
  EXPECT_EQ(error.title, "");
  EXPECT_EQ(error.style, vbOKOnly);
  EXPECT_EQ(status(5), "Available");
  EXPECT_EQ(LoadedForm<frmCancelBill>(), f);

  // Once the database takes writes again, the same bill is cancelled.
  exec("DROP TRIGGER refuse");
  askedAndAnswered(vbYes);
  boxes().expect("Record Deleted ! Bill Cancelled ", "", vbInformation);
  Click(f->Picture1);
  EXPECT_EQ(status(5), "Deleted");
  EXPECT_EQ(scalar("SELECT count(*) FROM OutPatientPrintDetails WHERE BillDelete = 'Deleted'"), "2");
}

// Another program cancels (or removes) the shown bill between the look-up and the Cancel: the
// bill is not cancelled a second time, the form says no bill is chosen, and nothing is written.
TEST_F(CancelBillTest, ABillCancelledElsewhereSinceTheLookUpIsNotCancelledAgain) {
  const struct {
    const char* name;
    const char* bill;
    const char* sql;
  } cases[] = {
      {"cancelled by another program", "3", "UPDATE OutPatientPrintDetails SET BillDelete = 'Deleted' WHERE BillNo = 3"},
      {"no longer in the table", "12", "DELETE FROM OutPatientPrintDetails WHERE BillNo = 12"},
  };
  auto* f = open<frmCancelBill>();
  ASSERT_TRUE(f);
  const auto other = openDb();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    f->cmbBillNumber.setEditText("");
    TypeKeys(f->cmbBillNumber, c.bill);
    ASSERT_EQ(f->cmbBillNumber.currentText(), c.bill);
    ASSERT_FALSE(f->txtPatientID.text().isEmpty());
    // The clerk moves on to the bill's date (leaving the number box looks the bill up again),
    // and meanwhile another program writes.
    f->DTPicker1.setFocus();
    other->Execute(c.sql);
    const QString before = table();
    exec("CREATE TABLE writes (n); CREATE TRIGGER counted AFTER UPDATE ON OutPatientPrintDetails "
         "BEGIN INSERT INTO writes VALUES (1); END");
    askedAndAnswered(vbYes);
    refused(f);
    EXPECT_EQ(boxes().pending(), 0);
    EXPECT_EQ(scalar("SELECT count(*) FROM writes"), "0");
    EXPECT_EQ(table(), before);
    EXPECT_EQ(LoadedForm<frmCancelBill>(), f);
    EXPECT_EQ(f->focusWidget(), &f->cmbBillNumber);
    exec("DROP TRIGGER counted; DROP TABLE writes");
  }
  // The bills nobody touched are cancelled as ever.
  f->cmbBillNumber.setEditText("");
  TypeKeys(f->cmbBillNumber, "5");
  askedAndAnswered(vbYes);
  boxes().expect("Record Deleted ! Bill Cancelled ", "", vbInformation);
  Click(f->Picture1);
  EXPECT_EQ(status(5), "Deleted");
  EXPECT_EQ(status(7), "Available");
}

TEST_F(CancelBillTest, EmptyTableAndFutureDate) {
  exec("UPDATE OutPatientPrintDetails SET BillDelete = 'Deleted'");
  auto* f = open<frmCancelBill>();
  ASSERT_TRUE(f);
  EXPECT_EQ(f->cmbBillNumber.count(), 0);
  refused(f);
  boxes().expect("Please Select date Less than Equal To Current Date\r\nYou cannt Bill for Future Date", "Warning",
                 vbCritical);
  f->DTPicker1.setDate(QDate(2026, 12, 11));
  EXPECT_EQ(f->DTPicker1.date(), QDate(2026, 12, 10));
}

}  // namespace
