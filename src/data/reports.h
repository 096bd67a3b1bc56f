#pragma once
// The reports' reads: what the collection, cancelled-bill and consultant fee reports list, what
// their forms note at Load, and the rows they list, as values.
//
// A report form says which kind of bill it reports on (BillKind); this module picks the kind's
// table, what its Load notes and the read of its days. A report lists the rows of its selection
// as they stood when its form was loaded. Bills are only ever added and cancelled (their status
// set to "Deleted"), so Load notes the table's last rowid and, where the kind's report needs it,
// the rowids of one status (RowsAtLoad); Generate hands them to its read with its days. Each read
// binds them to its own "?" in the order its text asks for them, here beside the text; nothing is
// glued into the SQL. Every read raises DbError when the table cannot be read.
#include <QDate>
#include <QString>
#include <memory>
#include <variant>
#include <vector>

#include "data/billnumbers.h"
#include "platform/ado.h"

// The collection reports' three selections, from the ECG and SCAN check boxes.
enum class CollectionMode { Ordinary, Ecg, Scan };
// The choice of the mode on the columns ECG and Scan, as " AND ..." for a selection of bills: the
// bills of the other modes are then neither read nor sorted. A fee counts when its text, trimmed
// of blanks, is not empty.
QString CollectionModeCondition(CollectionMode mode);

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
  std::vector<RowAtLoad> invalid = {};   // the rows that were no valid bill, by rowid
  std::vector<RowAtLoad> cancelled = {}; // the rows that were cancelled, by rowid
  // There was no bill of the status the report lists at all. Never set for a report of the bills
  // valid at load, whose note (the rows that were no valid bill) cannot tell.
  bool noBill = false;
};

// Load's notes. What each kind's reports list:
// - the out-patient collection reports: the rows that were in the table at load and are valid
//   bills when Generate reads them (Load notes the last row and whether any bill is valid);
// - the in-patient, laboratory and x-ray collection reports: the bills that were valid at load
//   (Load notes the last row and the rows that were no valid bill: cancelled, or a status of no
//   value);
// - the out-patient cancelled-bill report: the rows that were in the table at load and are
//   cancelled when Generate reads them (Load notes the last row and whether any bill was
//   cancelled);
// - the in-patient, laboratory and x-ray cancelled-bill reports: the bills that were cancelled at
//   load (Load notes them);
// - the consultant fee report: the rows that were in the table at load (Load notes the last row
//   and reads the fee table's columns).
RowsAtLoad NoteCollectionAtLoad(const std::shared_ptr<Connection>& con, BillKind kind);
RowsAtLoad NoteCancelledAtLoad(const std::shared_ptr<Connection>& con, BillKind kind);
RowsAtLoad NoteConsultantFeesAtLoad(const std::shared_ptr<Connection>& con);

// The largest rowid of the read's table, no value while it is empty: a key list reads it to make
// room.
Value LargestRowIdOf(const std::shared_ptr<Connection>& con, const TableRead& read);

// A bill row of OutPatientPrintDetails or InPatientPrintDetails as the reports list it.
struct ReportBill {
  QString billNo;
  Value date;
  Value ecg, scan;
  QString total;
  QString patientName, patientId;
};
// A fee row of SettingsConsultant.
struct ConsultantFee {
  Value date;
  QString drName;
  QString amount;
  QString patientId;
};
// A laboratory or x-ray bill as its collection report lists it: the bill-level values of its lines.
struct TestReportBill {
  QString billNo;
  Value date;
  QString total;
  QString patientName, patientId;
};
// A cancelled laboratory or x-ray bill as its report lists it.
struct CancelledTestBill {
  QString billNo;
  Value date;
  QString patientName;
  QString total;
};

// Generate's reads, each of the days and what the kind's Load noted.
// The out- or in-patient bills of the days in the mode, in bill-number order.
std::vector<ReportBill> CollectionBills(const std::shared_ptr<Connection>& con, BillKind kind, CollectionMode mode,
                                        const ReportDays& days, const RowsAtLoad& atLoad);
// The cancelled out- or in-patient bills of the day, in table order.
std::vector<ReportBill> CancelledBills(const std::shared_ptr<Connection>& con, BillKind kind, const QDate& day,
                                       const RowsAtLoad& atLoad);
// Laboratory and x-ray bills (one row per test line): one row per bill, the distinct bill-level
// values of its lines. Grouped rather than DISTINCT, so that a row holds its first line's values
// and rows of one bill number keep the order of their first lines. The valid bills of the days,
// by number:
std::vector<TestReportBill> TestCollectionBills(const std::shared_ptr<Connection>& con, BillKind kind,
                                                const ReportDays& days, const RowsAtLoad& atLoad);
// The cancelled bills of the day, in table order.
std::vector<CancelledTestBill> CancelledTestBills(const std::shared_ptr<Connection>& con, BillKind kind,
                                                  const QDate& day, const RowsAtLoad& atLoad);
// The consultant fees of the days, by doctor's name.
std::vector<ConsultantFee> ConsultantFees(const std::shared_ptr<Connection>& con, const ReportDays& days,
                                          const RowsAtLoad& atLoad);
// A kind of bill these reports do not list (a test bill kind for the out- and in-patient reads,
// or the other way round) raises DbError (adErrInvalidArgument).

// What each of Generate's reads runs, with its values bound: whole rows of one table, or a
// selection of its own (a grouping), run exactly as written with its own ORDER BY. Either is
// opened read-only.
class ReportRead {
public:
  ReportRead(TableRead read) : read_(std::move(read)) {}
  ReportRead(QString sql, std::vector<Value> parameters = {})
      : read_(Selection{.sql = std::move(sql), .parameters = std::move(parameters)}) {}

  // The values bound to the read's "?", in order.
  const std::vector<Value>& parameters() const;
  // The read of one table; none for a selection of its own, whose text sql() gives.
  const TableRead* tableRead() const { return std::get_if<TableRead>(&read_); }
  QString sql() const;

private:
  struct Selection {
    QString sql;
    std::vector<Value> parameters;
  };
  std::variant<TableRead, Selection> read_;
};
ReportRead CollectionBillsRead(BillKind kind, CollectionMode mode, const ReportDays& days, const RowsAtLoad& atLoad);
ReportRead CancelledBillsRead(BillKind kind, const QDate& day, const RowsAtLoad& atLoad);
ReportRead TestCollectionBillsRead(BillKind kind, const ReportDays& days, const RowsAtLoad& atLoad);
ReportRead CancelledTestBillsRead(BillKind kind, const QDate& day, const RowsAtLoad& atLoad);
ReportRead ConsultantFeesRead(const ReportDays& days, const RowsAtLoad& atLoad);
