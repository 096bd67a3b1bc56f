#pragma once
// The one shared connection.
#include <QString>

// The database file beside the program.
QString DatabasePath();

// Makes a new connection to the database file and puts it in gCon; recordsets opened before
// keep the connection they were opened on. A file that is missing, not ours or not writable
// shows "Database Error. Please Check the database and try again" and ends the program.
void ConnectDB();

// What every form does when a table it needs cannot be read: the same "Database Error" message,
// then the program's end.
void DatabaseErrorEnd();
