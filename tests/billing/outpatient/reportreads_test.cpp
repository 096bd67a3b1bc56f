// The reports' selections read against the real tables: each takes its bound days and Load's
// rowids, and each report row is read by column name into its struct, so a column added, moved or
// renamed in a table shows here rather than as a wrong text in a listed row.
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

// Every row of the open selection, each through `read`, its texts joined by "|".
template <class Read>
QStringList Rows(Recordset& rs, Read read) {
  QStringList rows;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) rows << read(rs).join(QLatin1Char('|'));
  return rows;
}

// The rows of a report's read, its values bound as the read binds them.
template <class Read>
QStringList ReadAll(const std::shared_ptr<Connection>& con, const ReportRead& selection, Read read) {
  Recordset rs;
  selection.Open(rs, con);
  return Rows(rs, read);
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
  const auto out = [](const Recordset& rs) { return Texts(ReadOutReportBill(rs)); };
  const auto in = [](const Recordset& rs) { return Texts(ReadInReportBill(rs)); };

  const RowsAtLoad all{.lastRow = 100};
  EXPECT_EQ(ReadAll(con, OutAvailableBillsOfDaysRead(CollectionMode::Ordinary, {day, day}, all), out),
            (QStringList{"3|09/12/2026|| |30|Three|OP3", "7|09/12/2026|||70|Seven|OP7"}));
  EXPECT_EQ(ReadAll(con, OutAvailableBillsOfDaysRead(CollectionMode::Ecg, {day.addDays(-1), day}, all), out),
            QStringList{"5|09/12/2026|50||55|Ecg|OP5"});
  // Only the rows up to the last one at Load.
  EXPECT_EQ(ReadAll(con, OutAvailableBillsOfDaysRead(CollectionMode::Ordinary, {day, day}, {.lastRow = 1}), out),
            QStringList{"7|09/12/2026|||70|Seven|OP7"});
  EXPECT_EQ(ReadAll(con, OutCancelledBillsOfDayRead(day, all), out), QStringList{"6|09/12/2026|||60|Gone|OP6"});

  // Row 2 was cancelled at Load.
  const RowsAtLoad cancelled{.lastRow = 100, .invalid = {{day, 2}}, .cancelled = {{day, 2}}};
  EXPECT_EQ(ReadAll(con, InValidBillsOfDaysRead(CollectionMode::Scan, {day, day}, cancelled), in),
            QStringList{"9|09/12/2026||8|90|Nine|IP9"});
  EXPECT_EQ(ReadAll(con, InCancelledBillsOfDayRead(day, cancelled), in),
            QStringList{"2|09/12/2026|||20|Two|IP2"});
}

TEST_F(ReportReadsTest, FeeAndTestBillSelectionsReadTheirRowsByColumnName) {
  exec("INSERT INTO SettingsConsultant (patientid, Amount, DrName, Date) VALUES "
       "('OP1', '100', 'Dr. B', '2026-12-10'), ('IP2', '250', 'Dr. A', '2026-12-09')");
  exec("INSERT INTO LabPrintDetails (BillNo, Date, total, patientName, patientid, BillDelete) VALUES "
       "(4, '2026-12-09', '40', 'Lab', 'OP4', 'Available'), (4, '2026-12-09', '40', 'Lab', 'OP4', 'Available'), "
       "(5, '2026-12-09', '15', 'Cut', 'OP5', 'Deleted')");
  const auto con = openDb();
  const QDate day(2026, 12, 9);

  EXPECT_EQ(ReadAll(con, ConsultantFeesOfDaysRead({day, day.addDays(1)}, {.lastRow = 100}),
                    [](const Recordset& rs) {
                      const ConsultantFee f = ReadConsultantFee(rs);
                      return QStringList{f.date.toText(), f.drName, f.amount, f.patientId};
                    }),
            (QStringList{"09/12/2026|Dr. A|250|IP2", "10/12/2026|Dr. B|100|OP1"}));
  EXPECT_TRUE(ReadAll(con, ConsultantNoFeesRead(), [](const Recordset&) { return QStringList{}; }).isEmpty());

  const QString lab = QString::fromLatin1(cols::LabPrintDetails::kTable);
  // Row 3 was cancelled at Load.
  const RowsAtLoad cancelled{.lastRow = 100, .invalid = {{day, 3}}, .cancelled = {{day, 3}}};
  EXPECT_EQ(ReadAll(con, TestValidBillsOfDaysRead(lab, {day, day}, cancelled),
                    [](const Recordset& rs) {
                      const TestReportBill b = ReadTestReportBill(rs);
                      return QStringList{b.billNo, b.date.toText(), b.total, b.patientName, b.patientId};
                    }),
            QStringList{"4|09/12/2026|40|Lab|OP4"});
  EXPECT_EQ(ReadAll(con, TestCancelledBillsOfDayRead(lab, day, cancelled),
                    [](const Recordset& rs) {
                      const CancelledTestBill b = ReadCancelledTestBill(rs);
                      return QStringList{b.billNo, b.date.toText(), b.patientName, b.total};
                    }),
            QStringList{"5|09/12/2026|Cut|15"});
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
  const QString lab = QString::fromLatin1(cols::LabPrintDetails::kTable);
  const auto outBill = [](const Recordset& rs) { return ReadOutReportBill(rs).billNo; };
  const auto inBill = [](const Recordset& rs) { return ReadInReportBill(rs).billNo; };
  struct Case {
    const char* listing;
    ReportRead read;
    QStringList bound;
    std::function<QString(const Recordset&)> row;
    QStringList rows;
  };
  const Case cases[] = {
      {"valid of the rows at load", OutAvailableBillsOfDaysRead(CollectionMode::Ordinary, days, atLoad),
       {"09/12/2026", "10/12/2026", "4"}, outBill, {"1"}},
      {"cancelled of the rows at load", OutCancelledBillsOfDayRead(day, atLoad), {"09/12/2026", "4"}, outBill,
       {"2", "3"}},
      {"valid at load", InValidBillsOfDaysRead(CollectionMode::Ordinary, days, atLoad),
       {"09/12/2026", "10/12/2026", "4", "[2]"}, inBill, {"1", "3"}},
      {"cancelled at load", InCancelledBillsOfDayRead(day, atLoad), {"09/12/2026", "[2]"}, inBill, {"2"}},
      {"test bills valid at load", TestValidBillsOfDaysRead(lab, days, atLoad),
       {"09/12/2026", "10/12/2026", "4", "[2]"}, [](const Recordset& rs) { return ReadTestReportBill(rs).billNo; },
       {"1", "3"}},
      {"test bills cancelled at load", TestCancelledBillsOfDayRead(lab, day, atLoad), {"09/12/2026", "[2]"},
       [](const Recordset& rs) { return ReadCancelledTestBill(rs).billNo; }, {"2"}},
      {"fees of the rows at load", ConsultantFeesOfDaysRead(days, atLoad), {"09/12/2026", "10/12/2026", "4"},
       [](const Recordset& rs) { return ReadConsultantFee(rs).patientId; }, {"P3", "P2", "P1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.listing);
    QStringList bound;
    for (const Value& v : c.read.parameters()) bound << v.toText();
    EXPECT_EQ(bound, c.bound);
    EXPECT_EQ(ReadAll(con, c.read, [&](const Recordset& rs) { return QStringList{c.row(rs)}; }), c.rows);
  }
}

TEST_F(ReportReadsTest, LoadNotesTheLastRowAndTheRowsOfOneStatusThatGenerateLeavesOut) {
  const QString table = QString::fromLatin1(cols::InPatientPrintDetails::kTable);
  const auto con = openDb();
  const auto lastRow = [&] {
    Recordset rs;
    LastRowRead(table).Open(rs, con);
    return LastRowOf(rs);
  };
  EXPECT_EQ(lastRow(), 0);  // an empty table
  exec("INSERT INTO InPatientPrintDetails (BillNo, Date, total, patientName, patientid, BillDelete) VALUES "
       "(1, '2026-12-01', '10', 'Kept', 'IP1', 'Available'), "
       "(2, '2026-11-30', '20', 'Gone', 'IP2', 'Deleted'), "
       "(3, '2026-11-31', '30', 'NoDay', 'IP3', 'Deleted'), "
       "(4, '2026-12-01', '40', 'None', 'IP4', NULL)");
  EXPECT_EQ(lastRow(), 4);
  const auto noted = [&](const ReportRead& read) {
    Recordset rs;
    read.Open(rs, con);
    QStringList rows;
    for (const RowAtLoad& r : RowsAtLoadOf(rs)) rows << QString::number(r.rowid) + "|" + DateText(r.day);
    return rows;
  };
  // A date of no calendar day is noted without a day.
  EXPECT_EQ(noted(InvalidBillRowsRead(table)), (QStringList{"2|30/11/2026", "3|", "4|01/12/2026"}));
  EXPECT_EQ(noted(CancelledBillRowsRead(table)), (QStringList{"2|30/11/2026", "3|"}));

  // Row 3 is in the days as the selection compares its text; without a day it is always bound
  // among the rows left out.
  Recordset invalid;
  InvalidBillRowsRead(table).Open(invalid, con);
  const RowsAtLoad atLoad{.lastRow = 4, .invalid = RowsAtLoadOf(invalid)};
  const auto billNo = [](const Recordset& rs) { return QStringList{ReadInReportBill(rs).billNo}; };
  const ReportDays days{.from = QDate(2026, 11, 30), .to = QDate(2026, 12, 1)};
  EXPECT_EQ(ReadAll(con, InValidBillsOfDaysRead(CollectionMode::Ordinary, days, atLoad), billNo), QStringList{"1"});
}

}  // namespace
