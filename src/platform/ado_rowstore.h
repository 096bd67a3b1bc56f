#pragma once
// The row store of a recordset, kept compact because the bill tables grow to a million rows.
// Each row is one run of bytes in a shared arena (a type tag per field, then the integer, the
// real or the UTF-8 text); fields are decoded only when they are read. Nothing above the layer
// uses this.
#include <cstdint>
#include <sqlite3.h>
#include <vector>

#include "platform/ado.h"

namespace ado_detail {

// The offset of a row whose values have not been read yet (a keyset recordset).
constexpr std::uint64_t kNotRead = ~std::uint64_t(0);

struct RowRef {
  std::uint64_t offset = 0;  // where the row's bytes start in the arena, or kNotRead
  std::int64_t rowid = 0;
};

// The rows of one snapshot. Bytes of rows that were changed or deleted stay in the arena until
// the next Requery: forms change a handful of rows, and a rollback needs the old bytes.
struct Storage {
  std::vector<RowRef> rows;
  std::vector<char> arena;
};

// The first `fields` columns of the statement's current row, added to the arena; the rowid is the
// column after them where `withRowid`, else 0.
RowRef appendRow(std::vector<char>& arena, sqlite3_stmt* st, int fields, bool withRowid);

// A row made from values, for the one case where a stored row cannot be read back.
RowRef appendValues(std::vector<char>& arena, const std::vector<Value>& values, std::int64_t rowid);

// Field `ordinal` of a row; a text of a DATE column that holds a date is that date.
Value cellAt(const std::vector<char>& arena, const RowRef& r, int ordinal, bool isDate);

}  // namespace ado_detail
