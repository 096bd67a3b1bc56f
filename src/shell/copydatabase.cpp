#include "shell/copydatabase.h"

#include "platform/ado.h"

bool BackUpDatabase(const Connection* con, const QString& target) {
  if (!con) return false;
  try {
    con->BackupTo(target);
    return true;
  } catch (const DbError&) {
    // The form says the back-up failed; the reason is in the log.
    return false;
  }
}
