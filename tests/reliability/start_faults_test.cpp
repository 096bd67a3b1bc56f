// A damaged database file or a folder that cannot be written at start: the login window says
// "Database Error" and the program ends cleanly, whatever the fault, before anyone can work on a
// broken file; the log says once what it was.
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "framework/mainmenus.h"
#include "framework/vbform.h"
#include "platform/log.h"
#include "shell/frmLoading.h"
#include "shell/frmLogin.h"
#include "shell/startup.h"
#include "support/desktop_fake.h"
#include "support/fixture.h"
#include "support/input.h"

namespace {

class StartFaultTest : public HalvionTest {
protected:
  void TearDown() override {
    ResetForms();
    ClearMainMenuHooks();
    QDir(dbPath()).removeRecursively();
    HalvionTest::TearDown();
  }
};

void overwrite(const QString& path, qint64 at, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadWrite));
  f.seek(at);
  f.write(bytes);
}

QByteArray noise(int size, quint32 seed) {
  QRandomGenerator random(seed);
  QByteArray out(size, '\0');
  for (char& c : out) c = char(random.bounded(256));
  return out;
}

TEST_F(StartFaultTest, ADamagedFileIsRefusedWithTheDatabaseErrorAndAnEnd) {
  const qint64 size = QFileInfo(dbPath()).size();
  ASSERT_GT(size, 8192);
  struct Case {
    const char* name;
    std::function<void(const QString&)> damage;
  };
  const std::vector<Case> cases = {
      {"random bytes over the header", [](const QString& p) { overwrite(p, 0, noise(100, 7)); }},
      {"random bytes over the first page", [](const QString& p) { overwrite(p, 0, noise(4096, 11)); }},
      {"truncated to half", [size](const QString& p) { QFile::resize(p, size / 2); }},
      {"truncated mid-page", [size](const QString& p) { QFile::resize(p, size - 1000); }},
      {"cut after the header", [](const QString& p) { QFile::resize(p, 100); }},
      {"empty", [](const QString& p) { QFile::resize(p, 0); }},
      {"a directory in its place",
       [](const QString& p) {
         QFile::remove(p);
         QDir().mkdir(p);
       }},
  };
  const QByteArray pristine = [&] {
    QFile f(dbPath());
    f.open(QIODevice::ReadOnly);
    return f.readAll();
  }();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QDir(dbPath()).removeRecursively();
    QFile::remove(dbPath());
    {
      QFile f(dbPath());
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(pristine);
    }
    c.damage(dbPath());
    const int endsBefore = endCount();
    boxes().clearShown();
    boxes().allowAny();

    frmLogin* login = ShowForm<frmLogin>();
    ASSERT_NE(login, nullptr);
    (void)QTest::qWaitForWindowActive(login);
    if (endCount() == endsBefore) {
      // The file opened: the first reading of it must find the damage.
      TypeKeys(login->txtUserName, "tumbo");
      PressKey(login->txtUserName, Qt::Key_Return);
      TypeKeys(login->txtPassword, "tumbo");
      PressKey(login->txtPassword, Qt::Key_Return);
    }
    boxes().strict();
    ASSERT_EQ(boxes().shown().size(), 1u) << boxes().prompts().join(" | ").toStdString();
    EXPECT_EQ(boxes().shown()[0].prompt, "Database Error. Please Check the database and try again");
    EXPECT_EQ(boxes().shown()[0].title, "Database Error");
    EXPECT_EQ(boxes().shown()[0].style, vbCritical);
    EXPECT_EQ(endCount(), endsBefore + 1);
    ResetForms();
  }
}

const QString kDatabaseError = QStringLiteral("Database Error. Please Check the database and try again");

QString readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The program's own start, from the lock to the login, on a file the splash and the login both
// try to open.
class StartLogTest : public StartFaultTest {
protected:
  void TearDown() override {
    OpenLogFile(QString());
    StartFaultTest::TearDown();
  }
  DesktopFakeScope desktop;
};

TEST_F(StartLogTest, AFileThatCannotBeOpenedIsLoggedOnceAndReportedOnce) {
  QFile::remove(dbPath());
  ASSERT_TRUE(QDir().mkdir(dbPath()));
  boxes().allowAny();
  StartProgram();
  frmLoading* splash = LoadedForm<frmLoading>();
  ASSERT_NE(splash, nullptr);
  for (int tick = 0; tick < 20 && endCount() == 0; ++tick) splash->Timer1_Timer();
  EXPECT_EQ(boxes().prompts(), QStringList{kDatabaseError});
  EXPECT_EQ(endCount(), 1);
  const QString log = readAll(QDir(folder()).filePath(QString::fromLatin1(kLogFileName)));
  EXPECT_EQ(log.count(QStringLiteral("Cannot open the database file")), 1) << log.toStdString();
}

// A program folder nobody may write in: the lock cannot be made there, nor the log. The desk gets
// the one "Database Error"; the standard error names the folder and the system's reason. Run in
// a child process as a user that may not write the folder (root may write anything).
TEST_F(StartLogTest, AReadOnlyFolderEndsWithTheDatabaseErrorAndTheStandardErrorSaysWhy) {
  const QString errors = QDir::temp().filePath(QStringLiteral("halvion-start-%1.err").arg(::getpid()));
  const int errorFd = ::open(QFile::encodeName(errors).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  ASSERT_GE(errorFd, 0);
  ASSERT_EQ(::chmod(QFile::encodeName(folder()).constData(), 0555), 0);
  boxes().allowAny();
  const pid_t child = fork();
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) _exit(77);
    if (::access(QFile::encodeName(folder()).constData(), W_OK) == 0) _exit(77);
    ::dup2(errorFd, STDERR_FILENO);
    StartProgram();
    std::fflush(stderr);
    const bool said = boxes().prompts() == QStringList{kDatabaseError} && endCount() == 1 &&
                      LoadedForm<frmLoading>() == nullptr;
    _exit(said ? 0 : 1);
  }
  ::close(errorFd);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ::chmod(QFile::encodeName(folder()).constData(), 0700);
  const QString said = readAll(errors);
  QFile::remove(errors);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no user here that may not write the folder";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "one Database Error box and the end";
  EXPECT_TRUE(said.contains(QStringLiteral("halvion.shell"))) << said.toStdString();
  EXPECT_TRUE(said.contains(QStringLiteral("\"%1\" cannot be written").arg(folder()))) << said.toStdString();
  EXPECT_TRUE(said.contains(QStringLiteral("Permission denied"))) << said.toStdString();
  EXPECT_FALSE(QFileInfo::exists(dbPath() + QStringLiteral(".lock")));
  EXPECT_FALSE(QFileInfo::exists(QDir(folder()).filePath(QString::fromLatin1(kLogFileName))));
}

}  // namespace
