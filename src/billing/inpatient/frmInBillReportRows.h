#pragma once
// What the in-patient report forms list, without the forms: which bills a report takes, the
// texts of a listed row and the running total.
//
// Every choice is a test of one bill row's own columns, with dates taken as calendar days and
// texts trimmed of blanks, so it gives the same rows whatever order the recordset holds them in;
// the rows are listed in that order.
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "platform/ado.h"
#include "platform/vbruntime.h"

// InPatientPrintDetails columns, by ordinal.
enum InBillColumn : int {
  kInBillNoColumn = 0,
  kInBillDateColumn = 1,
  kInBillFirstChargeColumn = 2,  // BedCharges; the ten charges run to Others (11)
  kInBillEcgColumn = 9,
  kInBillScanColumn = 10,
  kInBillTotalColumn = 12,
  kInBillPatientNameColumn = 13,
  kInBillPatientIdColumn = 14,
  kInBillDeleteColumn = 15,
};

// Generate's result: the rows for the list (serial "00" first, amount "0.00" last), the serial of
// the last row and the total, rounded to cents after every row.
struct InReportList {
  int serial = 0;  // SerialCounter
  Money total;     // ReportTotal
  std::vector<QStringList> rows;

  // Lists one row: the next serial, `texts`, and the leading number of `amountText` (0 when it
  // has none) formatted "0.00", which the total takes in.
  void Add(const QStringList& texts, const QString& amountText);
};

// The three selections of the collection reports, from the ECG and SCAN boxes (ECG wins).
enum class InReportMode { Ordinary, Ecg, Scan };
InReportMode InReportModeOf(bool ecgTicked, bool scanTicked);
QString InReportTitle(InReportMode mode);
// Ordinary: neither an ECG nor a Scan entry; ECG: an ECG entry; Scan: a Scan entry. An entry
// counts when its text, trimmed of blanks, is not empty ("0" counts). A column without a value
// counts as no entry, so such a bill is still collected in the ordinary report.
bool InBillInMode(const Value& ecg, const Value& scan, InReportMode mode);

// The stored date as a calendar day; empty for no value or anything that is no date.
std::optional<QDate> InBillDay(const Value& date);

enum class InReportKind { Daily, Period };
// The bills of the recordset (every row, from its first) dated from..to, both days included (the
// daily report passes its day twice), in the mode. Daily rows read
// "BillNo-dd/MM/yyyy-patientName-patientid" (ordinary) or "BillNo-patientName-patientid" (ECG,
// scan); period rows "BillNo - patientName - dd/MM/yyyy-patientid" in every mode.
InReportList InCollectionRows(Recordset& bills, InReportKind kind, const QDate& from, const QDate& to,
                              InReportMode mode);

// The bills of the recordset dated `day`: serial, "patientName-patientid", BillNo as stored,
// amount.
InReportList CancelledInBillRows(Recordset& bills, const QDate& day);
