#pragma once
// The one way a form reports a database it cannot work with: the message, then the program's end.
#include <functional>

#include "platform/ado.h"

class VbForm;

// Connects to the program's database (ConnectDatabase); a file that is missing, not ours or not
// writable shows "Database Error. Please Check the database and try again" and ends the program.
void ConnectDB();

// What every form does when a table it needs cannot be read: the same "Database Error" message,
// then the program's end.
void DatabaseErrorEnd();

// The same message (title "Database Error", critical icon) where the form carries on: a read or a
// write of a form already open failed, and nothing of it was done.
void ShowDatabaseError();

// Opens a recordset `form` reads at its load: `open` opens `rs` (Open or OpenKeyset, on gCon). When
// it raises, or leaves `rs` closed, what a failed step of a load does (RunDatabaseStep): the
// "Database Error" message, the program's end and the form unloaded; false then.
bool OpenOrEnd(VbForm& form, Recordset& rs, const std::function<void(Recordset&)>& open);
// The same for `read` on gCon with a dynamic cursor and optimistic locking, as the forms open the
// tables they read and write.
bool OpenOrEnd(VbForm& form, Recordset& rs, const TableRead& read);

// What a form does when a step of it cannot read the database (the error is in the log already).
enum class AfterDatabaseError {
  // At the form's load: the "Database Error" message, the program's end, and the form unloaded,
  // so that a form half filled is never left on screen.
  EndAndUnload,
  // In a form already open: the message alone (ShowDatabaseError); the form carries on without
  // what the step would have done.
  CarryOn,
};
// Runs `step`, one read (or more) of the database that `form` needs. True when it ran; false, after
// what `after` says, when it raised DbError.
bool RunDatabaseStep(VbForm& form, const std::function<void()>& step,
                     AfterDatabaseError after = AfterDatabaseError::EndAndUnload);
