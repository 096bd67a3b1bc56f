#include <QFile>
#include <QFileInfo>

#include "data/schema.h"
#include "data/vbdes.h"
#include "support/fixture.h"

namespace {

class SchemaTest : public HalvionTest {};

// A rebuild or a second install must never lose the data of the file already there.
TEST_F(SchemaTest, NeverOverwritesAnExistingFile) {
  exec("INSERT INTO SettingsLab VALUES ('CBC', '120')");
  EXPECT_THROW(CreateDatabase(dbPath()), DbError);
  EXPECT_EQ(scalar("SELECT Amount FROM SettingsLab WHERE Description='CBC'"), "120");
}

// A new file is written whole or not at all: nothing is left of one that could not be made.
TEST_F(SchemaTest, ANewFileIsOursWithTheDefaultLoginOrNothing) {
  const QString made = folder() + "/new.mdb";
  CreateDatabase(made);
  auto con = std::make_shared<Connection>();
  con->Open(made, kSchemaVersion);
  Recordset users;
  users.Open("SELECT * FROM SettingsNewUser", con);
  ASSERT_EQ(users.RecordCount(), 1);
  EXPECT_EQ(users.Fields(1).toText(), "tumbo");
  EXPECT_EQ(users.Fields(2).toText(), CipherText("tumbo", true));
  EXPECT_EQ(users.Fields(3).toText(), CipherText("Admin", true));

  const QString nowhere = folder() + "/gone/new.mdb";
  EXPECT_THROW(CreateDatabase(nowhere), DbError);
  EXPECT_FALSE(QFileInfo::exists(nowhere));
  EXPECT_FALSE(QFileInfo::exists(nowhere + "-journal"));
}

// Dates are stored as ISO text only; the column refuses anything else, a time part included.
TEST_F(SchemaTest, DateColumnsHoldIsoDatesOnly) {
  exec("INSERT INTO SettingsConsultant VALUES ('2026-12-09', 'Dr A', '100', 'OP1')");
  for (const char* bad : {"09/12/2026", "2026-12-09 10:30:00", "yesterday"}) {
    SCOPED_TRACE(bad);
    auto con = openDb();
    Recordset rs;
    rs.Open(TableRead{.table = QStringLiteral("SettingsConsultant")}, con, adOpenDynamic, adLockOptimistic);
    rs.AddNew();
    rs.SetField(0, QString::fromLatin1(bad));
    EXPECT_THROW(rs.Update(), DbError);
    rs.CancelUpdate();
  }
  EXPECT_EQ(scalar("SELECT count(*) FROM SettingsConsultant"), "1");
}

}  // namespace
