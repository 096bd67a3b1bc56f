#pragma once
// The reports' reads: the selections the collection, cancelled-bill and consultant fee reports
// run, the reads their forms make at Load, and the row a report lists, by column name.
//
// A report lists the rows of its selection as they stood when its form was loaded. Bills are only
// ever added and cancelled (their status set to "Deleted"), so Load notes the table's last rowid
// and, where the selection needs it, the rowids of one status (RowsAtLoad); Generate hands them to
// its read with its days. Each read takes these as arguments and binds them to its own "?" in the
// order its text asks for them, here beside the text; nothing is glued into the SQL.
#include <QDate>
#include <QString>
#include <memory>
#include <variant>
#include <vector>

#include "platform/ado.h"

// The collection reports' three selections, from the ECG and SCAN check boxes.
enum class CollectionMode { Ordinary, Ecg, Scan };
// The choice of the mode on the columns ECG and Scan, as " AND ..." for a selection of bills: the
// bills of the other modes are then neither read nor sorted. A fee counts when its text, trimmed
// of blanks, is not empty.
QString CollectionModeCondition(CollectionMode mode);

// Which bills of its days a report lists, and so what its Load notes.
enum class ReportListing {
  // The bills that were valid at load. Load notes the last row and the rows that were no valid
  // bill (cancelled, or a status of no value).
  ValidAtLoad,
  // The rows that were in the table at load and are valid bills when Generate reads them. Load
  // notes the last row and reads whether there is any valid bill at all.
  ValidOfRowsAtLoad,
  // The bills that were cancelled at load. Load notes them.
  CancelledAtLoad,
  // The rows that were in the table at load and are cancelled when Generate reads them. Load
  // notes the last row and reads whether any bill was cancelled at all.
  CancelledOfRowsAtLoad,
};

// The days a Generate reads, both included: a day's report gives its day twice.
struct ReportDays {
  QDate from, to;
};

// One row a report's Load noted of one status.
struct RowAtLoad {
  QDate day;  // invalid where the stored date is none or no ISO date
  qint64 rowid = 0;
};

// What a report's Load noted of its table, for its Generate's read.
struct RowsAtLoad {
  qint64 lastRow = 0;                    // the table's last rowid; 0 while it was empty
  std::vector<RowAtLoad> invalid = {};   // the rows that were no valid bill (ValidAtLoad), by rowid
  std::vector<RowAtLoad> cancelled = {}; // the rows that were cancelled (CancelledAtLoad), by rowid
};

// One read of a report with its values bound: whole rows of one table, or a selection of its own
// (a grouping, a look-up of one value), run exactly as written with its own ORDER BY. Either is
// opened read-only.
class ReportRead {
public:
  ReportRead(TableRead read) : read_(std::move(read)) {}
  ReportRead(QString sql, std::vector<Value> parameters = {})
      : read_(Selection{.sql = std::move(sql), .parameters = std::move(parameters)}) {}

  // Opens `rs` on `con`; raises DbError as Recordset::Open does.
  void Open(Recordset& rs, const std::shared_ptr<Connection>& con) const;
  // The values bound to the read's "?", in order.
  const std::vector<Value>& parameters() const;

private:
  struct Selection {
    QString sql;
    std::vector<Value> parameters;
  };
  std::variant<TableRead, Selection> read_;
};

// Load's reads, for any bill table (a kTable of data/columns.h).
// The table's last rowid (one row): LastRowOf reads it from the open recordset.
ReportRead LastRowRead(const QString& table);
qint64 LastRowOf(const Recordset& lastRow);
// The rowids and dates of the rows that were no valid bill: cancelled, or a status of no value.
ReportRead InvalidBillRowsRead(const QString& table);
// The rowids and dates of the cancelled bills.
ReportRead CancelledBillRowsRead(const QString& table);
// The rows of either of the two, from the first row of the open recordset.
std::vector<RowAtLoad> RowsAtLoadOf(Recordset& rows);
// Whether there is any valid bill, and whether any bill was cancelled at all (at most one row).
ReportRead AnyValidBillRead(const QString& table);
ReportRead AnyCancelledBillRead(const QString& table);

// The text of LastRowRead, whose one column is the rowid; a key list reads it to make room.
QString LastRowSql(const QString& table);
inline constexpr int kRowidColumn = 0;

// Generate's reads of whole bill and fee rows.
// Out-patient (ValidOfRowsAtLoad). The valid bills of the days in the mode, of the rows up to the
// last one at Load, in bill-number order.
ReportRead OutAvailableBillsOfDaysRead(CollectionMode mode, const ReportDays& days, const RowsAtLoad& atLoad);
// (CancelledOfRowsAtLoad.) The cancelled bills of the day, of the rows up to the last one at
// Load, in table order.
ReportRead OutCancelledBillsOfDayRead(const QDate& day, const RowsAtLoad& atLoad);

// In-patient (ValidAtLoad). The bills of the days that were valid at Load, in the mode, in
// bill-number order.
ReportRead InValidBillsOfDaysRead(CollectionMode mode, const ReportDays& days, const RowsAtLoad& atLoad);
// (CancelledAtLoad.) The bills of the day that were cancelled at Load, in table order.
ReportRead InCancelledBillsOfDayRead(const QDate& day, const RowsAtLoad& atLoad);

// Consultant fees. No row: the columns alone, which Load opens.
ReportRead ConsultantNoFeesRead();
// The fees of the days, of the rows up to the last one at Load, by doctor's name.
ReportRead ConsultantFeesOfDaysRead(const ReportDays& days, const RowsAtLoad& atLoad);

// Laboratory and x-ray bills (one row per test line, in `table`). The reports list one row per
// bill, the distinct bill-level values of its lines. Grouped rather than DISTINCT, so that a row
// holds its first line's values and rows of one bill number keep the order of their first lines.
// (ValidAtLoad.) The bills of the days that were valid at Load, as TestReportBill.
ReportRead TestValidBillsOfDaysRead(const QString& table, const ReportDays& days, const RowsAtLoad& atLoad);
// (CancelledAtLoad.) The bills of the day that were cancelled at Load, as CancelledTestBill.
ReportRead TestCancelledBillsOfDayRead(const QString& table, const QDate& day, const RowsAtLoad& atLoad);

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

// A row of TestValidBillsOfDaysRead.
struct TestReportBill {
  QString billNo;
  Value date;
  QString total;
  QString patientName, patientId;
};
TestReportBill ReadTestReportBill(const Recordset& rs);

// A row of TestCancelledBillsOfDayRead.
struct CancelledTestBill {
  QString billNo;
  Value date;
  QString patientName;
  QString total;
};
CancelledTestBill ReadCancelledTestBill(const Recordset& rs);
