#pragma once
// The statement wrapper and the conversions between values, parameters and cells that the
// connection, the recordset and its loading paths share; nothing above the layer uses this.
#include <QByteArray>
#include <QString>
#include <sqlite3.h>

#include "platform/ado.h"
#include "platform/ado_sqlite.h"

namespace ado_detail {

[[noreturn]] inline void raise(int number, const QString& description) { throw DbError(number, description); }

QByteArray quoteIdentifier(const QString& name);

// A statement that is always finalised, so a recordset never keeps a lock.
struct Statement {
  sqlite3_stmt* st = nullptr;
  Statement() = default;
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  ~Statement() { sqlite3_finalize(st); }

  void prepare(sqlite3* db, const QByteArray& sql, const QString& context);
};

void bindValue(sqlite3_stmt* st, int index, const Value& v);

// One cell of a column being read: it points into the statement's current row, or into a copy.
struct CellView {
  int type = SQLITE_NULL;
  qint64 integer = 0;
  double real = 0;
  const char* bytes = nullptr;
  int size = 0;
};

inline CellView cellOf(sqlite3_stmt* st, int column) {
  CellView c;
  c.type = sqlite3_column_type(st, column);
  switch (c.type) {
    case SQLITE_INTEGER: c.integer = sqlite3_column_int64(st, column); break;
    case SQLITE_FLOAT: c.real = sqlite3_column_double(st, column); break;
    case SQLITE_TEXT:
    case SQLITE_BLOB:
      c.bytes = static_cast<const char*>(sqlite3_column_blob(st, column));
      c.size = sqlite3_column_bytes(st, column);
      break;
    default: break;
  }
  return c;
}

// The cell as Fields() gives it.
inline Value valueOf(const CellView& c, bool isDate) {
  switch (c.type) {
    case SQLITE_INTEGER: return Value(c.integer);
    case SQLITE_FLOAT: return Value(c.real);
    case SQLITE_TEXT:
    case SQLITE_BLOB:
      if (isDate)
        if (const auto date = IsoDate(c.bytes, c.size)) return Value(*date);
      return Value(QString::fromUtf8(c.bytes, c.size));
    default: return Value();
  }
}

}  // namespace ado_detail
