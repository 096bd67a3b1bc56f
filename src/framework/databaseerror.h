#pragma once
// The one way a form reports a database it cannot work with: the message, then the program's end.

// Connects to the program's database (ConnectDatabase); a file that is missing, not ours or not
// writable shows "Database Error. Please Check the database and try again" and ends the program.
void ConnectDB();

// What every form does when a table it needs cannot be read: the same "Database Error" message,
// then the program's end.
void DatabaseErrorEnd();
