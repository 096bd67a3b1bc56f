// The statement wrapper shared by the connection and the recordset.
#include "platform/ado_statement.h"

#include <cctype>

namespace ado_detail {

QByteArray quoteIdentifier(const QString& name) {
  QByteArray q = name.toUtf8();
  q.replace('"', "\"\"");
  return '"' + q + '"';
}

void Statement::prepare(sqlite3* db, const QByteArray& sql, const QString& context) {
  const char* tail = nullptr;
  const int rc = sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &st, &tail);
  if (rc != SQLITE_OK) throw ProviderError(db, rc, context);
  while (tail && *tail && std::isspace(static_cast<unsigned char>(*tail))) ++tail;
  if (!st || (tail && *tail))
    raise(adErrInvalidArgument, QStringLiteral("Only one SQL statement can be run: ") + QString::fromUtf8(sql));
}

void bindValue(sqlite3_stmt* st, int index, const Value& v) {
  switch (v.kind()) {
    case Value::Kind::Null: sqlite3_bind_null(st, index); break;
    case Value::Kind::Integer: sqlite3_bind_int64(st, index, v.intValue()); break;
    case Value::Kind::Real: sqlite3_bind_double(st, index, v.realValue()); break;
    case Value::Kind::Text: {
      // An empty text stays an empty text: "" and NULL are different values to the forms.
      const QByteArray utf8 = v.textValue().toUtf8();
      sqlite3_bind_text(st, index, utf8.isNull() ? "" : utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
      break;
    }
    case Value::Kind::Date: {
      const QByteArray iso = IsoText(*v.toDate());
      sqlite3_bind_text(st, index, iso.constData(), int(iso.size()), SQLITE_TRANSIENT);
      break;
    }
  }
}

}  // namespace ado_detail
