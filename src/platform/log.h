#pragma once
// The program's log: halvion.log beside the database. Every database error, printer error and
// swallowed exception is written there with its description, the form it happened in and the
// time, so that a desk's "Database Error" can be traced afterwards. Nothing of it is shown on
// screen; a line the file cannot take goes to the standard error. Each entry is one line: control
// characters in it are written as escapes (\n, \r, \t, \xHH, \uHHHH; a backslash as \\). The
// file keeps the last megabyte: past it, it becomes halvion.log.1 (the one older file kept) and a
// new one starts. Where halvion.log.1 cannot be replaced, the file starts again all the same: it
// never grows past its megabyte.
#include <QLoggingCategory>
#include <QString>
#include <exception>
#include <functional>

// One category a layer: what each layer notices is written under its own name.
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)   // "halvion.platform"
Q_DECLARE_LOGGING_CATEGORY(lcData)       // "halvion.data"
Q_DECLARE_LOGGING_CATEGORY(lcFramework)  // "halvion.framework"
Q_DECLARE_LOGGING_CATEGORY(lcForms)      // "halvion.forms"
Q_DECLARE_LOGGING_CATEGORY(lcShell)      // "halvion.shell"

inline constexpr const char* kLogFileName = "halvion.log";
inline constexpr qint64 kLogFileLimit = 1024 * 1024;

// From now on the program's lines go to `path` (made when missing); empty stops writing them.
// Until a file is opened they are dropped.
void OpenLogFile(const QString& path);

// Names the form the program is in, for each line; the framework sets it.
void SetLogFormName(std::function<QString()> currentForm);

// A failure passed over on purpose (the caller goes on): what it was, and where.
void LogSwallowed(const QLoggingCategory& (*category)(), const char* where, std::exception_ptr failure);
