#pragma once
// The back-up copy of the program's database.
#include <QString>

class Connection;

// Writes the database open on `con` into the file `target` (Connection::BackupTo: consistent
// while the program holds the database open, replacing a file of that name); true only when the
// whole copy is in place. On failure the target is left as it was and no partial file remains.
bool BackUpDatabase(const Connection* con, const QString& target);
