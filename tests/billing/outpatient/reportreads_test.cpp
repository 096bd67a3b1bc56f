// The reports' selections read against the real tables: each takes its bound days and Load's
// rowids, and each report row is read by column name into its struct, so a column added, moved or
// renamed in a table shows here rather than as a wrong text in a listed row.
#include "data/columns.h"
#include "data/reports.h"
#include "opreports.h"

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

// The rows of a report's read of whole rows, its parameters' values given as a report gives them.
template <class Read>
QStringList ReadAll(const std::shared_ptr<Connection>& con, TableRead selection, const std::vector<Value>& parameters,
                    Read read) {
  selection.parameters = parameters;
  Recordset rs;
  rs.Open(selection, con);
  return Rows(rs, read);
}

// The rows of a report's own selection text.
template <class Read>
QStringList ReadAll(const std::shared_ptr<Connection>& con, const QString& sql, const std::vector<Value>& parameters,
                    Read read) {
  Recordset rs;
  rs.Open(sql, parameters, con);
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

  EXPECT_EQ(ReadAll(con, OutAvailableBillsOfDaysRead(CollectionMode::Ordinary), {day, day, 100}, out),
            (QStringList{"3|09/12/2026|| |30|Three|OP3", "7|09/12/2026|||70|Seven|OP7"}));
  EXPECT_EQ(ReadAll(con, OutAvailableBillsOfDaysRead(CollectionMode::Ecg), {day.addDays(-1), day, 100}, out),
            QStringList{"5|09/12/2026|50||55|Ecg|OP5"});
  // Only the rows up to the last one at Load.
  EXPECT_EQ(ReadAll(con, OutAvailableBillsOfDaysRead(CollectionMode::Ordinary), {day, day, 1}, out),
            QStringList{"7|09/12/2026|||70|Seven|OP7"});
  EXPECT_EQ(ReadAll(con, OutCancelledBillsOfDayRead(), {day, 100}, out), QStringList{"6|09/12/2026|||60|Gone|OP6"});

  EXPECT_EQ(ReadAll(con, InValidBillsOfDaysRead(CollectionMode::Scan), {day, day, 100, QStringLiteral("[2]")}, in),
            QStringList{"9|09/12/2026||8|90|Nine|IP9"});
  EXPECT_EQ(ReadAll(con, InCancelledBillsOfDayRead(), {day, QStringLiteral("[2]")}, in),
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

  EXPECT_EQ(ReadAll(con, ConsultantFeesOfDaysRead(), {day, day.addDays(1), 100},
                    [](const Recordset& rs) {
                      const ConsultantFee f = ReadConsultantFee(rs);
                      return QStringList{f.date.toText(), f.drName, f.amount, f.patientId};
                    }),
            (QStringList{"09/12/2026|Dr. A|250|IP2", "10/12/2026|Dr. B|100|OP1"}));
  EXPECT_TRUE(ReadAll(con, ConsultantNoFeesRead(), {}, [](const Recordset&) { return QStringList{}; }).isEmpty());

  const QString lab = QString::fromLatin1(cols::LabPrintDetails::kTable);
  EXPECT_EQ(ReadAll(con, TestCollectionReportSql(lab), {day, day, 100, QStringLiteral("[3]")},
                    [](const Recordset& rs) {
                      const TestReportBill b = ReadTestReportBill(rs);
                      return QStringList{b.billNo, b.date.toText(), b.total, b.patientName, b.patientId};
                    }),
            QStringList{"4|09/12/2026|40|Lab|OP4"});
  EXPECT_EQ(ReadAll(con, TestCancelReportSql(lab), {day, QStringLiteral("[3]")},
                    [](const Recordset& rs) {
                      const CancelledTestBill b = ReadCancelledTestBill(rs);
                      return QStringList{b.billNo, b.date.toText(), b.patientName, b.total};
                    }),
            QStringList{"5|09/12/2026|Cut|15"});
}

}  // namespace
