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
// no such locks, leaves the lock file alone to keep the copies apart. Its descriptor is the only
// one of the file beside SQLite's, and it is closed only as the lock is given back, at the end or
// where no connection is open yet: closing any descriptor of the file drops the locks the process
// holds on it, SQLite's included.
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

// Who the lock file beside the database names. With the kernel's lock held, nobody on this
// machine works on the file; without it, a file that names nobody is one a start was killed in
// the middle of writing (a live copy writes its name at once), given a second to be written.
// False when it names nobody (or cannot be read).
bool readHolder(QLockFile& lock, bool kernelHeld, QString& host) {
  qint64 pid = 0;
  QString application;
  for (int waited = 0; !lock.getLockInfo(&pid, &host, &application); waited += 50) {
    if (kernelHeld || waited >= 1000) return false;
    QThread::msleep(50);
  }
  return true;
}

// Removes a lock file that is left over; the system's reason when it cannot be removed.
QString removeLeftOver(const QString& lockPath) {
  if (::unlink(QFile::encodeName(lockPath).constData()) == 0 || errno == ENOENT) return {};
  return QString::fromLocal8Bit(std::strerror(errno));
}

// The system's reason a lock file cannot be made where none is, asked again as the lock file
// itself asked it (the lock file does not keep it). Made after all, it is removed again at once:
// the fault passed.
QString whyNotMade(const QString& lockPath) {
  const QByteArray name = QFile::encodeName(lockPath);
  const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  const int error = fd < 0 ? errno : EAGAIN;
  if (fd >= 0) {
    ::close(fd);
    ::unlink(name.constData());
  }
  return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace

ProgramLock LockDatabaseFile(const QString& databasePath, LockRefusal* refusal) {
  LockRefusal unused;
  LockRefusal& out = refusal ? *refusal : unused;
  const QFileInfo info(databasePath);
  const QString file = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
  const QString lockPath = file + QStringLiteral(".lock");
  out = {QDir::toNativeSeparators(lockPath), {}, {}};
  std::unique_ptr<HeldLock>& held = heldLock();
  if (held && held->file == file) return ProgramLock::Taken;
  UnlockDatabaseFile();

  auto lock = std::make_unique<HeldLock>();
  lock->file = file;
  const KernelLock kernel = lockFileItself(file, lock->fd);
  if (kernel == KernelLock::Busy) return ProgramLock::HeldByAnother;

  lock->named = std::make_unique<QLockFile>(lockPath);
  // A copy may run for days: only a holder that is gone makes the lock file stale, never its age.
  lock->named->setStaleLockTime(0);
  bool taken = lock->named->tryLock(0);
  // The lock file cannot be made, or one left over cannot be taken over: in a folder that takes
  // no file the database cannot be worked on either; otherwise the lock file itself is in the way.
  auto cannotBeMade = [&](const QString& reason) {
    out.why = unwritableFolder(lockPath);
    if (!out.why.isEmpty()) return ProgramLock::Failed;
    out.why = reason;
    out.lockIsFolder = QFileInfo(lockPath).isDir();
    out.noCopyRuns = kernel == KernelLock::Held;
    return ProgramLock::LockFileInTheWay;
  };
  if (!taken && lock->named->error() != QLockFile::LockFailedError) return cannotBeMade(whyNotMade(lockPath));
  if (!taken) {
    // A lock file of another machine cannot be judged from here: its copy may be running.
    QString host;
    const bool named = readHolder(*lock->named, kernel == KernelLock::Held, host);
    if (named && !host.isEmpty() && host != QSysInfo::machineHostName()) {
      out.computer = host;
      return ProgramLock::HeldElsewhere;
    }
    // Left over: no copy on this machine holds the file (the kernel says so), and the lock file
    // names this machine or nobody readable. One that cannot be taken over is in the way.
    if (!named || (kernel == KernelLock::Held && host == QSysInfo::machineHostName())) {
      const QString unremoved = removeLeftOver(lockPath);
      if (!unremoved.isEmpty()) return cannotBeMade(unremoved);
      taken = lock->named->tryLock(0);
      if (!taken && lock->named->error() != QLockFile::LockFailedError) return cannotBeMade(whyNotMade(lockPath));
    }
  }
  if (!taken) return ProgramLock::HeldByAnother;
  held = std::move(lock);
  return ProgramLock::Taken;
}

void UnlockDatabaseFile() { heldLock().reset(); }
