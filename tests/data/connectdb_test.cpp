#include <QFile>

#include "data/connectdb.h"
#include "data/users.h"
#include "data/schema.h"
#include "framework/databaseerror.h"
#include "globals.h"
#include "support/fixture.h"

namespace {

class ConnectDBTest : public HalvionTest {};

// Every file that is not a database of ours is refused the same way: one message, the end, and
// the file left exactly as it was (a missing one is never created).
TEST_F(ConnectDBTest, RefusesAnythingButOurDatabase) {
  struct Case {
    const char* name;
    std::function<void(const QString&)> prepare;
  };
  const std::vector<Case> cases = {
      {"missing", [](const QString& p) { QFile::remove(p); }},
      {"empty file", [](const QString& p) { QFile::remove(p); QFile f(p); f.open(QIODevice::WriteOnly); }},
      {"text file",
       [](const QString& p) {
         QFile::remove(p);
         QFile f(p);
         f.open(QIODevice::WriteOnly);
         f.write("Standard Jet DB\n this is not a database of ours\n");
       }},
      {"other schema version", [this](const QString&) { exec("PRAGMA user_version = 7"); }},
      {"read-only file",
       [](const QString& p) { QFile::setPermissions(p, QFileDevice::ReadOwner | QFileDevice::ReadUser); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(dbPath());
    CreateDatabase(dbPath());
    c.prepare(dbPath());
    if (std::string(c.name) == "read-only file" && QFileInfo(dbPath()).isWritable())
      continue;  // root can write a read-only file; nothing to show then
    const bool existed = QFile::exists(dbPath());
    const QByteArray before = existed ? [&] { QFile f(dbPath()); f.open(QIODevice::ReadOnly); return f.readAll(); }() : QByteArray();
    boxes().clearShown();
    const int endsBefore = endCount();
    boxes().expect("Database Error. Please Check the database and try again", "Database Error", vbCritical);
    ConnectDB();
    EXPECT_EQ(endCount(), endsBefore + 1);
    EXPECT_EQ(boxes().shown().size(), 1u);
    EXPECT_EQ(QFile::exists(dbPath()), existed);
    if (existed) {
      QFile f(dbPath());
      f.open(QIODevice::ReadOnly);
      EXPECT_EQ(f.readAll(), before);
    }
    QFile::setPermissions(dbPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  }
}

// The data layer only raises; showing the failure and ending are the forms' ConnectDB. Whatever
// opens the program's file checks that it is ours.
TEST_F(ConnectDBTest, TheDataLayerRaisesAndShowsNothing) {
  struct Case {
    const char* name;
    std::function<void()> prepare;
    const char* says;
  };
  const std::vector<Case> cases = {
      {"missing", [this] { QFile::remove(dbPath()); }, "unable to open database file"},
      {"other schema version", [this] { exec("PRAGMA user_version = 7"); },
       "it is not this program's database (schema version 7, expected 1)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(dbPath());
    CreateDatabase(dbPath());
    c.prepare();
    boxes().clearShown();
    try {
      ConnectDatabase();
      ADD_FAILURE() << "connected";
    } catch (const DbError& e) {
      EXPECT_TRUE(e.Description().contains(QLatin1String(c.says))) << e.Description().toStdString();
    }
    EXPECT_EQ(endCount(), 0);
    EXPECT_TRUE(boxes().shown().empty());
    ASSERT_TRUE(gCon);
    EXPECT_EQ(gCon->State(), adStateClosed);
    EXPECT_EQ(gConStr, dbPath());
    try {
      OpenDatabase(dbPath());
      ADD_FAILURE() << "opened";
    } catch (const DbError& e) {
      EXPECT_TRUE(e.Description().contains(QLatin1String(c.says))) << e.Description().toStdString();
    }
  }
  QFile::remove(dbPath());
  CreateDatabase(dbPath());
  EXPECT_EQ(OpenDatabase(dbPath())->State(), adStateOpen);
}

TEST_F(ConnectDBTest, OpensTheFileBesideTheProgram) {
  ConnectDB();
  EXPECT_EQ(endCount(), 0);
  ASSERT_TRUE(gCon);
  EXPECT_EQ(gCon->State(), adStateOpen);
  EXPECT_EQ(gCon->CursorLocation, adUseClient);
  EXPECT_EQ(gConStr, dbPath());
}

// The main window connects again after the login: the login's recordset keeps reading and
// writing through the connection it was opened on.
TEST_F(ConnectDBTest, ASecondConnectLeavesEarlierRecordsetsTheirConnection) {
  ConnectDB();
  const auto first = gCon;
  Recordset users;
  users.Open(UsersRead(), gCon, adOpenDynamic, adLockOptimistic);
  ConnectDB();
  EXPECT_NE(gCon, first);
  EXPECT_EQ(users.ActiveConnection(), first);
  ASSERT_EQ(users.RecordCount(), 1);
  users.SetField(1, QStringLiteral("tumbo2"));
  users.Update();
  EXPECT_EQ(scalar("SELECT UserName FROM SettingsNewUser"), "tumbo2");
}

}  // namespace
