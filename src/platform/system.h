#pragma once
// The seams between the program and its process: today's date, the program folder and the end.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <functional>

// "Today" as the program sees it; tests fix it.
QDate Today();
QDateTime Now();
void SetClock(std::function<QDateTime()> clock);  // empty restores the system clock

// The program folder (where the database, pictures and movies live), without a trailing slash.
QString AppPath();
void SetAppPath(const QString& folder);  // empty restores the executable's folder

// Ends the program at once, as VB's End: no window is closed and nothing is restored.
// Production leaves the process; a test's handler records the end and returns, so every
// caller returns straight after calling End().
void End();
void SetEndHandler(std::function<void()> handler);  // empty restores the process exit
