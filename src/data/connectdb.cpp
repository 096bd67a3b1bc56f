#include "data/connectdb.h"

#include <QDir>

#include "data/schema.h"
#include "globals.h"
#include "platform/msgbox.h"
#include "platform/system.h"

QString DatabasePath() { return QDir(AppPath()).filePath(QString::fromLatin1(kDatabaseFileName)); }

void ConnectDB() {
  auto con = std::make_shared<Connection>();
  gCon = con;
  gConStr = DatabasePath();
  con->CursorLocation = adUseClient;
  try {
    con->Open(gConStr);
  } catch (const DbError&) {
  }
  if (con->State() != adStateOpen) {
    DatabaseErrorEnd();
    return;
  }
  try {
    AddMissingIndexes(*con);
  } catch (const DbError&) {
    // Only speed is lost: the next connection tries again.
  }
}

void DatabaseErrorEnd() {
  MsgBox(QStringLiteral("Database Error. Please Check the database and try again"), vbCritical,
         QStringLiteral("Database Error"));
  End();
}
