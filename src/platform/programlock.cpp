#include "platform/programlock.h"

#include <QLockFile>
#include <QThread>
#include <memory>

namespace {

std::unique_ptr<QLockFile>& heldLock() {
  static std::unique_ptr<QLockFile> lock;
  return lock;
}

}  // namespace

ProgramLock LockDatabaseFile(const QString& databasePath) {
  const QString path = databasePath + QStringLiteral(".lock");
  std::unique_ptr<QLockFile>& held = heldLock();
  if (held && held->fileName() == path) return ProgramLock::Taken;
  UnlockDatabaseFile();
  auto lock = std::make_unique<QLockFile>(path);
  // A copy may run for days: only a dead holder makes the lock stale, never its age.
  lock->setStaleLockTime(0);
  if (lock->tryLock(0)) {
    held = std::move(lock);
    return ProgramLock::Taken;
  }
  if (lock->error() != QLockFile::LockFailedError) return ProgramLock::Failed;
  // A start killed between making the lock file and writing its holder into it leaves a file that
  // names nobody, and QLockFile never counts such a file as stale: every later start would be
  // refused for good. A live copy writes its name at once, so a file still nameless after a
  // second is taken over.
  qint64 pid = 0;
  QString host, application;
  for (int waited = 0; !lock->getLockInfo(&pid, &host, &application); waited += 50) {
    if (waited >= 1000) {
      if (lock->removeStaleLockFile() && lock->tryLock(0)) {
        held = std::move(lock);
        return ProgramLock::Taken;
      }
      break;
    }
    QThread::msleep(50);
  }
  return ProgramLock::HeldByAnother;
}

void UnlockDatabaseFile() {
  std::unique_ptr<QLockFile>& held = heldLock();
  if (held) held->unlock();
  held.reset();
}
