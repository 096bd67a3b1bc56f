// The row store: how the fields of a row are packed into the arena and read out of it.
#include "platform/ado_rowstore.h"

#include <cstring>

#include "platform/ado_sqlite.h"

namespace {

enum Tag : char { kNull = 0, kInteger = 1, kReal = 2, kText = 3 };

void putVarint(std::vector<char>& a, std::uint64_t v) {
  while (v >= 0x80) {
    a.push_back(char(std::uint8_t(v | 0x80)));
    v >>= 7;
  }
  a.push_back(char(std::uint8_t(v)));
}

std::uint64_t getVarint(const char*& p) {
  std::uint64_t v = 0;
  for (int shift = 0;; shift += 7) {
    const auto b = std::uint8_t(*p++);
    v |= std::uint64_t(b & 0x7f) << shift;
    if (!(b & 0x80)) return v;
  }
}

std::uint64_t zigzag(std::int64_t v) { return (std::uint64_t(v) << 1) ^ std::uint64_t(v >> 63); }
std::int64_t unzigzag(std::uint64_t v) { return std::int64_t(v >> 1) ^ -std::int64_t(v & 1); }

void putInteger(std::vector<char>& a, std::int64_t v) {
  a.push_back(kInteger);
  putVarint(a, zigzag(v));
}

void putReal(std::vector<char>& a, double v) {
  a.push_back(kReal);
  char bytes[sizeof v];
  std::memcpy(bytes, &v, sizeof v);
  a.insert(a.end(), bytes, bytes + sizeof v);
}

void putText(std::vector<char>& a, const char* p, std::size_t n) {
  a.push_back(kText);
  putVarint(a, n);
  a.insert(a.end(), p, p + n);
}

void skipCell(const char*& p) {
  switch (*p++) {
    case kInteger: getVarint(p); break;
    case kReal: p += sizeof(double); break;
    case kText: {
      const std::uint64_t n = getVarint(p);
      p += n;
      break;
    }
    default: break;
  }
}

}  // namespace

namespace ado_detail {

RowRef appendRow(std::vector<char>& a, sqlite3_stmt* st, int n, bool withRowid) {
  RowRef r{a.size(), withRowid ? sqlite3_column_int64(st, n) : 0};
  for (int i = 0; i < n; ++i) {
    switch (sqlite3_column_type(st, i)) {
      case SQLITE_INTEGER: putInteger(a, sqlite3_column_int64(st, i)); break;
      case SQLITE_FLOAT: putReal(a, sqlite3_column_double(st, i)); break;
      case SQLITE_TEXT: {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
        putText(a, p, std::size_t(sqlite3_column_bytes(st, i)));
        break;
      }
      case SQLITE_BLOB: {
        const auto* p = static_cast<const char*>(sqlite3_column_blob(st, i));
        putText(a, p, std::size_t(sqlite3_column_bytes(st, i)));
        break;
      }
      default: a.push_back(kNull); break;
    }
  }
  return r;
}

RowRef appendValues(std::vector<char>& a, const std::vector<Value>& values, std::int64_t rowid) {
  RowRef r{a.size(), rowid};
  for (const Value& v : values) {
    switch (v.kind()) {
      case Value::Kind::Null: a.push_back(kNull); break;
      case Value::Kind::Integer: putInteger(a, v.intValue()); break;
      case Value::Kind::Real: putReal(a, v.realValue()); break;
      case Value::Kind::Text: {
        const QByteArray utf8 = v.textValue().toUtf8();
        putText(a, utf8.constData(), std::size_t(utf8.size()));
        break;
      }
      case Value::Kind::Date: {
        const QByteArray iso = IsoText(*v.toDate());
        putText(a, iso.constData(), std::size_t(iso.size()));
        break;
      }
    }
  }
  return r;
}

Value cellAt(const std::vector<char>& arena, const RowRef& r, int ordinal, bool isDate) {
  const char* p = arena.data() + r.offset;
  for (int i = 0; i < ordinal; ++i) skipCell(p);
  switch (*p++) {
    case kInteger: return Value(qint64(unzigzag(getVarint(p))));
    case kReal: {
      double d = 0;
      std::memcpy(&d, p, sizeof d);
      return Value(d);
    }
    case kText: {
      const auto n = qsizetype(getVarint(p));
      if (isDate)
        if (const auto date = IsoDate(p, n)) return Value(*date);
      return Value(QString::fromUtf8(p, n));
    }
    default: return Value();
  }
}

}  // namespace ado_detail
