#include "framework/databaseerror.h"

#include "data/connectdb.h"
#include "framework/vbform.h"
#include "globals.h"
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

void ShowDatabaseError() {
  MsgBox(QStringLiteral("Database Error. Please Check the database and try again"), vbCritical,
         QStringLiteral("Database Error"));
}

void DatabaseErrorEnd() {
  ShowDatabaseError();
  End();
}

bool OpenOrEnd(Recordset& rs, const std::function<void(Recordset&)>& open) {
  try {
    open(rs);
  } catch (const DbError&) {
    // The error is in the log already; the state below says what the desk is told.
  }
  if (rs.State() == adStateOpen) return true;
  DatabaseErrorEnd();
  return false;
}

bool OpenOrEnd(Recordset& rs, const TableRead& read) {
  return OpenOrEnd(rs, [&read](Recordset& r) { r.Open(read, gCon, adOpenDynamic, adLockOptimistic); });
}

bool RunDatabaseStep(VbForm& form, const std::function<void()>& step, AfterDatabaseError after) {
  try {
    step();
    return true;
  } catch (const DbError&) {
    // The error is in the log already; the desk sees the one message it always saw.
  }
  if (after == AfterDatabaseError::CarryOn) {
    ShowDatabaseError();
    return false;
  }
  DatabaseErrorEnd();
  form.Unload();
  return false;
}
