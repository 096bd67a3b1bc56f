#include "data/connectdb.h"

#include <QDir>

#include "data/schema.h"
#include "globals.h"
#include "platform/system.h"

QString DatabasePath() { return QDir(AppPath()).filePath(QString::fromLatin1(kDatabaseFileName)); }

std::shared_ptr<Connection> OpenDatabase(const QString& path) {
  auto con = std::make_shared<Connection>();
  con->Open(path, kSchemaVersion);
  return con;
}

void ConnectDatabase() {
  auto con = std::make_shared<Connection>();
  gCon = con;
  gConStr = DatabasePath();
  con->CursorLocation = adUseClient;
  con->Open(gConStr, kSchemaVersion);
  try {
    AddMissingIndexes(*con);
  } catch (const DbError&) {
    // Only speed is lost: the next connection tries again.
  }
}
