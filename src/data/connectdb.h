#pragma once
// The one shared connection.
#include <QString>
#include <memory>

class Connection;

// The database file beside the program.
QString DatabasePath();

// A new connection to the program's database file at `path`. A file that is missing, not ours
// (another schema version), not writable or damaged raises DbError.
std::shared_ptr<Connection> OpenDatabase(const QString& path);

// Makes a new connection to the database file and puts it in gCon; recordsets opened before
// keep the connection they were opened on. A file that is missing, not ours or not writable
// raises DbError, leaving a closed connection in gCon. The forms call ConnectDB
// (framework/databaseerror.h), which shows that failure.
void ConnectDatabase();
