// A bill is read and cancelled by its row, as values: the cancellation forms keep the row they
// showed, never a cursor, and the data module reads the row again inside the write.
#include <optional>

#include "data/bills.h"
#include "data/reports.h"
#include "support/fixture.h"

namespace {

class CancellationsTest : public HalvionTest {};

TEST_F(CancellationsTest, ABillIsReadAndCancelledByItsRowOnlyWhileItIsAvailable) {
  exec("INSERT INTO InPatientPrintDetails (BillNo, Date, BedCharges, Others, total, patientName, patientid, "
       "BillDelete) VALUES (4, '2026-12-09', '100', '5', '105', 'Four', 'IP4', 'Available'), "
       "(5, '2026-12-09', '', '', '50', 'Five', 'IP5', 'available '), (6, '2026-12-09', '', '', '60', 'Six', 'IP6', "
       "'Deleted'), (7, '2026-12-09', '', '', '70', 'Seven', 'IP7', NULL)");
  const auto con = openDb();
  const BillKind kind = BillKind::InPatient;

  const std::optional<StoredBill> four = ReadBill(con, kind, 1);
  ASSERT_TRUE(four);
  EXPECT_EQ(four->patientName, "Four");
  EXPECT_EQ(four->patientId, "IP4");
  ASSERT_EQ(four->amounts.size(), 10u);
  EXPECT_EQ(four->amounts.front(), "100");
  EXPECT_EQ(four->amounts.back(), "5");
  EXPECT_EQ(four->date.toText(), "09/12/2026");
  EXPECT_EQ(four->total, "105");
  EXPECT_FALSE(ReadBill(con, kind, 99));

  // "Available" as VB compared it, trimmed and in any case; every other status is refused, and so
  // is a row that is not there.
  const struct {
    qint64 row;
    bool cancelled;
    const char* after;
  } cases[] = {{1, true, "Deleted"}, {1, false, "Deleted"}, {2, true, "Deleted"}, {3, false, "Deleted"},
               {4, false, ""}, {99, false, nullptr}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    EXPECT_EQ(CancelBill(con, kind, c.row), c.cancelled);
    if (c.after) {
      EXPECT_EQ(scalar(QStringLiteral("SELECT ifnull(BillDelete, '') FROM InPatientPrintDetails WHERE rowid = %1")
                           .arg(c.row)),
                c.after);
    }
  }
  EXPECT_EQ(scalar("SELECT count(*) FROM InPatientPrintDetails"), "4");
}

TEST_F(CancellationsTest, ATestBillIsCancelledByTheLinesShownAllOrNothing) {
  exec("INSERT INTO XRayPrintDetails (BillNo, Date, Description, Amount, total, patientName, patientid, BillDelete) "
       "VALUES (8, '2026-12-09', 'Chest', '100', '150', 'Eight', 'OP8', 'Available'), "
       "(8, '2026-12-09', 'Hand', '50', '150', 'Eight', 'OP8', 'Available'), "
       "(9, '2026-12-09', 'Knee', '70', '70', 'Nine', 'OP9', 'Available')");
  const auto con = openDb();
  const BillKind kind = BillKind::XRay;

  // The lines come in the order asked for; a row no longer there gives none.
  const std::vector<StoredTestLine> lines = ReadTestBillLines(con, kind, {2, 1, 42});
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].rowid, 2);
  EXPECT_EQ(lines[0].description, "Hand");
  EXPECT_EQ(lines[1].rowid, 1);
  EXPECT_EQ(lines[1].description, "Chest");
  EXPECT_EQ(lines[1].billNo, "8");
  EXPECT_EQ(lines[1].total, "150");
  EXPECT_EQ(lines[1].patientId, "OP8");

  EXPECT_EQ(CancelTestBill(con, kind, {}, "8"), 0);
  // A line shown as bill 8 that is now another bill's leaves the whole bill alone.
  EXPECT_EQ(CancelTestBill(con, kind, {1, 3}, "8"), 0);
  EXPECT_EQ(scalar("SELECT count(*) FROM XRayPrintDetails WHERE BillDelete = 'Deleted'"), "0");
  EXPECT_EQ(CancelTestBill(con, kind, {1, 2}, "8"), 2);
  EXPECT_EQ(scalar("SELECT group_concat(rowid) FROM XRayPrintDetails WHERE BillDelete = 'Deleted'"), "1,2");
  // Once cancelled, never again.
  EXPECT_EQ(CancelTestBill(con, kind, {1, 2}, "8"), 0);
}

TEST_F(CancellationsTest, AReportReadOfAKindItDoesNotListIsRefused) {
  const auto con = openDb();
  const QDate day(2026, 12, 9);
  EXPECT_THROW(CollectionBills(con, BillKind::Laboratory, CollectionMode::Ordinary, {day, day}, {}), DbError);
  EXPECT_THROW(CancelledBills(con, BillKind::XRay, day, {}), DbError);
  EXPECT_THROW(TestCollectionBills(con, BillKind::OutPatient, {day, day}, {}), DbError);
  EXPECT_THROW(CancelledTestBills(con, BillKind::InPatient, day, {}), DbError);
}

}  // namespace
