// A back-up whose folder cannot be stored, the writes refused or the file locked by another
// program: the copy is written, the database's description is shown after "Error :", the folder
// stored before stays, and the next back-up of the same opening stores its folder and says so.
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>

#include "faults.h"
#include "globals.h"
#include "shell/frmCopyDB.h"
#include "support/fixture.h"
#include "support/input.h"

namespace {

enum class Fault { WritesRefused, Locked };

struct FaultCase {
  const char* name;
  Fault fault;
  const char* says;
};
void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class BackupFaultTest : public HalvionTest, public ::testing::WithParamInterface<FaultCase> {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    exec("UPDATE SettingsCopyDB SET BackupPath = '" + folder() + "'");
    gCon = openDb();
  }
  QString stored() const { return scalar("SELECT BackupPath FROM SettingsCopyDB"); }
  // The copy button pressed and the question answered Yes: the message that follows.
  std::string backUp(frmCopyDB* form) {
    boxes().expect(QStringLiteral("Do you really want to take Back-up On this Folder"), QStringLiteral("Back-up"),
                   vbYesNo, vbYes);
    boxes().allowAny();
    boxes().clearShown();
    Click(form->Picture1);
    boxes().strict();
    EXPECT_EQ(boxes().pending(), 0);
    if (boxes().shown().size() != 2) return std::to_string(boxes().shown().size()) + " boxes";
    return boxes().shown()[1].prompt.toStdString();
  }
};

TEST_P(BackupFaultTest, AFolderThatCannotBeStoredLeavesTheNextBackUpToStoreItsOwn) {
  QTemporaryDir target;
  const QString file = target.path() + QStringLiteral("/backupostrel.mdb");
  frmCopyDB* form = ShowForm<frmCopyDB>();
  ASSERT_TRUE(form);
  form->dirList.SetPath(target.path());

  std::unique_ptr<LockHolder> lock;
  if (GetParam().fault == Fault::WritesRefused) {
    RefuseWrites(*gCon);
  } else {
    lock = std::make_unique<LockHolder>(dbPath());
    ASSERT_TRUE(lock->held());
  }
  const std::string failed = backUp(form);
  EXPECT_EQ(failed.rfind("Error :", 0), 0u) << failed;
  EXPECT_NE(failed.find(GetParam().says), std::string::npos) << failed;
  EXPECT_TRUE(QFileInfo(file).isFile());  // written all the same
  EXPECT_EQ(stored().toStdString(), folder().toStdString());

  AllowWrites(*gCon);
  lock.reset();
  QFile::remove(file);
  EXPECT_EQ(backUp(form), "Back-up Successfully stored in " + target.path().toStdString() + " this Directory");
  EXPECT_TRUE(QFileInfo(file).isFile());
  EXPECT_EQ(stored().toStdString(), target.path().toStdString());
}

INSTANTIATE_TEST_SUITE_P(Faults, BackupFaultTest,
                         ::testing::Values(FaultCase{"WritesRefused", Fault::WritesRefused,
                                                     "attempt to write a readonly database"},
                                           FaultCase{"Locked", Fault::Locked, "the database is locked"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
