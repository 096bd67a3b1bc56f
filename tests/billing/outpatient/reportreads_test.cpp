// The reports' selections read against the real tables: each takes the kind of bill, its bound days
// and Load's rowids, and each report row is read by column name into its struct, so a column
// added, moved or renamed in a table shows here rather than as a wrong text in a listed row.
#include <functional>

#include "data/columns.h"
#include "data/reports.h"
#include "opreports.h"
#include "platform/vbruntime.h"

namespace {

using ReportReadsTest = OpReportsTest;

QStringList Texts(const ReportBill& b) {
  return {b.billNo, b.date.toText(), b.ecg.toText(), b.scan.toText(), b.total, b.patientName, b.patientId};
}

// Every row a report's read gave, each through `texts`, its texts joined by "|".
template <class Row, class Texts>
QStringList Rows(const std::vector<Row>& rows, Texts texts) {
  QStringList listed;
  for (const Row& row : rows) listed << texts(row).join(QLatin1Char('|'));
  return listed;
}

QStringList Texts(const TestReportBill& b) { return {b.billNo, b.date.toText(), b.total, b.patientName, b.patientId}; }
QStringList Texts(const CancelledTestBill& b) { return {b.billNo, b.date.toText(), b.patientName, b.total}; }
QStringList Texts(const ConsultantFee& f) { return {f.date.toText(), f.drName, f.amount, f.patientId}; }

template <class Row>
QStringList Rows(const std::vector<Row>& rows) {
  return Rows(rows, [](const Row& row) { return Texts(row); });
}

TEST_F(ReportReadsTest, BillSelectionsReadTheirDaysAndModeByColumnName) {
  // Columns named, so that the test does not lean on the tables' order either.
  exec("INSERT INTO OutPatientPrintDetails (BillNo, Date, ECG, Scan, total, patientName, patientid, BillDelete) "
       "VALUES (7, '2026-12-09', '', '', '70', 'Seven', 'OP7', 'Available'), "
       "(3, '2026-12-09', '', ' ', '30', 'Three', 'OP3', 'Available'), "
       "(5, '2026-12-09', '50', '', '55', 'Ecg', 'OP5', 'Available'), "
       "(4, '2026-12-08', '', '', '40', 'Before', 'OP4', 'Available'), "
       "(6, '2026-12-09', '', '', '60', 'Gone', 'OP6', 'Deleted')");
  exec("INSERT INTO InPatientPrintDetails (BillNo, Date, ECG, Scan, total, patientName, patientid, BillDelete) "
       "VALUES (9, '2026-12-09', '', '8', '90', 'Nine', 'IP9', 'Available'), "
       "(2, '2026-12-09', '', '', '20', 'Two', 'IP2', 'Deleted')");
  const auto con = openDb();
  const QDate day(2026, 12, 9);
  const auto out = BillKind::OutPatient;
  const auto in = BillKind::InPatient;

  const RowsAtLoad all{.lastRow = 100};
  EXPECT_EQ(Rows(CollectionBills(con, out, CollectionMode::Ordinary, {day, day}, all)),
            (QStringList{"3|09/12/2026|| |30|Three|OP3", "7|09/12/2026|||70|Seven|OP7"}));
  EXPECT_EQ(Rows(CollectionBills(con, out, CollectionMode::Ecg, {day.addDays(-1), day}, all)),
            QStringList{"5|09/12/2026|50||55|Ecg|OP5"});
  // Only the rows up to the last one at Load.
  EXPECT_EQ(Rows(CollectionBills(con, out, CollectionMode::Ordinary, {day, day}, {.lastRow = 1})),
            QStringList{"7|09/12/2026|||70|Seven|OP7"});
  EXPECT_EQ(Rows(CancelledBills(con, out, day, all)), QStringList{"6|09/12/2026|||60|Gone|OP6"});

  // Row 2 was cancelled at Load.
  const RowsAtLoad cancelled{.lastRow = 100, .invalid = {{day, 2}}, .cancelled = {{day, 2}}};
  EXPECT_EQ(Rows(CollectionBills(con, in, CollectionMode::Scan, {day, day}, cancelled)),
            QStringList{"9|09/12/2026||8|90|Nine|IP9"});
  EXPECT_EQ(Rows(CancelledBills(con, in, day, cancelled)), QStringList{"2|09/12/2026|||20|Two|IP2"});
}

TEST_F(ReportReadsTest, FeeAndTestBillSelectionsReadTheirRowsByColumnName) {
  exec("INSERT INTO SettingsConsultant (patientid, Amount, DrName, Date) VALUES "
       "('OP1', '100', 'Dr. B', '2026-12-10'), ('IP2', '250', 'Dr. A', '2026-12-09')");
  exec("INSERT INTO LabPrintDetails (BillNo, Date, total, patientName, patientid, BillDelete) VALUES "
       "(4, '2026-12-09', '40', 'Lab', 'OP4', 'Available'), (4, '2026-12-09', '40', 'Lab', 'OP4', 'Available'), "
       "(5, '2026-12-09', '15', 'Cut', 'OP5', 'Deleted')");
  const auto con = openDb();
  const QDate day(2026, 12, 9);

  EXPECT_EQ(Rows(ConsultantFees(con, {day, day.addDays(1)}, {.lastRow = 100})),
            (QStringList{"09/12/2026|Dr. A|250|IP2", "10/12/2026|Dr. B|100|OP1"}));
  // Load reads the fee table's columns and notes its last row, no fee.
  const RowsAtLoad fees = NoteConsultantFeesAtLoad(con);
  EXPECT_EQ(fees.lastRow, 2);
  EXPECT_TRUE(fees.invalid.empty() && fees.cancelled.empty());

  const BillKind lab = BillKind::Laboratory;
  // Row 3 was cancelled at Load.
  const RowsAtLoad cancelled{.lastRow = 100, .invalid = {{day, 3}}, .cancelled = {{day, 3}}};
  EXPECT_EQ(Rows(TestCollectionBills(con, lab, {day, day}, cancelled)), QStringList{"4|09/12/2026|40|Lab|OP4"});
  EXPECT_EQ(Rows(CancelledTestBills(con, lab, day, cancelled)), QStringList{"5|09/12/2026|Cut|15"});
}

// Each listing binds its days and what its Load noted, in the order of its text: the rows up to
// the last one at Load, and where it lists by the rows noted, only those of its days.
TEST_F(ReportReadsTest, EachListingBindsItsDaysAndWhatLoadNotedInOrder) {
  // Row 3 was cancelled after Load and row 5 added after it; row 4, cancelled at Load, is of the
  // day before.
  for (const char* table : {cols::OutPatientPrintDetails::kTable, cols::InPatientPrintDetails::kTable,
                            cols::LabPrintDetails::kTable})
    exec(QStringLiteral("INSERT INTO %1 (BillNo, Date, total, patientName, patientid, BillDelete) VALUES "
                        "(1, '2026-12-10', '10', 'One', 'P1', 'Available'), "
                        "(2, '2026-12-09', '20', 'Two', 'P2', 'Deleted'), "
                        "(3, '2026-12-09', '30', 'Three', 'P3', 'Deleted'), "
                        "(4, '2026-12-08', '40', 'Four', 'P4', 'Deleted'), "
                        "(5, '2026-12-09', '50', 'Five', 'P5', 'Available')")
             .arg(QString::fromLatin1(table)));
  exec("INSERT INTO SettingsConsultant (patientid, Amount, DrName, Date) VALUES ('P1', '10', 'Dr. D', '2026-12-10'), "
       "('P2', '20', 'Dr. C', '2026-12-09'), ('P3', '30', 'Dr. B', '2026-12-09'), ('P4', '40', 'Dr. A', '2026-12-08'), "
       "('P5', '50', 'Dr. E', '2026-12-09')");
  const auto con = openDb();
  const QDate day(2026, 12, 9);
  const ReportDays days{.from = day, .to = day.addDays(1)};
  const RowsAtLoad atLoad{.lastRow = 4,
                          .invalid = {{.day = day, .rowid = 2}, {.day = day.addDays(-1), .rowid = 4}},
                          .cancelled = {{.day = day, .rowid = 2}, {.day = day.addDays(-1), .rowid = 4}}};
  const BillKind out = BillKind::OutPatient, in = BillKind::InPatient, lab = BillKind::Laboratory;
  const CollectionMode ordinary = CollectionMode::Ordinary;
  // The rows' first texts: the bill numbers, the fees' patients.
  const auto first = [](const auto& rows) {
    QStringList listed;
    for (const auto& row : rows) listed << Texts(row).front();
    return listed;
  };
  const auto patients = [](const std::vector<ConsultantFee>& fees) {
    QStringList listed;
    for (const ConsultantFee& fee : fees) listed << fee.patientId;
    return listed;
  };
  struct Case {
    const char* listing;
    ReportRead read;
    QStringList bound;
    std::function<QStringList()> rows;
    QStringList listed;
  };
  const Case cases[] = {
      {"valid of the rows at load", CollectionBillsRead(out, ordinary, days, atLoad),
       {"09/12/2026", "10/12/2026", "4"}, [&] { return first(CollectionBills(con, out, ordinary, days, atLoad)); },
       {"1"}},
      {"cancelled of the rows at load", CancelledBillsRead(out, day, atLoad), {"09/12/2026", "4"},
       [&] { return first(CancelledBills(con, out, day, atLoad)); }, {"2", "3"}},
      {"valid at load", CollectionBillsRead(in, ordinary, days, atLoad), {"09/12/2026", "10/12/2026", "4", "[2]"},
       [&] { return first(CollectionBills(con, in, ordinary, days, atLoad)); }, {"1", "3"}},
      {"cancelled at load", CancelledBillsRead(in, day, atLoad), {"09/12/2026", "[2]"},
       [&] { return first(CancelledBills(con, in, day, atLoad)); }, {"2"}},
      {"test bills valid at load", TestCollectionBillsRead(lab, days, atLoad), {"09/12/2026", "10/12/2026", "4", "[2]"},
       [&] { return first(TestCollectionBills(con, lab, days, atLoad)); }, {"1", "3"}},
      {"test bills cancelled at load", CancelledTestBillsRead(lab, day, atLoad), {"09/12/2026", "[2]"},
       [&] { return first(CancelledTestBills(con, lab, day, atLoad)); }, {"2"}},
      {"fees of the rows at load", ConsultantFeesRead(days, atLoad), {"09/12/2026", "10/12/2026", "4"},
       [&] { return patients(ConsultantFees(con, days, atLoad)); }, {"P3", "P2", "P1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.listing);
    QStringList bound;
    for (const Value& v : c.read.parameters()) bound << v.toText();
    EXPECT_EQ(bound, c.bound);
    EXPECT_EQ(c.rows(), c.listed);
  }
}

TEST_F(ReportReadsTest, LoadNotesTheLastRowAndTheRowsOfOneStatusThatGenerateLeavesOut) {
  const BillKind kind = BillKind::InPatient;
  const auto con = openDb();
  const auto lastRow = [&] { return NoteCollectionAtLoad(con, kind).lastRow; };
  EXPECT_EQ(lastRow(), 0);  // an empty table
  exec("INSERT INTO InPatientPrintDetails (BillNo, Date, total, patientName, patientid, BillDelete) VALUES "
       "(1, '2026-12-01', '10', 'Kept', 'IP1', 'Available'), "
       "(2, '2026-11-30', '20', 'Gone', 'IP2', 'Deleted'), "
       "(3, '2026-11-31', '30', 'NoDay', 'IP3', 'Deleted'), "
       "(4, '2026-12-01', '40', 'None', 'IP4', NULL)");
  EXPECT_EQ(lastRow(), 4);
  const auto noted = [](const std::vector<RowAtLoad>& rows) {
    QStringList listed;
    for (const RowAtLoad& r : rows) listed << QString::number(r.rowid) + "|" + DateText(r.day);
    return listed;
  };
  // A date of no calendar day is noted without a day. The collection report notes the rows that
  // were no valid bill, the cancelled-bill report the cancelled ones.
  EXPECT_EQ(noted(NoteCollectionAtLoad(con, kind).invalid), (QStringList{"2|30/11/2026", "3|", "4|01/12/2026"}));
  EXPECT_EQ(noted(NoteCancelledAtLoad(con, kind).cancelled), (QStringList{"2|30/11/2026", "3|"}));

  // Row 3 is in the days as the selection compares its text; without a day it is always bound
  // among the rows left out.
  const RowsAtLoad atLoad = NoteCollectionAtLoad(con, kind);
  EXPECT_EQ(atLoad.lastRow, 4);
  const ReportDays days{.from = QDate(2026, 11, 30), .to = QDate(2026, 12, 1)};
  QStringList billNos;
  for (const ReportBill& bill : CollectionBills(con, kind, CollectionMode::Ordinary, days, atLoad))
    billNos << bill.billNo;
  EXPECT_EQ(billNos, QStringList{"1"});
}

}  // namespace
