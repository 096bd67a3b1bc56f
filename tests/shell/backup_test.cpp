// The database back-up: the folder it starts in and remembers, the copy and its messages, and
// the copies that fail.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "data/employees.h"
#include "framework/mainmenus.h"
#include "globals.h"
#include "shell/copydatabase.h"
#include "shell/frmCopyDB.h"
#include "support/fixture.h"
#include "support/input.h"

namespace {

const QString kQuestion = QStringLiteral("Do you really want to take Back-up On this Folder");
const QString kFailed = QStringLiteral("Backup Error! Select Correct Folder");

QString saved(const QString& folder) {
  return QStringLiteral("Back-up Successfully stored in ") + folder + QStringLiteral(" this Directory");
}

class BackupTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    gCon = openDb();
    RecordMainMenus(menus);
    target = std::make_unique<QTemporaryDir>();
    exec("INSERT INTO SettingsEmployeeDetails(EmployeeID, FirstName) VALUES ('7', 'Ravi')");
  }

  void store(const QString& folder) { exec("UPDATE SettingsCopyDB SET BackupPath = '" + folder + "'"); }
  QString stored() const { return scalar("SELECT BackupPath FROM SettingsCopyDB"); }
  frmCopyDB* open() { return form = ShowForm<frmCopyDB>(); }
  // The copy button pressed and the question answered; `then` is the message that must follow.
  void copy(int answer = vbYes, const QString& then = {}, const QString& title = {}, int style = vbOKOnly) {
    boxes().expect(kQuestion, QStringLiteral("Back-up"), vbYesNo, answer);
    if (!then.isEmpty()) boxes().expect(then, title, style);
    Click(form->Picture1);
  }
  // The employees a back-up file holds, read through a connection of its own.
  static QString employeesIn(const QString& file) {
    auto con = std::make_shared<Connection>();
    con->Open(file);
    Recordset rs;
    rs.Open("SELECT EmployeeID FROM SettingsEmployeeDetails", con);
    QStringList ids;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) ids << rs.Fields(0).toText();
    return ids.join(',');
  }
  QString backupFile() const { return target->path() + "/backupostrel.mdb"; }
  QStringList filesInTarget() const { return QDir(target->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot); }

  std::unique_ptr<QTemporaryDir> target;
  frmCopyDB* form = nullptr;
  QStringList menus;
};

TEST_F(BackupTest, TheFirstBackUpStartsAtHomeAndItsFolderIsRememberedUntrimmed) {
  ASSERT_NE(open(), nullptr);
  EXPECT_EQ(menus, QStringList{"hide"});
  EXPECT_EQ(gActiveForm.data(), form);
  EXPECT_EQ(form->ShockwaveFlash1.GetVariable("Receive"), QString(20, ' ') + "Back-Up Database");
  EXPECT_EQ(form->lblFilesCount.text(), QDir::homePath());
  EXPECT_EQ(form->dirList.Path(), QDir::homePath());
  EXPECT_EQ(form->drvList.itemText(0), "/");
  EXPECT_EQ(form->Label1.text(), "New Back-up Directory Path");
  EXPECT_EQ(form->Picture11.toolTip(), "Click to take Back up on Selected Drive");

  form->dirList.SetPath(target->path());  // the user opens the folder
  EXPECT_EQ(form->lblFilesCount.text(), target->path());
  copy(vbNo);
  EXPECT_TRUE(filesInTarget().isEmpty());
  EXPECT_EQ(stored(), "");

  copy(vbYes, saved(target->path()));
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(filesInTarget(), QStringList{"backupostrel.mdb"});
  EXPECT_EQ(employeesIn(backupFile()), "7");
  EXPECT_EQ(stored(), target->path());

  // A second back-up replaces the first without asking more; the stored folder with blanks at
  // its ends is the folder trimmed for the copy and kept as it is everywhere else.
  form->Unload();
  exec("INSERT INTO SettingsEmployeeDetails(EmployeeID) VALUES ('8')");
  const QString padded = "  " + target->path() + " ";
  store(padded);
  ASSERT_NE(open(), nullptr);
  EXPECT_EQ(form->lblFilesCount.text(), padded);
  EXPECT_EQ(form->dirList.Path(), target->path());
  copy(vbYes, saved(padded));
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(employeesIn(backupFile()), "7,8");
  EXPECT_EQ(filesInTarget(), QStringList{"backupostrel.mdb"});
  EXPECT_EQ(stored(), padded);

  Click(form->ShockwaveFlash2);
  QCoreApplication::processEvents();
  EXPECT_EQ(LoadedForm<frmCopyDB>(), nullptr);
  EXPECT_EQ(menus, (QStringList{"hide", "show", "hide", "show"}));
}

TEST_F(BackupTest, AnyFileOfTheBackUpsNameIsReplacedByAWorkingDatabase) {
  QFile old(backupFile());
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("an old back-up that is no database");
  old.close();
  store(target->path());
  ASSERT_NE(open(), nullptr);
  copy(vbYes, saved(target->path()));
  EXPECT_EQ(employeesIn(backupFile()), "7");
  EXPECT_EQ(filesInTarget(), QStringList{"backupostrel.mdb"});
}

TEST_F(BackupTest, ACopyWrittenWhileAnotherConnectionWritesHoldsOnlyCommittedRows) {
  auto other = openDb();
  other->BeginTrans();
  Recordset rs;
  rs.Open(EmployeesRead(), other, adOpenDynamic, adLockOptimistic);
  rs.AddNew();
  rs.SetField(0, QStringLiteral("99"));
  rs.Update();
  EXPECT_TRUE(BackUpDatabase(gCon.get(), backupFile()));
  other->RollbackTrans();
  EXPECT_EQ(employeesIn(backupFile()), "7");
}

TEST_F(BackupTest, AFailedCopySaysSoAndStoresNothing) {
  struct Case {
    const char* name;
    std::function<void()> spoil;  // after the form has opened on the target folder
    const char* loadMessage;                 // shown while the form opens; nullptr: none
  };
  const Case cases[] = {
      {"the folder is gone", [this] { target->remove(); }, nullptr},
      {"the folder was removed before opening", [] {}, "Error:Path not found"},
      {"the folder is really a file",
       [this] {
         target->remove();
         QFile f(target->path());
         ASSERT_TRUE(f.open(QIODevice::WriteOnly));
       },
       nullptr},
      {"a folder has the back-up's name", [this] { QDir(target->path()).mkdir("backupostrel.mdb"); },
       nullptr},
      {"the database is not open", [] { gCon = std::make_shared<Connection>(); }, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    target = std::make_unique<QTemporaryDir>();
    gCon = openDb();
    const QString folder = target->path();
    store(folder);
    if (c.loadMessage) {
      target->remove();
      boxes().expect(QLatin1String(c.loadMessage), QString(), vbOKOnly);
    }
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(form->lblFilesCount.text(), folder);
    c.spoil();
    store("before");
    copy(vbYes, kFailed, QStringLiteral("Warning"), vbCritical);
    EXPECT_EQ(boxes().pending(), 0);
    EXPECT_EQ(stored(), "before");
    EXPECT_FALSE(QFileInfo(folder + "/backupostrel.mdb").isFile());
    EXPECT_FALSE(QFileInfo::exists(folder + "/backupostrel.mdb.part"));
    form->Unload();
    QFile::remove(folder);
  }
}

TEST_F(BackupTest, AMissingSettingsRowIsALineAfterTheCopyIsReportedStored) {
  store(target->path());
  ASSERT_NE(open(), nullptr);
  exec("DELETE FROM SettingsCopyDB");
  form->MainRecordset->Requery();
  copy(vbYes,
       saved(target->path()) +
           "\r\nThe folder was not remembered for the next back-up: There is no current row: the recordset stands "
           "before its first row, after its last row or on a deleted row");
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(employeesIn(backupFile()), "7");  // written, as the message says
}

TEST_F(BackupTest, TheTargetIsTheTrimmedFolderAndTheNameJoinedByOneSlash) {
  struct Case {
    const char* folder;
    const char* target;
  };
  for (const Case& c : {Case{"/", "/backupostrel.mdb"}, Case{"/srv/backups", "/srv/backups/backupostrel.mdb"},
                        Case{" /srv/backups/ ", "/srv/backups/backupostrel.mdb"}})
    EXPECT_EQ(frmCopyDB::BackupTarget(QLatin1String(c.folder)), QLatin1String(c.target)) << c.folder;
}

}  // namespace
