// Bill numbers never repeat, never go back and never wrap, whatever the counter row holds: one
// more than the larger of the counter and the highest number stored, for each of the four kinds,
// held for a bill until it is stored.
#include <sqlite3.h>

#include <optional>

#include "data/billnumbers.h"
#include "support/fixture.h"

namespace {

class BillNumbersTest : public HalvionTest {};

const BillKind kKinds[] = {BillKind::OutPatient, BillKind::InPatient, BillKind::Laboratory, BillKind::XRay};

TEST_F(BillNumbersTest, NextIsOneMoreThanTheCounterOrTheStoredBillsWhicheverIsHigher) {
  const struct {
    const char* name;
    const char* counter;  // the counter table's rows, as SQL values; "" for no row
    const char* stored;   // BillNo of the stored bill rows, as SQL values; "" for none
    qint64 next;
  } cases[] = {
      {"new file", "0", "", 1},
      {"counter ahead", "5", "1,2,3", 6},
      {"counter behind the stored bills (an old back-up)", "2", "1,2,3,99,100", 101},
      {"counter NULL", "NULL", "1,7", 8},
      {"counter text", "'abc'", "3", 4},
      {"counter a number as text", "'41'", "3", 42},
      {"counter row missing", "", "9", 10},
      {"counter row missing, no bills", "", "", 1},
      {"a stored number typed as text by hand is no number", "4", "1,'x',3", 5},
      {"one number on several lines (a test bill)", "0", "6,6,6", 7},
  };
  for (BillKind kind : kKinds) {
    const BillTables& t = TablesOf(kind);
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(t.bills) + ": " + c.name);
      QString sql = QStringLiteral("BEGIN; DELETE FROM %1; DELETE FROM %2;").arg(QLatin1String(t.counter), QLatin1String(t.bills));
      if (*c.counter) sql += QStringLiteral("INSERT INTO %1 VALUES (%2);").arg(QLatin1String(t.counter), QLatin1String(c.counter));
      if (*c.stored)
        for (const QString& n : QString::fromLatin1(c.stored).split(u','))
          sql += QStringLiteral("INSERT INTO %1 (BillNo) VALUES (%2);").arg(QLatin1String(t.bills), n);
      exec(sql + QStringLiteral("COMMIT"));
      const auto con = openDb();
      EXPECT_EQ(NextBillNumber(con, kind), c.next);
      EXPECT_EQ(NextBillNumberText(con, kind), QString::number(c.next));
    }
  }
}

// The largest number the database can hold is the last: the next one is never 0 or a wrapped
// negative, it is none, and a form shows no number.
TEST_F(BillNumbersTest, PastTheLargestNumberThereIsNoNextOne) {
  const struct {
    const char* name;
    const char* counter;
    const char* stored;
    std::optional<qint64> next;
  } cases[] = {
      {"the last but one", "9223372036854775806", "", 9223372036854775807},
      {"the counter at the largest", "9223372036854775807", "1", std::nullopt},
      {"a stored bill at the largest", "5", "9223372036854775807", std::nullopt},
      {"a counter as a real above it", "1e19", "", std::nullopt},
      {"a stored bill as a real above it", "0", "1.5e19", std::nullopt},
      {"a counter as text above it", "'99999999999999999999'", "", std::nullopt},
  };
  for (BillKind kind : kKinds) {
    const BillTables& t = TablesOf(kind);
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(t.bills) + ": " + c.name);
      QString sql = QStringLiteral("BEGIN; DELETE FROM %1; DELETE FROM %2; INSERT INTO %1 VALUES (%3);")
                        .arg(QLatin1String(t.counter), QLatin1String(t.bills), QLatin1String(c.counter));
      if (*c.stored) sql += QStringLiteral("INSERT INTO %1 (BillNo) VALUES (%2);").arg(QLatin1String(t.bills), c.stored);
      exec(sql + QStringLiteral("COMMIT"));
      const auto con = openDb();
      if (c.next) {
        EXPECT_EQ(NextBillNumber(con, kind), *c.next);
        EXPECT_EQ(NextBillNumberText(con, kind), QString::number(*c.next));
      } else {
        EXPECT_THROW(NextBillNumber(con, kind), BillNumbersUsedUp);
        EXPECT_EQ(NextBillNumberText(con, kind), QString());
        EXPECT_THROW(HeldBillNumber(con, kind), BillNumbersUsedUp);
        EXPECT_FALSE(con->InTransaction()) << "nothing stays held";
      }
    }
  }
}

// A held number keeps every other writer of the file out until it is stored or given back, and
// nobody else is handed it meanwhile.
TEST_F(BillNumbersTest, AHeldNumberKeepsOtherWritersWaitingUntilItIsGivenBack) {
  const auto con = openDb();
  const auto other = openDb();
  sqlite3_busy_timeout(other->handle(), 50);
  for (BillKind kind : kKinds) {
    const BillTables& t = TablesOf(kind);
    SCOPED_TRACE(t.bills);
    const QString write = QStringLiteral("INSERT INTO %1 (BillNo) VALUES (1)").arg(QLatin1String(t.bills));
    {
      HeldBillNumber held(con, kind);
      EXPECT_EQ(held.Text(), QStringLiteral("1"));
      EXPECT_NE(sqlite3_exec(other->handle(), write.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
      EXPECT_THROW(HeldBillNumber(other, kind), DbError) << "a second desk waits its turn";
    }
    // Given back: nothing was stored, and the number is the next one still.
    EXPECT_EQ(NextBillNumber(other, kind), 1);
    ASSERT_EQ(sqlite3_exec(other->handle(), write.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(HeldBillNumber(con, kind).Number(), 2);
  }
}

}  // namespace
