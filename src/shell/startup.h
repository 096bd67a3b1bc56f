#pragma once
// The program's start: the lock on the database file first, then the splash.

// Takes the database file's lock and loads the splash. When another running copy holds the lock
// it says so and ends without touching the file.
void StartProgram();
