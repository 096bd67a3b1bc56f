#include "platform/programlock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

// The byte the lock is taken on: far past any page a database can have (SQLite's largest file is
// below 2^48 bytes) and past SQLite's own lock bytes at 1 GiB, so that it never meets SQLite's
// locks, nor, on a share whose locks bar reading and writing, a page of the database.
constexpr off_t kLockedByte = off_t(1) << 60;

enum class KernelLock { Held, Busy, None };

// An open file description lock: it belongs to this descriptor, not to the process, so SQLite
// closing its own descriptors on the file cannot release it, and only this process's end or
// UnlockDatabaseFile does. A file that cannot be opened for writing, or a file system that keeps
// no such locks, leaves the lock file alone to keep the copies apart.
KernelLock lockFileItself(const QString& file, int& fd) {
  fd = ::open(QFile::encodeName(file).constData(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return KernelLock::None;
  struct flock range {};
  range.l_type = F_WRLCK;
  range.l_whence = SEEK_SET;
  range.l_start = kLockedByte;
  range.l_len = 1;
  if (::fcntl(fd, F_OFD_SETLK, &range) == 0) return KernelLock::Held;
  const int error = errno;
  ::close(fd);
  fd = -1;
  return error == EAGAIN || error == EACCES ? KernelLock::Busy : KernelLock::None;
}

struct HeldLock {
  QString file;  // the database file as the system names it, links resolved
  int fd = -1;   // the kernel's lock on it, when it keeps one
  std::unique_ptr<QLockFile> named;

  ~HeldLock() {
    if (named) named->unlock();
    if (fd >= 0) ::close(fd);
  }
};

std::unique_ptr<HeldLock>& heldLock() {
  static std::unique_ptr<HeldLock> lock;
  return lock;
}

// Why the lock file cannot be made or taken over in its folder, in the system's words; empty
// while the folder can be written.
QString unwritableFolder(const QString& lockPath) {
  const QString folder = QFileInfo(lockPath).absolutePath();
  if (::access(QFile::encodeName(folder).constData(), W_OK) == 0) return {};
  return QStringLiteral("Cannot take the lock of the database: the folder \"%1\" cannot be written (%2)")
      .arg(QDir::toNativeSeparators(folder), QString::fromLocal8Bit(std::strerror(errno)));
}

// Whether a lock file left beside the database may be taken over. With the kernel's lock held,
// nobody on this machine works on the file, so a lock file naming this machine (or nobody) is a
// leftover. One naming another machine cannot be judged from here: its copy may be running.
// Without the kernel's lock, the process named must be gone; a file that names nobody is one a
// start was killed in the middle of writing (a live copy writes its name at once), and is taken
// over once it still names nobody after a second.
bool isLeftOver(QLockFile& lock, bool kernelHeld) {
  qint64 pid = 0;
  QString host, application;
  for (int waited = 0; !lock.getLockInfo(&pid, &host, &application); waited += 50) {
    if (kernelHeld || waited >= 1000) return true;
    QThread::msleep(50);
  }
  return kernelHeld && host == QSysInfo::machineHostName();
}

}  // namespace

ProgramLock LockDatabaseFile(const QString& databasePath, QString* why) {
  const QFileInfo info(databasePath);
  const QString file = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
  std::unique_ptr<HeldLock>& held = heldLock();
  if (held && held->file == file) return ProgramLock::Taken;
  UnlockDatabaseFile();

  auto lock = std::make_unique<HeldLock>();
  lock->file = file;
  const KernelLock kernel = lockFileItself(file, lock->fd);
  if (kernel == KernelLock::Busy) return ProgramLock::HeldByAnother;

  const QString lockPath = file + QStringLiteral(".lock");
  lock->named = std::make_unique<QLockFile>(lockPath);
  // A copy may run for days: only a holder that is gone makes the lock file stale, never its age.
  lock->named->setStaleLockTime(0);
  bool taken = lock->named->tryLock(0);
  if (!taken && lock->named->error() != QLockFile::LockFailedError) {
    if (why) {
      *why = unwritableFolder(lockPath);
      if (why->isEmpty()) *why = QStringLiteral("Cannot make the lock file \"%1\"").arg(QDir::toNativeSeparators(lockPath));
    }
    return ProgramLock::Failed;
  }
  if (!taken && isLeftOver(*lock->named, kernel == KernelLock::Held)) {
    taken = lock->named->removeStaleLockFile() && lock->named->tryLock(0);
    // A lock file left in a folder that has since become read-only: no copy runs, but none can
    // work there either.
    const QString unwritable = taken ? QString() : unwritableFolder(lockPath);
    if (!unwritable.isEmpty()) {
      if (why) *why = unwritable;
      return ProgramLock::Failed;
    }
  }
  if (!taken) return ProgramLock::HeldByAnother;
  held = std::move(lock);
  return ProgramLock::Taken;
}

void UnlockDatabaseFile() { heldLock().reset(); }
