// A user account saved while the storage fails: the database's description is shown, the form
// stays in its edit with the row pending, nothing is stored, and the same Save works once the
// fault is gone.
#include "faults.h"
#include "shell/users_support.h"

namespace {

enum class Fault { DiskFull, WritesRefused, Locked };

struct FaultCase {
  const char* name;
  Fault fault;
  const char* says;
};

class RecordFaultTest : public UsersTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(RecordFaultTest, TheFailedSaveIsReportedAndTheRowStaysPending) {
  addUser(QStringLiteral("tumbo"));
  open();
  clickNew();
  // A password whose stored cipher is longer than a page.
  const QString password(2300, u'p');
  fill(QStringLiteral("kip"), password, password, 0);
  const QString before = DatabaseDump(dbPath());

  std::unique_ptr<LockHolder> lock;
  switch (GetParam().fault) {
    case Fault::DiskFull: ASSERT_TRUE(FillDisk(*gCon)); break;
    case Fault::WritesRefused: RefuseWrites(*gCon); break;
    case Fault::Locked:
      lock = std::make_unique<LockHolder>(dbPath());
      ASSERT_TRUE(lock->held());
      break;
  }
  boxes().allowAny();
  clickSave();
  boxes().strict();
  ASSERT_EQ(boxes().shown().size(), 1u);
  EXPECT_TRUE(boxes().shown()[0].prompt.contains(QString::fromUtf8(GetParam().says)))
      << boxes().shown()[0].prompt.toStdString();
  if (lock) {
    EXPECT_FALSE(CanTakeWriteLock(dbPath()));
  }
  EXPECT_EQ(mode(), "edit");
  EXPECT_EQ(DatabaseDump(dbPath()), before);

  FreeDisk(*gCon);
  AllowWrites(*gCon);
  lock.reset();
  boxes().expect(QStringLiteral("Record Saved Successfully"));
  clickSave();
  EXPECT_EQ(names(), "tumbo,kip");
  EXPECT_EQ(mode(), "browse");
  EXPECT_EQ(DecryptText(scalar("SELECT Password FROM SettingsNewUser WHERE UserName = 'kip'")), password);
}

INSTANTIATE_TEST_SUITE_P(Faults, RecordFaultTest,
                         ::testing::Values(FaultCase{"DiskFull", Fault::DiskFull, "database or disk is full"},
                                           FaultCase{"WritesRefused", Fault::WritesRefused,
                                                     "attempt to write a readonly database"},
                                           FaultCase{"Locked", Fault::Locked, "the database is locked"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
