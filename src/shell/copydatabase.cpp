#include "shell/copydatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>
#include <cstdio>

#include "platform/ado.h"

bool BackUpDatabase(const Connection* con, const QString& target) {
  if (!con || con->State() != adStateOpen || !con->handle() || target.isEmpty()) return false;
  const QFileInfo info(target);
  if (!info.dir().exists() || info.isDir()) return false;
  // The copy is written under a name of its own and only renamed into place once it is complete,
  // so a failed back-up never leaves a half-written file under the back-up's name.
  const QString part = target + QStringLiteral(".part");
  QFile::remove(part);

  sqlite3* dest = nullptr;
  bool ok = sqlite3_open_v2(QFile::encodeName(part).constData(), &dest,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK;
  if (ok) {
    sqlite3_backup* backup = sqlite3_backup_init(dest, "main", con->handle(), "main");
    if (backup) {
      const int rc = sqlite3_backup_step(backup, -1);
      ok = rc == SQLITE_DONE;
      if (sqlite3_backup_finish(backup) != SQLITE_OK) ok = false;
    } else {
      ok = false;
    }
  }
  if (sqlite3_close(dest) != SQLITE_OK) ok = false;

  if (ok) ok = std::rename(QFile::encodeName(part).constData(), QFile::encodeName(target).constData()) == 0;
  if (!ok) {
    QFile::remove(part);
    QFile::remove(part + QStringLiteral("-journal"));
  }
  return ok;
}
