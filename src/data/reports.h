#pragma once
// The reports' reads: the selections the collection, cancelled-bill and consultant fee reports
// run (their parameters bound, never glued in), the reads their forms make at Load, and the row a
// report lists, by column name.
//
// A report lists the rows of its selection as they stood when its form was loaded. Bills are only
// ever added and cancelled (their status set to "Deleted"), so Load notes the table's last rowid
// and, where the selection needs it, the rowids of one status; Generate then binds them.
#include <QString>

#include "platform/ado.h"

// The collection reports' three selections, from the ECG and SCAN check boxes.
enum class CollectionMode { Ordinary, Ecg, Scan };
// The choice of the mode on the columns ECG and Scan, as " AND ..." for a selection of bills: the
// bills of the other modes are then neither read nor sorted. A fee counts when its text, trimmed
// of blanks, is not empty.
QString CollectionModeCondition(CollectionMode mode);

// Load's reads, for any bill table; each selects the rowid as kRowidColumn, and the two lists of
// rows also their date as kRowDateColumn.
inline constexpr int kRowidColumn = 0;
inline constexpr int kRowDateColumn = 1;
// The table's last rowid (one row).
QString LastRowSql(const QString& table);
// The rowids and dates of the rows that were no valid bill: cancelled, or a status of no value.
QString InvalidBillRowsSql(const QString& table);
// The rowids and dates of the cancelled bills.
QString CancelledBillRowsSql(const QString& table);

// The reads of whole bill and fee rows. Where a read's condition has "?" parameters, the report
// gives their values (listed here in order) when it reads.
// Out-patient. Whether there is any valid bill (at most one row).
const TableRead& OutAnyAvailableBillRead();
// The valid bills of the days in the mode, in bill-number order: from, to, the last rowid at Load.
TableRead OutAvailableBillsOfDaysRead(CollectionMode mode);
// Whether any bill was cancelled at all (at most one row).
const TableRead& OutAnyCancelledBillRead();
// The cancelled bills of the day, in table order: the day, the last rowid at Load.
const TableRead& OutCancelledBillsOfDayRead();

// In-patient. The bills of the days that were valid at Load in the mode, in bill-number order:
// from, to, the last rowid at Load, the invalid rowids at Load (a JSON array).
TableRead InValidBillsOfDaysRead(CollectionMode mode);
// The bills of the day that were cancelled at Load, in table order: the day, their rowids.
const TableRead& InCancelledBillsOfDayRead();

// Consultant fees. No row: the columns alone, which Load opens.
const TableRead& ConsultantNoFeesRead();
// The fees of the days, by doctor's name: from, to, the last rowid at Load.
const TableRead& ConsultantFeesOfDaysRead();

// Laboratory and x-ray bills (one row per test line, in `table`). The reports list one row per
// bill, the distinct bill-level values of its lines. Grouped rather than DISTINCT, so that a row
// holds its first line's values and rows of one bill number keep the order of their first lines.
// The valid bills of the days, as TestReportBill: from, to, the last rowid at Load, the invalid
// rowids at Load.
QString TestCollectionReportSql(const QString& table);
// The cancelled bills of the day, as CancelledTestBill: the day, the cancelled rowids at Load.
QString TestCancelReportSql(const QString& table);

// A bill row of OutPatientPrintDetails or InPatientPrintDetails as the reports list it.
struct ReportBill {
  QString billNo;
  Value date;
  Value ecg, scan;
  QString total;
  QString patientName, patientId;
};
ReportBill ReadOutReportBill(const Recordset& rs);
ReportBill ReadInReportBill(const Recordset& rs);

// A row of SettingsConsultant.
struct ConsultantFee {
  Value date;
  QString drName;
  QString amount;
  QString patientId;
};
ConsultantFee ReadConsultantFee(const Recordset& rs);

// A row of TestCollectionReportSql.
struct TestReportBill {
  QString billNo;
  Value date;
  QString total;
  QString patientName, patientId;
};
TestReportBill ReadTestReportBill(const Recordset& rs);

// A row of TestCancelReportSql.
struct CancelledTestBill {
  QString billNo;
  Value date;
  QString patientName;
  QString total;
};
CancelledTestBill ReadCancelledTestBill(const Recordset& rs);
