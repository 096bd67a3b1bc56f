#pragma once
// Small helpers the recordset tests share.
#include <QStringList>
#include <functional>
#include <memory>

#include "platform/ado.h"
#include "support/fixture.h"

// The ADO number an action raised, or 0 when it raised nothing.
inline int ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const DbError& e) {
    return e.Number();
  }
  return 0;
}

// The reads of one table the tests open, as a data module describes them.
inline TableRead Table(const char* table, const char* condition = "") {
  return {.table = QString::fromUtf8(table), .condition = QString::fromUtf8(condition)};
}
inline TableRead SortedByDatabase(const char* table, const char* column, const char* condition = "") {
  TableRead read = Table(table, condition);
  read.orderBy = QString::fromUtf8(column);
  return read;
}
// Rows equal in `column` by `then`, before the rowid.
inline TableRead SortedThenBy(const char* table, const char* column, const char* then) {
  TableRead read = SortedByDatabase(table, column);
  read.thenBy = QString::fromUtf8(then);
  return read;
}

class AdoTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    con = openDb();
  }

  std::unique_ptr<Recordset> open(const TableRead& read, int lockType = adLockOptimistic,
                                  std::shared_ptr<Connection> on = nullptr) const {
    auto rs = std::make_unique<Recordset>();
    rs->Open(read, on ? on : con, adOpenDynamic, lockType);
    return rs;
  }
  // A free text, which is only ever read.
  std::unique_ptr<Recordset> open(const QString& sql) const {
    auto rs = std::make_unique<Recordset>();
    rs->Open(sql, con);
    return rs;
  }

  // One field of every row, from the first, walked the way the forms walk: bounded by the count.
  static QString column(Recordset& rs, int ordinal) {
    QStringList out;
    rs.MoveFirst();
    for (long i = 0; i < rs.RecordCount(); ++i) {
      out << rs.Fields(ordinal).toText();
      rs.MoveNext();
    }
    return out.join(u'|');
  }

  // Where the recordset stands: a field's text, "BOF", "EOF", "BOF/EOF" (no rows) or "deleted".
  static QString where(const Recordset& rs, int ordinal = 0) {
    if (rs.Bof() && rs.Eof()) return QStringLiteral("BOF/EOF");
    if (rs.Bof()) return QStringLiteral("BOF");
    if (rs.Eof()) return QStringLiteral("EOF");
    if (!rs.HasCurrentRow()) return QStringLiteral("deleted");
    return rs.Fields(ordinal).toText();
  }

  std::shared_ptr<Connection> con;
};
