#pragma once
// The wait cursor, over every window of the program, for a wait the clerk would otherwise take
// for a hang: a printed bill's save waiting for another program to finish reading the file.
#include <functional>

// Shows the wait cursor for as long as it stands.
class WaitCursor {
public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// Tests see the cursor come (true) and go (false) here instead; empty restores the application's
// own override cursor.
void SetWaitCursorHandler(std::function<void(bool shown)> handler);
