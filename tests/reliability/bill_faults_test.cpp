// An out-patient bill saved while the storage fails: a full disk, writes refused, a lock held by
// another process. Each time the fault is shown as the database's own error, the bill is neither
// saved nor numbered, and once the fault is gone the same form saves the same bill. A fault that
// keeps the number from being held for the paper (writes refused, the lock held) is met before
// anything is printed; a full disk only once the sheet is out.
#include "billing/outpatient/billform.h"
#include "faults.h"

namespace {

enum class Fault { DiskFull, WritesRefused, Locked };

struct FaultCase {
  const char* name;
  Fault fault;
  const char* says;  // what the database's description holds
  bool printed;      // the sheet came out before the fault was met
};

class BillFaultTest : public BillFormTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(BillFaultTest, TheFailedSaveIsReportedLosesNothingAndCanBeDoneAgain) {
  // A name longer than a page, so that the bill's row cannot fit without the file growing.
  exec(QStringLiteral("INSERT INTO SettingsOutPatient (EmployeeID, FirstName, Sex, Age, Address, Location) "
                      "VALUES ('OP99', '%1', 'Male', '50', 'Ward Road', 'Pala')")
           .arg(QString(5000, u'N')));
  ASSERT_TRUE(open());
  choose("OP99");
  form->cmbDrName.setEditText("Dr Meera");
  fees("100", "", "50", "");
  Click(form->Picture1);
  ASSERT_EQ(form->List.topLevelItemCount(), 2);
  const QString number = form->Label2.text();
  const QString before = DatabaseDump(dbPath());

  std::unique_ptr<LockHolder> lock;
  switch (GetParam().fault) {
    case Fault::DiskFull: ASSERT_TRUE(FillDisk(*gCon)); break;
    case Fault::WritesRefused: RefuseWrites(*gCon); break;
    case Fault::Locked:
      lock = std::make_unique<LockHolder>(dbPath());
      ASSERT_TRUE(lock->held());
      ASSERT_FALSE(CanTakeWriteLock(dbPath()));
      break;
  }

  boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
  boxes().allowAny();
  Click(form->Picture2);
  boxes().strict();
  ASSERT_EQ(boxes().shown().size(), 2u);
  const ShownBox& said = boxes().shown()[1];
  // In the database's own words, never a printer fault.
  EXPECT_TRUE(said.prompt.contains(QString::fromUtf8(GetParam().says))) << said.prompt.toStdString();
  EXPECT_FALSE(said.prompt.contains("Printer")) << said.prompt.toStdString();
  EXPECT_EQ(said.style, vbCritical);
  if (GetParam().printed) {
    // The sheet came out: the clerk must know the bill is not saved, and that printing again saves it.
    EXPECT_TRUE(said.prompt.startsWith("The bill was printed but not saved: ")) << said.prompt.toStdString();
    EXPECT_TRUE(said.prompt.endsWith("\r\nPrint it again to save it under the same number.")) << said.prompt.toStdString();
    EXPECT_EQ(said.title, "Print Info");
  } else {
    EXPECT_FALSE(said.prompt.contains("printed")) << said.prompt.toStdString();
    EXPECT_EQ(said.title, "");
  }
  if (lock) {
    EXPECT_FALSE(CanTakeWriteLock(dbPath())) << "the lock was let go before the save gave up";
  }
  EXPECT_EQ(DatabaseDump(dbPath()), before);
  EXPECT_EQ(printer().EndDocCount(), GetParam().printed ? 1 : 0);

  // The fault is gone: the form still holds the bill and saves it under the same number.
  FreeDisk(*gCon);
  AllowWrites(*gCon);
  lock.reset();
  boxes().clearShown();
  printAndSave();
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(scalar("SELECT BillNo FROM OutPatientPrintDetails WHERE PatientID = 'OP99'"), number);
  EXPECT_EQ(scalar("SELECT BillNo FROM SettingsOutBillNo"), number);
  EXPECT_EQ(billRows(), 1);
}

INSTANTIATE_TEST_SUITE_P(Faults, BillFaultTest,
                         ::testing::Values(FaultCase{"DiskFull", Fault::DiskFull, "database or disk is full", true},
                                           FaultCase{"WritesRefused", Fault::WritesRefused,
                                                     "attempt to write a readonly database", false},
                                           FaultCase{"Locked", Fault::Locked, "the database is locked", false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
