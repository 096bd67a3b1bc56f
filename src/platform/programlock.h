#pragma once
// One copy of the program per database file. Bill numbers, advances and patient identifiers are
// read by a form and written back later; two copies on one file would hand out the same numbers
// and overwrite each other's advances. The lock is a file beside the database that names the
// process holding it, so a copy that was killed or crashed never blocks the next start.
#include <QString>

enum class ProgramLock {
  Taken,          // this process holds the lock now (also when it already did)
  HeldByAnother,  // a running copy holds it
  Failed,         // the lock file cannot be made (a folder that cannot be written)
};

// Takes the lock beside `databasePath` ("<databasePath>.lock") for as long as the process runs.
ProgramLock LockDatabaseFile(const QString& databasePath);
// Gives the lock back; nothing when none is held. Every end of the program calls it.
void UnlockDatabaseFile();
