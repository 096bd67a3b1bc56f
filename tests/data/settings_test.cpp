// The back-up folder as its module reads and writes it: the one settings row, or nothing.
#include "data/settings.h"
#include "support/fixture.h"

namespace {

class SettingsTest : public HalvionTest {};

TEST_F(SettingsTest, TheBackupFolderIsTheStoredRowOrNothing) {
  Recordset rs;
  rs.Open(BackupFolderRead(), openDb(), adOpenDynamic, adLockOptimistic);
  EXPECT_EQ(ReadBackupFolder(rs), QString());
  WriteBackupFolder(rs, QStringLiteral("/media/usb/back ups"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT BackupPath FROM SettingsCopyDB")), QStringLiteral("/media/usb/back ups"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM SettingsCopyDB")), QStringLiteral("1"));
  rs.Requery();
  EXPECT_EQ(ReadBackupFolder(rs), QStringLiteral("/media/usb/back ups"));

  exec(QStringLiteral("DELETE FROM SettingsCopyDB"));
  rs.Requery();
  EXPECT_EQ(ReadBackupFolder(rs), QString());
  EXPECT_THROW(WriteBackupFolder(rs, QStringLiteral("/tmp")), DbError);
}

}  // namespace
