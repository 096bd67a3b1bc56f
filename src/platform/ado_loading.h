#pragma once
// What a recordset keeps from its loading paths (when a keyset read its rowids, and the texts of
// its sort column read with them); nothing above the layer uses this.
#include <QString>
#include <cstdint>
#include <sqlite3.h>
#include <vector>

namespace ado_detail {

// The texts of a keyset's sort column, read with its rowids from the index that serves the order
// and kept, in that order, until the column is listed once (ReadColumnText of the keyset).
struct KeptTexts {
  QString column;
  std::vector<char> bytes;           // the texts, one after another
  std::vector<std::uint32_t> ends;   // where each ends in `bytes`
};

// What the database was when a keyset read its rowids: a write since, by this connection or
// by another, or a change of the schema (a VACUUM may renumber the rows) moves it.
struct DbStamp {
  sqlite3_int64 changes = -1;
  sqlite3_int64 dataVersion = -1;
  sqlite3_int64 schemaVersion = -1;
  bool operator==(const DbStamp&) const = default;
};

DbStamp stampOf(sqlite3* db);

}  // namespace ado_detail
