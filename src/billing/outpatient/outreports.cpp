#include "billing/outpatient/outreports.h"

#include <functional>

void ReportList::Add(const QStringList& texts, const QString& amountText) {
  ++serial;
  const Money amount = Money::Parse(amountText);
  QStringList row;
  row << Format00(serial) << texts << amount.Format2();
  rows.push_back(row);
  total = (total + amount).Round2();
}

OutReportMode OutReportModeOf(bool ecgTicked, bool scanTicked) {
  if (ecgTicked) return OutReportMode::Ecg;
  if (scanTicked) return OutReportMode::Scan;
  return OutReportMode::Ordinary;
}

QString OutReportTitle(OutReportMode mode) {
  switch (mode) {
    case OutReportMode::Ecg:
      return QStringLiteral("CASH COLLECTION ECG BILL REPORT");
    case OutReportMode::Scan:
      return QStringLiteral("CASH COLLECTION SCAN BILL REPORT");
    case OutReportMode::Ordinary:
      break;
  }
  return QStringLiteral("CASH COLLECTION OUT-PATIENT BILL REPORT");
}

bool OutBillInMode(const Value& ecg, const Value& scan, OutReportMode mode) {
  const bool hasEcg = !Trim(ecg.toText()).isEmpty();
  const bool hasScan = !Trim(scan.toText()).isEmpty();
  switch (mode) {
    case OutReportMode::Ecg:
      return hasEcg;
    case OutReportMode::Scan:
      return hasScan;
    case OutReportMode::Ordinary:
      break;
  }
  return !hasEcg && !hasScan;
}

std::optional<QDate> StoredDay(const Value& date) {
  std::optional<QDate> day = date.toDate();
  if (day && !day->isValid()) return std::nullopt;
  return day;
}

bool DayInRange(const Value& date, const QDate& from, const QDate& to) {
  const std::optional<QDate> day = StoredDay(date);
  return day && from <= *day && *day <= to;
}

namespace {

// Visits every row of the recordset once, from the first; the recordset is left past its last.
void EachRow(Recordset& rs, const std::function<void()>& visit) {
  if (rs.State() != adStateOpen) return;
  rs.MoveFirst();
  while (!rs.Eof()) {
    visit();
    rs.MoveNext();
  }
}

QString Text(Recordset& rs, int column) { return rs.Fields(column).toText(); }

}  // namespace

ReportList OutCollectionRows(Recordset& bills, OutReportKind kind, const QDate& from, const QDate& to,
                             OutReportMode mode) {
  ReportList list;
  EachRow(bills, [&] {
    const Value date = bills.Fields(kBillDateColumn);
    if (!DayInRange(date, from, to)) return;
    if (!OutBillInMode(bills.Fields(kBillEcgColumn), bills.Fields(kBillScanColumn), mode)) return;
    const QString billNo = Text(bills, kBillNoColumn);
    const QString name = Text(bills, kBillPatientNameColumn);
    const QString id = Text(bills, kBillPatientIdColumn);
    const QString text = kind == OutReportKind::Period
                             ? billNo + QStringLiteral(" - ") + name + QStringLiteral(" - ") +
                                   DateText(*StoredDay(date)) + QStringLiteral(" - ") + id
                             : billNo + QLatin1Char('-') + name + QLatin1Char('-') + id;
    list.Add({text}, Text(bills, kBillTotalColumn));
  });
  return list;
}

ReportList CancelledBillRows(Recordset& bills, const QDate& day) {
  ReportList list;
  EachRow(bills, [&] {
    if (!DayInRange(bills.Fields(kBillDateColumn), day, day)) return;
    list.Add({Text(bills, kBillPatientNameColumn) + QLatin1Char('-') + Text(bills, kBillPatientIdColumn),
              Text(bills, kBillNoColumn)},
             Text(bills, kBillTotalColumn));
  });
  return list;
}

ReportList ConsultantFeeRows(Recordset& fees, const QDate& from, const QDate& to) {
  ReportList list;
  EachRow(fees, [&] {
    const Value date = fees.Fields(kFeeDateColumn);
    if (!DayInRange(date, from, to)) return;
    list.Add({Text(fees, kFeeDrNameColumn) + QStringLiteral(" - ") + Text(fees, kFeePatientIdColumn) +
              QStringLiteral(" - ") + DateText(*StoredDay(date))},
             Text(fees, kFeeAmountColumn));
  });
  return list;
}
