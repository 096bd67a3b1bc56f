#include "data/settings.h"

#include "data/columns.h"

const TableRead& BackupFolderRead() {
  static const TableRead read{.table = cols::TableName(cols::SettingsCopyDB::kTable)};
  return read;
}

QString ReadBackupFolder(Recordset& rs) {
  if (rs.RecordCount() == 0) return {};
  rs.MoveFirst();
  return rs.Fields(cols::SettingsCopyDB::BackupPath).toText();
}

void WriteBackupFolder(Recordset& rs, const QString& folder) {
  rs.MoveFirst();
  rs.SetField(cols::SettingsCopyDB::BackupPath, folder);
  try {
    rs.Update();
  } catch (const DbError&) {
    // An edit left pending would refuse every later back-up's MoveFirst: the folder stays as it
    // was stored, and the next back-up stores its own.
    rs.CancelUpdate();
    throw;
  }
}
