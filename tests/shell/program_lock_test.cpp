// One copy of the program per database file, however the file is reached: a second start while a
// first copy runs says so and ends without touching the file; a first copy killed outright never
// blocks the next start.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <QTemporaryDir>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>
#include <sys/wait.h>
#include <functional>
#include <vector>

#include "data/connectdb.h"
#include "framework/databaseerror.h"
#include "framework/mainmenus.h"
#include "framework/vbform.h"
#include "globals.h"
#include "platform/flashmovie.h"
#include "platform/msgbox.h"
#include "platform/programlock.h"
#include "platform/system.h"
#include "shell/frmCopyDB.h"
#include "shell/frmLoading.h"
#include "shell/frmLogin.h"
#include "shell/frmMain.h"
#include "shell/startup.h"
#include "support/desktop_fake.h"
#include "support/fixture.h"
#include "support/input.h"

namespace {

const QString kRunning = QStringLiteral("Halvion is already running on this database. Close the other window first.");

class ProgramLockTest : public HalvionTest {
protected:
  void TearDown() override {
    if (first.state() != QProcess::NotRunning) {
      first.kill();
      first.waitForFinished();
    }
    ResetForms();
    HalvionTest::TearDown();
  }

  // The real program, started in the test's program folder (it works on the database beside
  // it), running until it holds the lock.
  void startFirstCopy() {
    const QString program = folder() + QStringLiteral("/halvion");
    ASSERT_TRUE(QFile::copy(QStringLiteral(HALVION_PROGRAM), program));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    first.setProcessEnvironment(env);
    first.start(program, {});
    ASSERT_TRUE(first.waitForStarted());
    // Held once the file names its holder: on a busy machine the copy can be caught between
    // making the file and writing into it (that case has its own test).
    for (int i = 0; i < 500 && QFileInfo(lockPath()).size() == 0; ++i) QTest::qWait(10);
    ASSERT_GT(QFileInfo(lockPath()).size(), 0);
  }
  QString lockPath() const { return dbPath() + QStringLiteral(".lock"); }
  QByteArray lockFileText() const {
    QFile f(lockPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  QByteArray databaseBytes() const {
    QFile f(dbPath());
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
  }

  QProcess first;
  DesktopFakeScope desktop;
};

TEST_F(ProgramLockTest, SecondStartSaysSoAndEndsUntilTheFirstCopyIsKilled) {
  startFirstCopy();
  const QByteArray before = databaseBytes();
  const QDateTime modified = QFileInfo(dbPath()).lastModified();

  boxes().expect(kRunning, QStringLiteral("Halvion"), vbCritical);
  StartProgram();
  EXPECT_EQ(endCount(), 1);
  EXPECT_EQ(LoadedForm<frmLoading>(), nullptr) << "the splash must not even load";
  EXPECT_EQ(databaseBytes(), before);
  EXPECT_EQ(QFileInfo(dbPath()).lastModified(), modified);

  // Killed outright: its lock file stays behind, naming a process that is gone.
  ::kill(pid_t(first.processId()), SIGKILL);
  ASSERT_TRUE(first.waitForFinished());
  ASSERT_TRUE(QFileInfo::exists(lockPath()));

  StartProgram();
  EXPECT_EQ(endCount(), 1) << "a killed copy must not block the next start";
  EXPECT_NE(LoadedForm<frmLoading>(), nullptr);
  EXPECT_EQ(boxes().prompts().join(QStringLiteral(" | ")).toStdString(), kRunning.toStdString());
}

// Another program folder whose database is the first one's file, linked in: by a symbolic link,
// by a hard link, or the whole folder a symbolic link to the first. Each start there is refused
// while the first copy runs, and after its end the same way in starts.
TEST_F(ProgramLockTest, EveryWayToTheFileMeetsTheOneLock) {
  startFirstCopy();
  const QByteArray before = databaseBytes();
  const QByteArray holder = lockFileText();
  QTemporaryDir elsewhere;
  ASSERT_TRUE(elsewhere.isValid());
  struct Way {
    const char* name;
    QString folder;
    std::function<bool(const QString&)> link;  // makes the folder's way to the first copy's file
  };
  const QString file = dbPath();
  const std::vector<Way> ways = {
      {"a symbolic link to the file", elsewhere.filePath("soft"),
       [&](const QString& f) { return QDir().mkdir(f) && QFile::link(file, f + "/quorveldb.mdb"); }},
      {"a hard link to the file", elsewhere.filePath("hard"),
       [&](const QString& f) {
         return QDir().mkdir(f) && ::link(QFile::encodeName(file).constData(),
                                          QFile::encodeName(f + "/quorveldb.mdb").constData()) == 0;
       }},
      {"the folder a symbolic link", elsewhere.filePath("folder"),
       [&](const QString& f) { return QFile::link(folder(), f); }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    ASSERT_TRUE(way.link(way.folder));
    SetAppPath(way.folder);
    const int ends = endCount();
    boxes().expect(kRunning, QStringLiteral("Halvion"), vbCritical);
    StartProgram();
    EXPECT_EQ(endCount(), ends + 1);
    EXPECT_EQ(LoadedForm<frmLoading>(), nullptr);
    EXPECT_EQ(lockFileText(), holder) << "the first copy's lock file is left as it was";
    if (!QFileInfo(way.folder).isSymLink()) {
      EXPECT_FALSE(QFileInfo::exists(way.folder + "/quorveldb.mdb.lock")) << "a refused start makes no lock file";
    }
  }
  EXPECT_EQ(databaseBytes(), before);

  ::kill(pid_t(first.processId()), SIGKILL);
  ASSERT_TRUE(first.waitForFinished());
  SetAppPath(ways[1].folder);
  StartProgram();
  EXPECT_NE(LoadedForm<frmLoading>(), nullptr) << "the hard link's folder starts once the first copy is gone";
  EXPECT_EQ(boxes().pending(), 0);
  SetAppPath(folder());
}

// The lock file is only the holder's name card: removed while the first copy runs, it lets no
// second copy in.
TEST_F(ProgramLockTest, ALockFileRemovedUnderARunningCopyLetsNoSecondCopyIn) {
  startFirstCopy();
  ASSERT_TRUE(QFile::remove(lockPath()));
  boxes().expect(kRunning, QStringLiteral("Halvion"), vbCritical);
  StartProgram();
  EXPECT_EQ(endCount(), 1);
  EXPECT_EQ(LoadedForm<frmLoading>(), nullptr);
  EXPECT_EQ(LockDatabaseFile(dbPath()), ProgramLock::HeldByAnother);
}

// A lock file left on a shared folder by a copy on another machine cannot be judged from here: it
// refuses until it is removed (which the README tells the desk to do once that copy is closed).
TEST_F(ProgramLockTest, ALockFileOfAnotherMachineRefusesUntilItIsRemoved) {
  {
    QFile other(lockPath());
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("4242\nhalvion\nthe-desk-upstairs\n");
  }
  boxes().expect(QStringLiteral("Halvion is already running on this database on the computer \"the-desk-upstairs\". "
                                "Once it is closed there, delete the file \"%1\" and start again.")
                     .arg(lockPath()),
                 QStringLiteral("Halvion"), vbCritical);
  StartProgram();
  EXPECT_EQ(endCount(), 1);
  EXPECT_EQ(LoadedForm<frmLoading>(), nullptr);
  EXPECT_TRUE(QFileInfo::exists(lockPath())) << "another machine's lock file is left where it is";

  ASSERT_TRUE(QFile::remove(lockPath()));
  StartProgram();
  EXPECT_NE(LoadedForm<frmLoading>(), nullptr);
}

// No copy runs, but the lock file cannot be taken over: a folder in its place, or a file of
// another user that this one may neither read nor remove (a folder where only the owner of a file
// may remove it, as /tmp). The message names the file and the system's reason, and says what to
// remove; the file stays. That user cannot open the database to ask the file system whether a copy
// holds it, so the message does not say that none does.
TEST_F(ProgramLockTest, ALockFileInTheWayIsNamedWithTheSystemsReason) {
  struct Case {
    const char* name;
    std::function<void()> block;
    bool asAnotherUser;  // started as a user that is not the file's owner (root may remove anything)
    const char* reason;
    const char* advice;
  };
  const std::vector<Case> cases = {
      {"a folder", [&] { ASSERT_TRUE(QDir().mkpath(lockPath() + "/inside")); }, false, "Is a directory",
       "No copy of Halvion is using the database; remove that folder and start again."},
      {"another user's file",
       [&] {
         QFile file(lockPath());
         ASSERT_TRUE(file.open(QIODevice::WriteOnly));
         file.write("4242\nhalvion\n");
         file.close();
         ASSERT_EQ(::chmod(QFile::encodeName(lockPath()).constData(), 0600), 0);
         ASSERT_EQ(::chmod(QFile::encodeName(folder()).constData(), 01777), 0);
       },
       true, "Operation not permitted",
       "Once no copy of Halvion is using the database, remove that file and start again."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QDir(lockPath()).removeRecursively();
    QFile::remove(lockPath());
    c.block();
    const QString expected = QStringLiteral("Halvion cannot make its lock file \"%1\": %2. %3")
                                 .arg(lockPath(), QString::fromUtf8(c.reason), QString::fromUtf8(c.advice));
    if (!c.asAnotherUser) {
      boxes().expect(expected, QStringLiteral("Halvion"), vbCritical);
      const int ends = endCount();
      StartProgram();
      EXPECT_EQ(endCount(), ends + 1);
      EXPECT_EQ(LoadedForm<frmLoading>(), nullptr);
    } else {
      // The start runs in a child process as nobody, and says through a pipe what it showed.
      int said[2];
      ASSERT_EQ(::pipe(said), 0);
      boxes().allowAny();
      const pid_t child = fork();
      if (child == 0) {
        ::close(said[0]);
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) _exit(77);
        if (::geteuid() == 0) _exit(77);
        boxes().clearShown();
        const int ends = endCount();
        StartProgram();
        const QByteArray shown = boxes().prompts().join(QStringLiteral(" | ")).toUtf8();
        (void)!::write(said[1], shown.constData(), size_t(shown.size()));
        _exit(endCount() == ends + 1 && LoadedForm<frmLoading>() == nullptr ? 0 : 1);
      }
      ::close(said[1]);
      QByteArray shown;
      char buffer[512];
      for (ssize_t n; (n = ::read(said[0], buffer, sizeof buffer)) > 0;) shown.append(buffer, n);
      ::close(said[0]);
      int status = 0;
      ASSERT_EQ(waitpid(child, &status, 0), child);
      boxes().strict();
      ::chmod(QFile::encodeName(folder()).constData(), 0700);
      ASSERT_TRUE(WIFEXITED(status));
      if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no user here but root";
      EXPECT_EQ(WEXITSTATUS(status), 0) << "the start ended, and showed no splash";
      EXPECT_EQ(QString::fromUtf8(shown).toStdString(), expected.toStdString());
    }
    EXPECT_TRUE(QFileInfo::exists(lockPath())) << "the file in the way is left where it is";
  }
  QDir(lockPath()).removeRecursively();
  QFile::remove(lockPath());
  StartProgram();
  EXPECT_NE(LoadedForm<frmLoading>(), nullptr) << "once it is removed the program starts";
}

// The menu item of the main window's menu that raises `command`, picked as the user picks it.
void pickMenu(const QString& command) {
  frmMain* main = LoadedForm<frmMain>();
  ASSERT_NE(main, nullptr);
  QAction* item = nullptr;
  for (FlashMovie* movie : {&main->ShockwaveFlash1, &main->ShockwaveFlash2})
    for (QAction* a : movie->findChildren<QAction*>())
      if (a->data().toString() == command) item = a;
  ASSERT_NE(item, nullptr) << command.toStdString();
  item->trigger();
  QApplication::processEvents();
}

// A click on the close button in a menu form's title bar.
void closeForm(QWidget* form) {
  for (FlashMovie* m : form->findChildren<FlashMovie*>())
    if (m->Description().kind == MovieDescription::Kind::Button && m->Description().command == QLatin1String("Close")) {
      Click(*m);
      QApplication::processEvents();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      return;
    }
  ADD_FAILURE() << "the form shows no close button";
}

// The lock must outlast everything the first copy does with the file: the connections the login
// and the main window make and drop, the forms, the back-up. The second copy is a process of its
// own, forked before this one takes the lock (so it holds nothing of it), that takes the lock as
// the start does once the first copy has worked a while.
TEST_F(ProgramLockTest, ACopyThatHasWorkedAWhileStillKeepsASecondCopyOut) {
  int go[2];
  ASSERT_EQ(::pipe(go), 0);
  const pid_t second = fork();
  if (second == 0) {
    ::close(go[1]);
    char c;
    if (::read(go[0], &c, 1) != 1) _exit(2);
    // The lock as the program's start takes it; the start itself would go on to the splash when
    // let in, which a forked copy of this process cannot paint.
    _exit(LockDatabaseFile(DatabasePath()) == ProgramLock::HeldByAnother ? 0 : 1);
  }
  ::close(go[0]);
  // Whatever becomes of the first copy, the second one is not left waiting.
  struct Second {
    pid_t pid;
    int go;
    int start() {
      if (go >= 0) {
        (void)!::write(go, "g", 1);
        ::close(go);
        go = -1;
      }
      int status = -1;
      if (pid > 0 && waitpid(pid, &status, 0) == pid) pid = -1;
      return status;
    }
    ~Second() { start(); }
  } secondCopy{second, go[1]};
  ASSERT_GT(second, 0);

  QTemporaryDir home;  // where the back-up form starts
  // The home, and the current folder the login moves to the program folder, as they were.
  struct Restore {
    QByteArray home = qgetenv("HOME");
    QString current = QDir::currentPath();
    ~Restore() {
      qputenv("HOME", home);
      QDir::setCurrent(current);
    }
  } restore;
  qputenv("HOME", home.path().toUtf8());

  boxes().expect(QStringLiteral("Please type - User name : tumbo , Password : tumbo"), QString(), vbOKOnly + vbInformation);
  StartProgram();
  ASSERT_TRUE(QTest::qWaitFor(
      [] {
        frmLogin* login = LoadedForm<frmLogin>();
        return login && login->isVisible();
      },
      15000))
      << "the login window never came up";
  frmLogin* login = LoadedForm<frmLogin>();
  QApplication::setActiveWindow(login);
  TypeKeys(login->txtUserName, "tumbo");
  PressKey(login->txtUserName, Qt::Key_Return);
  TypeKeys(login->txtPassword, "tumbo");
  PressKey(login->txtPassword, Qt::Key_Return);
  ASSERT_NE(LoadedForm<frmMain>(), nullptr) << "not logged in";

  for (const char* command : {"mnuAddDrDetail", "mnuNewPateient", "mnuLabTestNames"}) {
    SCOPED_TRACE(command);
    pickMenu(QString::fromLatin1(command));
    QWidget* form = gActiveForm;
    ASSERT_NE(form, nullptr);
    closeForm(form);
  }
  pickMenu(QStringLiteral("mnuCopyDatabase"));
  frmCopyDB* backup = LoadedForm<frmCopyDB>();
  ASSERT_NE(backup, nullptr);
  boxes().expect("Do you really want to take Back-up On this Folder", "Back-up", vbYesNo, vbYes);
  boxes().expect("Back-up Successfully stored in " + home.path() + " this Directory");
  Click(backup->Picture1);
  ASSERT_TRUE(QFileInfo::exists(home.filePath("backupostrel.mdb")));
  closeForm(backup);
  // Connected again, as the login and each main window connect.
  ConnectDB();
  ASSERT_NE(gCon, nullptr);

  const int status = secondCopy.start();
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the second copy was let in";
  EXPECT_EQ(boxes().pending(), 0);
  ResetForms();
  ClearMainMenuHooks();
  SetCurrentUserTypeBox(nullptr);
}

TEST_F(ProgramLockTest, ALockFileThatNamesNobodyIsTakenOverAndOneThatNamesALiveCopyIsNot) {
  // What a start killed between making its lock file and writing into it leaves behind.
  {
    QFile empty(lockPath());
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
  }
  EXPECT_EQ(LockDatabaseFile(dbPath()), ProgramLock::Taken);
  UnlockDatabaseFile();
  EXPECT_FALSE(QFileInfo::exists(lockPath()));

  const pid_t child = fork();
  if (child == 0) {
    const bool taken = LockDatabaseFile(dbPath()) == ProgramLock::Taken;
    if (taken) ::pause();  // holds it until killed
    _exit(1);
  }
  for (int i = 0; i < 500 && QFileInfo(lockPath()).size() == 0; ++i) QTest::qWait(10);
  EXPECT_EQ(LockDatabaseFile(dbPath()), ProgramLock::HeldByAnother);
  ::kill(child, SIGKILL);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_EQ(LockDatabaseFile(dbPath()), ProgramLock::Taken) << "a killed holder never blocks";
  UnlockDatabaseFile();
}

TEST_F(ProgramLockTest, EveryEndGivesTheLockBack) {
  ASSERT_EQ(LockDatabaseFile(dbPath()), ProgramLock::Taken);
  EXPECT_EQ(LockDatabaseFile(dbPath()), ProgramLock::Taken) << "taking it again in the same copy is no conflict";
  End();
  EXPECT_FALSE(QFileInfo::exists(lockPath()));

  // Another process can take it now, and holds it against this one.
  const pid_t child = fork();
  if (child == 0) {
    const bool taken = LockDatabaseFile(dbPath()) == ProgramLock::Taken;
    UnlockDatabaseFile();
    _exit(taken ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
