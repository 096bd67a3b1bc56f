#include "data/settings.h"

#include "data/columns.h"

const QString& BackupFolderSql() {
  static const QString sql = QStringLiteral("SELECT * FROM SettingsCopyDB");
  return sql;
}

QString ReadBackupFolder(Recordset& rs) {
  if (rs.RecordCount() == 0) return {};
  rs.MoveFirst();
  return rs.Fields(cols::SettingsCopyDB::BackupPath).toText();
}

void WriteBackupFolder(Recordset& rs, const QString& folder) {
  rs.MoveFirst();
  rs.SetField(cols::SettingsCopyDB::BackupPath, folder);
  rs.Update();
}
