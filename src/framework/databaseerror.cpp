#include "framework/databaseerror.h"

#include "data/connectdb.h"
#include "platform/ado.h"
#include "platform/msgbox.h"
#include "platform/system.h"

void ConnectDB() {
  try {
    ConnectDatabase();
  } catch (const DbError&) {
    // The error is in the log already; the desk sees the one message it always saw.
    DatabaseErrorEnd();
  }
}

void DatabaseErrorEnd() {
  MsgBox(QStringLiteral("Database Error. Please Check the database and try again"), vbCritical,
         QStringLiteral("Database Error"));
  End();
}
