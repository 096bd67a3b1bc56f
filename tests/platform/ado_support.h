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

class AdoTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    con = openDb();
  }

  std::unique_ptr<Recordset> open(const QString& sql, int lockType = adLockOptimistic,
                                  std::shared_ptr<Connection> on = nullptr) const {
    auto rs = std::make_unique<Recordset>();
    rs->Open(sql, on ? on : con, adOpenDynamic, lockType);
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
