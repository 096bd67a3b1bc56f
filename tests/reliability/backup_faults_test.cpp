// A back-up whose folder cannot be stored, the writes refused or the file held by another
// program past the busy timeout: the copy is written and reported as stored, a second line says
// the folder was not remembered and gives the database's description, the folder stored before
// stays, and the next back-up of the same opening stores its folder.
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <string>

#include "faults.h"
#include "globals.h"
#include "shell/frmCopyDB.h"
#include "support/fixture.h"
#include "support/input.h"

namespace {

// The sqlite3 shell on the same file, inside a transaction that holds the write lock until it
// is let go: another program a clerk might have open beside Halvion.
class ShellHoldsTheFile {
public:
  explicit ShellHoldsTheFile(const QString& file) {
    shell_.setProgram(QStringLiteral("sqlite3"));
    shell_.setArguments({QStringLiteral("-bail"), file});  // -bail: no "held" when BEGIN fails
    shell_.start();
    if (!shell_.waitForStarted(5000)) return;
    shell_.write("BEGIN IMMEDIATE;\nSELECT 'held';\n");
    QByteArray out;
    while (!out.contains("held") && shell_.waitForReadyRead(5000)) out += shell_.readAllStandardOutput();
    held_ = out.contains("held");
  }
  ~ShellHoldsTheFile() { Release(); }
  bool held() const { return held_; }
  void Release() {
    if (shell_.state() == QProcess::NotRunning) return;
    shell_.write("ROLLBACK;\n.quit\n");
    shell_.closeWriteChannel();
    if (!shell_.waitForFinished(5000)) shell_.kill();
    shell_.waitForFinished(5000);
  }

private:
  QProcess shell_;
  bool held_ = false;
};

enum class Fault { WritesRefused, HeldByAnotherProgram };

struct FaultCase {
  const char* name;
  Fault fault;
  const char* says;
};
void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

std::string Stored(const QString& folder) {
  return "Back-up Successfully stored in " + folder.toStdString() + " this Directory";
}

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
    EXPECT_EQ(boxes().shown()[1].style, vbOKOnly);
    EXPECT_EQ(boxes().shown()[1].title, QString());
    return boxes().shown()[1].prompt.toStdString();
  }
};

TEST_P(BackupFaultTest, ACopyWhoseFolderCannotBeStoredIsReportedStoredAndTheNextBackUpStoresItsOwn) {
  ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty())
      << "the sqlite3 shell (Debian package sqlite3) is needed";
  QTemporaryDir target;
  const QString file = target.path() + QStringLiteral("/backupostrel.mdb");
  frmCopyDB* form = ShowForm<frmCopyDB>();
  ASSERT_TRUE(form);
  form->dirList.SetPath(target.path());

  std::unique_ptr<ShellHoldsTheFile> shell;
  if (GetParam().fault == Fault::WritesRefused) {
    RefuseWrites(*gCon);
  } else {
    shell = std::make_unique<ShellHoldsTheFile>(dbPath());
    ASSERT_TRUE(shell->held());
  }
  EXPECT_EQ(backUp(form), Stored(target.path()) + "\r\nThe folder was not remembered for the next back-up: " +
                              GetParam().says);
  EXPECT_TRUE(QFileInfo(file).isFile());  // the copy is there, as the message says
  EXPECT_EQ(stored().toStdString(), folder().toStdString());

  AllowWrites(*gCon);
  shell.reset();
  QFile::remove(file);
  EXPECT_EQ(backUp(form), Stored(target.path()));
  EXPECT_TRUE(QFileInfo(file).isFile());
  EXPECT_EQ(stored().toStdString(), target.path().toStdString());
}

INSTANTIATE_TEST_SUITE_P(Faults, BackupFaultTest,
                         ::testing::Values(FaultCase{"WritesRefused", Fault::WritesRefused,
                                                     "Cannot change the row: attempt to write a readonly database"},
                                           FaultCase{"HeldByAnotherProgram", Fault::HeldByAnotherProgram,
                                                     "Cannot change the row: the database is locked: another "
                                                     "connection or program kept it busy for more than 2 seconds "
                                                     "(database is locked)"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
