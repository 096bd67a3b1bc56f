#pragma once
// What the connection and the recordset share inside the layer; nothing above it uses this.
#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>

#include "platform/ado.h"

namespace ado_detail {

// How long a statement waits for another connection's lock before it gives up.
inline constexpr int kBusyTimeoutMs = 2000;

// SQLite's message for rc, saying plainly when the database was locked (past `busySeconds`).
QString SqliteText(sqlite3* db, int rc, int busySeconds = kBusyTimeoutMs / 1000);
DbError ProviderError(sqlite3* db, int rc, const QString& context, int busySeconds = kBusyTimeoutMs / 1000);

// The stored form of a date, "yyyy-MM-dd", and back (strict: anything else is no date).
std::optional<QDate> IsoDate(const char* utf8, qsizetype size);
QByteArray IsoText(const QDate& date);

}  // namespace ado_detail
