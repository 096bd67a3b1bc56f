#pragma once
// The one source of the database layout: the build's make-database tool and every test fixture
// make their files from here.
#include <QString>

// Marks a file as ours (PRAGMA user_version); the program opens no other (OpenDatabase).
inline constexpr int kSchemaVersion = 1;

// The file name the program has always used, beside the program. It is an SQLite file.
inline constexpr const char* kDatabaseFileName = "quorveldb.mdb";

class Connection;

// Adds the indexes a file made by an earlier build lacks (those of the bill numbers and of the
// long lists the forms read in order); nothing on a file that has them. Raises DbError when the file cannot be written now.
void AddMissingIndexes(Connection& con);

// Writes a new database file with the seed rows (the default login enciphered with the
// program's cipher). Refuses to touch an existing file. Raises DbError on failure, leaving no
// half-made file behind.
void CreateDatabase(const QString& path);
