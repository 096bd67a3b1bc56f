#include "shell/startup.h"

#include <QDir>
#include <QFileInfo>

#include "data/connectdb.h"
#include "framework/databaseerror.h"
#include "framework/vbform.h"
#include "platform/log.h"
#include "platform/msgbox.h"
#include "platform/programlock.h"
#include "platform/system.h"
#include "shell/frmLoading.h"

void StartProgram() {
  QString why;
  switch (LockDatabaseFile(DatabasePath(), &why)) {
    case ProgramLock::Taken:
      // Only the copy that holds the database writes its log.
      OpenLogFile(QFileInfo(DatabasePath()).dir().filePath(QString::fromLatin1(kLogFileName)));
      LoadForm<frmLoading>();
      return;
    case ProgramLock::HeldByAnother:
      MsgBox(QStringLiteral("Halvion is already running on this database. Close the other window first."), vbCritical,
             QStringLiteral("Halvion"));
      End();
      return;
    case ProgramLock::Failed:
      // A folder the lock cannot be written in is one the database cannot be written in either.
      // The desk sees the one message it always saw; the log (or, where the folder takes no log
      // either, the standard error) says which folder and why.
      OpenLogFile(QFileInfo(DatabasePath()).dir().filePath(QString::fromLatin1(kLogFileName)));
      qCCritical(lcShell).noquote() << why;
      DatabaseErrorEnd();
      return;
  }
}
