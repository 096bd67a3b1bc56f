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
  LockRefusal refusal;
  switch (LockDatabaseFile(DatabasePath(), &refusal)) {
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
    case ProgramLock::HeldElsewhere:
      // A copy on another computer sharing the folder, or one that computer lost without closing
      // it: only someone there can tell, and the lock file stays until it is deleted.
      MsgBox(QStringLiteral("Halvion is already running on this database on the computer \"%1\". Once it is "
                            "closed there, delete the file \"%2\" and start again.")
                 .arg(refusal.computer, refusal.lockFile),
             vbCritical, QStringLiteral("Halvion"));
      End();
      return;
    case ProgramLock::LockFileInTheWay: {
      // Nobody can start until the thing in the way is removed: say which and why. That no copy
      // uses the database is said only where the file system could answer it.
      const QString what = refusal.lockIsFolder ? QStringLiteral("folder") : QStringLiteral("file");
      const QString prompt =
          refusal.noCopyRuns
              ? QStringLiteral("Halvion cannot make its lock file \"%1\": %2. No copy of Halvion is using the "
                               "database; remove that %3 and start again.")
              : QStringLiteral("Halvion cannot make its lock file \"%1\": %2. Once no copy of Halvion is using "
                               "the database, remove that %3 and start again.");
      MsgBox(prompt.arg(refusal.lockFile, refusal.why, what), vbCritical, QStringLiteral("Halvion"));
      End();
      return;
    }
    case ProgramLock::Failed:
      // A folder the lock cannot be written in is one the database cannot be written in either.
      // The desk sees the one message it always saw; the log (or, where the folder takes no log
      // either, the standard error) says which folder and why.
      OpenLogFile(QFileInfo(DatabasePath()).dir().filePath(QString::fromLatin1(kLogFileName)));
      qCCritical(lcShell).noquote() << refusal.why;
      DatabaseErrorEnd();
      return;
  }
}
