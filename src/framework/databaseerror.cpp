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

bool OpenOrEnd(VbForm& form, Recordset& rs, const std::function<void(Recordset&)>& open) {
  return RunDatabaseStep(form, [&] {
    open(rs);
    // A read that opened nothing leaves the form as little to show as one that raised.
    if (rs.State() != adStateOpen)
      throw DbError(adErrObjectClosed, QStringLiteral("The recordset the load reads is not open"));
  });
}

bool OpenOrEnd(VbForm& form, Recordset& rs, const TableRead& read) {
  return OpenOrEnd(form, rs, [&read](Recordset& r) { r.Open(read, gCon, adOpenDynamic, adLockOptimistic); });
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
