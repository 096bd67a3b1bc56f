// The one way a form opens a recordset at its load: open, or the "Database Error" message and the
// program's end; and the same message where the form carries on.
#include <functional>

#include "framework/databaseerror.h"
#include "framework/vbform.h"
#include "globals.h"
#include "support/fixture.h"

namespace {

const char* const kMessage = "Database Error. Please Check the database and try again";

class DatabaseErrorTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    gCon = openDb();
  }
};

TEST_F(DatabaseErrorTest, ARecordsetNotOpenAtLoadSaysDatabaseErrorAndEnds) {
  const TableRead doctors{.table = QStringLiteral("SettingDrDetails")};
  VbForm form;  // not loaded: what unloading a loaded form does is the record forms' own test
  const struct {
    const char* name;
    std::function<bool(Recordset&)> open;
    bool opened;
  } cases[] = {
      {"a table read", [&](Recordset& rs) { return OpenOrEnd(form, rs, doctors); }, true},
      {"a keyset", [&](Recordset& rs) { return OpenOrEnd(form, rs, [&](Recordset& r) { r.OpenKeyset(doctors, gCon); }); },
       true},
      {"a table that is not there",
       [&](Recordset& rs) { return OpenOrEnd(form, rs, TableRead{.table = QStringLiteral("Elsewhere")}); }, false},
      {"a read that raises", [&](Recordset& rs) { return OpenOrEnd(form, rs, [](Recordset&) { throw DbError(adErrProvider, "x"); }); },
       false},
      {"a read that opens nothing", [&](Recordset& rs) { return OpenOrEnd(form, rs, [](Recordset&) {}); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const int ends = endCount();
    if (!c.opened) boxes().expect(kMessage, "Database Error", vbCritical);
    Recordset rs;
    EXPECT_EQ(c.open(rs), c.opened);
    EXPECT_EQ(rs.State(), c.opened ? adStateOpen : adStateClosed);
    EXPECT_EQ(boxes().pending(), 0);
    EXPECT_EQ(endCount(), ends + (c.opened ? 0 : 1));
  }
}

TEST_F(DatabaseErrorTest, TheMessageAloneLetsTheProgramGoOn) {
  boxes().expect(kMessage, "Database Error", vbCritical);
  ShowDatabaseError();
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(endCount(), 0);
}

}  // namespace
