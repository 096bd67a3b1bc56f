// A damaged database file at start: the login window says "Database Error" and the program ends
// cleanly, whatever the damage, before anyone can work on a broken file.
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include "framework/mainmenus.h"
#include "framework/vbform.h"
#include "shell/frmLogin.h"
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

}  // namespace
