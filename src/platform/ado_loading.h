#pragma once
// What a recordset keeps from its loading paths (the in-memory sort, the keyset's rowids);
// nothing above the layer uses this.
#include <QByteArray>
#include <QString>
#include <sqlite3.h>
#include <vector>

namespace ado_detail {

// The texts of a sort column as they were read, in the sorted order: the list of that column,
// when one is wanted, is then not read and sorted again.
struct SortedTexts {
  QString key;
  std::vector<char> bytes;
  std::vector<std::size_t> ends;  // where each text ends in `bytes`
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
