#pragma once
// One copy of the program per database file. Bill numbers, advances and patient identifiers are
// read by a form and written back later; two copies on one file would hand out the same numbers
// and overwrite each other's advances.
//
// The lock is the file itself, however it is reached: a symbolic link, a hard link or another
// program folder all lead to the one file, and the kernel holds the lock on it for as long as the
// process lives, so a copy that was killed or crashed never blocks the next start and deleting a
// file cannot let a second copy in. Beside the file, "<database>.lock" names the holder (process
// and machine) for a copy on another machine that shares the folder, whose lock this machine's
// kernel may not see: such a file cannot be judged from here and refuses until it is removed.
#include <QString>

enum class ProgramLock {
  Taken,             // this process holds the lock now (also when it already did)
  HeldByAnother,     // a running copy on this computer holds it
  HeldElsewhere,     // the lock file names another computer, where a copy may still run
  LockFileInTheWay,  // no copy holds the file, but its lock file cannot be made, read or replaced
  Failed,            // the lock cannot be taken: the folder cannot be written
};

// What kept the lock from being taken, for the message and the log.
struct LockRefusal {
  QString lockFile;  // the lock file beside the database, links resolved, as the system writes it
  QString computer;  // HeldElsewhere: the computer the lock file names
  QString why;       // LockFileInTheWay: the system's reason; Failed: what could not be done and why
  // LockFileInTheWay: what stands at the lock file's name is a folder, not a file.
  bool lockIsFolder = false;
  // LockFileInTheWay: the file system answered for every copy on this computer that no copy holds
  // the database. False where it keeps no such lock (or the file could not be opened to ask it):
  // then nothing here knows whether a copy still runs.
  bool noCopyRuns = false;
};

// Takes the lock of the database file at `databasePath` for as long as the process runs. When it
// is not taken, `refusal` (when given) says why.
ProgramLock LockDatabaseFile(const QString& databasePath, LockRefusal* refusal = nullptr);
// Gives the lock back; nothing when none is held. Every end of the program calls it.
void UnlockDatabaseFile();
