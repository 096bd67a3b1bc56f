#pragma once
// The program's own settings: the folder the last back-up went to, one row in SettingsCopyDB.
// This module owns the table's SQL and its column.
#include <QString>

#include "platform/ado.h"

// The settings row, as the back-up form opens it.
const TableRead& BackupFolderRead();

// The stored back-up folder of `rs` (opened on BackupFolderRead()); empty when no row is stored.
QString ReadBackupFolder(Recordset& rs);
// Stores `folder` as the back-up folder in the first row and writes it. Raises DbError on failure,
// with no edit left pending and the stored folder as it was.
void WriteBackupFolder(Recordset& rs, const QString& folder);
