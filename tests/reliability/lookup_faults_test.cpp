// A look-up the database fails, with the file held by another process: the patient a bill is for
// and the bill a cancellation is for. The clerk is told the database's error, never that the
// patient or the bill is not there, and the text typed stays in the box for the next try.
#include "billing/outpatient/billform.h"
#include "billing/outpatient/frmCancelBill.h"
#include "faults.h"

namespace {

const QString kDatabaseError = QStringLiteral("Database Error. Please Check the database and try again");

class LookupFaultTest : public BillFormTest {};

TEST_F(LookupFaultTest, APatientLookedUpWhileTheFileIsHeldIsADatabaseErrorAndTheIdentifierStays) {
  ASSERT_TRUE(open());
  TypeKeys(form->cmbPatientName, "OP3");
  {
    LockHolder lock(dbPath(), true);
    ASSERT_TRUE(lock.held());
    boxes().expect(kDatabaseError, QStringLiteral("Database Error"), vbCritical);
    PressKey(form->cmbPatientName, Qt::Key_Return);
    EXPECT_EQ(boxes().pending(), 0) << "the failed look-up was not reported";
    EXPECT_EQ(form->cmbPatientName.currentText(), "OP3");
    EXPECT_EQ(form->txtPatientID.text(), "");
    EXPECT_FALSE(form->Chooser().HasPatient());
  }
  // The file free again, the same Enter chooses the patient.
  PressKey(form->cmbPatientName, Qt::Key_Return);
  EXPECT_EQ(form->txtPatientID.text(), "Beena");
  EXPECT_TRUE(form->Chooser().HasPatient());
  EXPECT_EQ(boxes().shown().size(), 1u);
}

class CancelLookupFaultTest : public HalvionTest {};

TEST_F(CancelLookupFaultTest, ABillLookedUpWhileTheFileIsHeldIsADatabaseErrorAndTheNumberStays) {
  exec("INSERT INTO OutPatientPrintDetails VALUES "
       "(3, '2026-12-08', '100', '', '', '', '50', '', '', '150', 'ABC', 'OP17', 'Available')");
  gCon = openDb();
  auto* f = ShowForm<frmCancelBill>();
  ASSERT_NE(f, nullptr);
  {
    LockHolder lock(dbPath(), true);
    ASSERT_TRUE(lock.held());
    boxes().expect(kDatabaseError, QStringLiteral("Database Error"), vbCritical);
    TypeKeys(f->cmbBillNumber, "3");
    EXPECT_EQ(boxes().pending(), 0) << "the failed look-up was not reported";
    EXPECT_EQ(f->cmbBillNumber.currentText(), "3");
    EXPECT_EQ(f->txtPatientName.text(), "");
    // Cancel looks the number up again, and says what failed once more, not that no bill is
    // selected.
    boxes().expect(kDatabaseError, QStringLiteral("Database Error"), vbCritical);
    Click(f->Picture1);
    EXPECT_EQ(boxes().pending(), 0);
  }
  // The file free again, Cancel finds the bill the number names and asks about it.
  boxes().expect(QStringLiteral("Do you Wish to Cancel ( Delete ) the Current Bill"), QStringLiteral("Warning"),
                 vbCritical + vbYesNo, vbNo);
  Click(f->Picture1);
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(f->txtPatientName.text(), "ABC");
  // The same number typed again is found.
  TypeOver(f->cmbBillNumber, "3");
  EXPECT_EQ(f->txtPatientName.text(), "ABC");
  EXPECT_EQ(f->txtTotal.text(), "150");
  EXPECT_EQ(boxes().shown().size(), 3u);
}

}  // namespace
