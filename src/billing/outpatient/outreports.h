#pragma once
// What the out-patient report forms list, without the forms: the choice of the bills, the texts
// of a listed row and the running total.
//
// Every choice below is a test of one row's own columns against dates taken as calendar days and
// texts trimmed of blanks, so the same rows can be chosen by the database instead
// ("Date BETWEEN ?from AND ?to", "trim(ECG, ' ') <> ''" on the ISO dates) when the tables grow,
// without changing what is listed or in which order.
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "platform/ado.h"
#include "platform/vbruntime.h"

// Generate's result: the rows for the list (the serial "00" first, the amount "0.00" last), the
// serial of the last row and the total, rounded to cents after every row.
struct ReportList {
  int serial = 0;  // RowSerial
  Money total;     // ReportTotal
  std::vector<QStringList> rows;

  // Lists one row: the next serial, `texts`, and the leading number of `amountText` (0 when
  // there is none) formatted "0.00", which the total takes in.
  void Add(const QStringList& texts, const QString& amountText);
};

// Bill columns, by ordinal.
enum OutBillColumn : int {
  kBillNoColumn = 0,
  kBillDateColumn = 1,
  kBillEcgColumn = 6,
  kBillScanColumn = 7,
  kBillTotalColumn = 9,
  kBillPatientNameColumn = 10,
  kBillPatientIdColumn = 11,
};

// The collection reports' three selections, from the ECG and SCAN check boxes (ECG wins).
enum class OutReportMode { Ordinary, Ecg, Scan };
OutReportMode OutReportModeOf(bool ecgTicked, bool scanTicked);
QString OutReportTitle(OutReportMode mode);
// Ordinary: no ECG and no Scan fee; ECG: an ECG fee; Scan: a Scan fee. A fee counts when its
// text, trimmed of blanks, is not empty ("0" counts; NULL does not).
bool OutBillInMode(const Value& ecg, const Value& scan, OutReportMode mode);

// The stored date as a calendar day; empty for NULL or anything that is no date.
std::optional<QDate> StoredDay(const Value& date);
// from <= date <= to, as calendar days; a row without a date is in no range.
bool DayInRange(const Value& date, const QDate& from, const QDate& to);

enum class OutReportKind { Period, Daily };
// The valid bills of the recordset (read from its first row to its last) dated from..to (the
// daily report passes its day twice) in the mode. Period rows read
// "BillNo - patientName - dd/MM/yyyy - patientid", daily rows "BillNo-patientName-patientid".
ReportList OutCollectionRows(Recordset& bills, OutReportKind kind, const QDate& from, const QDate& to,
                             OutReportMode mode);

// The cancelled bills of the recordset dated `day`: serial, "patientName-patientid", BillNo as
// stored, amount.
ReportList CancelledBillRows(Recordset& bills, const QDate& day);

// Consultant fee columns, by ordinal.
enum ConsultantFeeColumn : int { kFeeDateColumn = 0, kFeeDrNameColumn = 1, kFeeAmountColumn = 2, kFeePatientIdColumn = 3 };
// The fee entries dated from..to: serial, "DrName - patientid - dd/MM/yyyy", amount.
ReportList ConsultantFeeRows(Recordset& fees, const QDate& from, const QDate& to);
