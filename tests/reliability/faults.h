#pragma once
// Storage faults for the fault tests, each on the real database file: a disk that is full, a
// connection whose writes are refused, and a lock another process holds.
#include <QString>
#include <sqlite3.h>
#include <sys/types.h>

#include "platform/ado.h"

// The first column of the first row of sql on a handle, as text.
QString HandleScalar(sqlite3* db, const char* sql);

// The disk is full for this connection: the file may not grow by a single page.
// False when the file still has free pages (then a save would not need to grow it).
bool FillDisk(Connection& con);
void FreeDisk(Connection& con);

// The connection goes on reading but every write is refused, as on a file that became read-only.
void RefuseWrites(Connection& con);
void AllowWrites(Connection& con);

// Another process takes the write lock on the file and keeps it until Release(). With
// `readersToo` it takes the whole file, as a writer does while it commits: reads wait as well.
class LockHolder {
public:
  explicit LockHolder(const QString& path, bool readersToo = false);
  ~LockHolder();
  LockHolder(const LockHolder&) = delete;
  LockHolder& operator=(const LockHolder&) = delete;
  bool held() const { return pid_ > 0; }  // the child reported the lock taken
  void Release();

private:
  pid_t pid_ = -1;
  int toChild_ = -1;
};

// Every row of every table of the file, in one text: equal texts, equal data.
QString DatabaseDump(const QString& path);

// Whether a fresh connection of this process can take the write lock at once.
bool CanTakeWriteLock(const QString& path);
