// Bill numbers never repeat and never go back, whatever the counter row holds: one more than the
// larger of the counter and the highest number stored, for each of the four kinds.
#include "data/billnumbers.h"
#include "framework/databaseerror.h"
#include "globals.h"
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

TEST_F(BillNumbersTest, ASaveRefusesANumberThatIsNoLongerNext) {
  for (BillKind kind : kKinds) {
    const BillTables& t = TablesOf(kind);
    SCOPED_TRACE(t.bills);
    const auto con = openDb();
    EXPECT_NO_THROW(CheckBillNumberStillNext(con, kind, QStringLiteral("1")));
    EXPECT_NO_THROW(CheckBillNumberStillNext(con, kind, QStringLiteral(" 1 ")));
    // Another program stores bill 1 meanwhile.
    exec(QStringLiteral("INSERT INTO %1 (BillNo) VALUES (1)").arg(QLatin1String(t.bills)));
    try {
      CheckBillNumberStillNext(con, kind, QStringLiteral("1"));
      ADD_FAILURE() << "bill 1 was let through a second time";
    } catch (const DbError& e) {
      EXPECT_EQ(e.Description(), QStringLiteral("the number 1 has been given to another bill meanwhile"));
    }
    EXPECT_NO_THROW(CheckBillNumberStillNext(con, kind, QStringLiteral("2")));
  }
}

TEST_F(BillNumbersTest, AFileWithoutTheBillNumberIndexesGetsThemWhenTheProgramConnects) {
  exec(QStringLiteral("DROP INDEX OutPatientPrintDetailsBillNo; DROP INDEX LabPrintDetailsBillNo"));
  ConnectDB();
  ASSERT_EQ(endCount(), 0);
  EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND name LIKE '%BillNo'")),
            QStringLiteral("4"));
}

}  // namespace
