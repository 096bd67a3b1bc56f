#pragma once
// The back-up copy of the program's database.
#include <QString>

class Connection;

// Writes the database open on `con` into the file `target` through SQLite's online back-up, so
// the copy is consistent even while the program holds the database open. The copy is made beside
// the target first and then put in its place, replacing a file of that name; true only when the
// whole copy is in place. On failure the target is left as it was and no partial file remains.
bool BackUpDatabase(const Connection* con, const QString& target);
