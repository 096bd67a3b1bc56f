#include "platform/programlock.h"

#include <QLockFile>
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
  return lock->error() == QLockFile::LockFailedError ? ProgramLock::HeldByAnother : ProgramLock::Failed;
}

void UnlockDatabaseFile() {
  std::unique_ptr<QLockFile>& held = heldLock();
  if (held) held->unlock();
  held.reset();
}
