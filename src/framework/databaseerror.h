#pragma once
// The one way a form reports a database it cannot work with: the message, then the program's end.
#include <functional>

#include "platform/ado.h"

// Connects to the program's database (ConnectDatabase); a file that is missing, not ours or not
// writable shows "Database Error. Please Check the database and try again" and ends the program.
void ConnectDB();

// What every form does when a table it needs cannot be read: the same "Database Error" message,
// then the program's end.
void DatabaseErrorEnd();

// The same message (title "Database Error", critical icon) where the form carries on: a read or a
// write of a form already open failed, and nothing of it was done.
void ShowDatabaseError();

// Opens a recordset a form reads at its load: `open` opens `rs` (Open or OpenKeyset, on gCon).
// When it raises, or leaves `rs` closed, the "Database Error" message and the program's end
// (DatabaseErrorEnd); false then.
bool OpenOrEnd(Recordset& rs, const std::function<void(Recordset&)>& open);
// The same for `read` on gCon with a dynamic cursor and optimistic locking, as the forms open the
// tables they read and write.
bool OpenOrEnd(Recordset& rs, const TableRead& read);
