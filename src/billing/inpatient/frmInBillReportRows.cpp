#include "billing/inpatient/frmInBillReportRows.h"

#include <functional>

void InReportList::Add(const QStringList& texts, const QString& amountText) {
  ++serial;
  const Money amount = Money::Parse(amountText);
  QStringList row;
  row << Format00(serial) << texts << amount.Format2();
  rows.push_back(row);
  total = (total + amount).Round2();
}

InReportMode InReportModeOf(bool ecgTicked, bool scanTicked) {
  if (ecgTicked) return InReportMode::Ecg;
  if (scanTicked) return InReportMode::Scan;
  return InReportMode::Ordinary;
}

QString InReportTitle(InReportMode mode) {
  switch (mode) {
    case InReportMode::Ecg:
      return QStringLiteral("CASH COLLECTION ECG BILL REPORT");
    case InReportMode::Scan:
      return QStringLiteral("CASH COLLECTION SCAN BILL REPORT");
    case InReportMode::Ordinary:
      break;
  }
  return QStringLiteral("CASH COLLECTION IN-PATIENT BILL REPORT");
}

bool InBillInMode(const Value& ecg, const Value& scan, InReportMode mode) {
  const bool hasEcg = !Trim(ecg.toText()).isEmpty();
  const bool hasScan = !Trim(scan.toText()).isEmpty();
  switch (mode) {
    case InReportMode::Ecg:
      return hasEcg;
    case InReportMode::Scan:
      return hasScan;
    case InReportMode::Ordinary:
      break;
  }
  return !hasEcg && !hasScan;
}

std::optional<QDate> InBillDay(const Value& date) {
  std::optional<QDate> day = date.toDate();
  if (day && !day->isValid()) return std::nullopt;
  return day;
}

namespace {

// Visits every row once, from the first; the recordset is left past its last row.
void EachRow(Recordset& rs, const std::function<void()>& visit) {
  if (rs.State() != adStateOpen) return;
  rs.MoveFirst();
  while (!rs.Eof()) {
    visit();
    rs.MoveNext();
  }
}

QString Text(const Recordset& rs, int column) { return rs.Fields(column).toText(); }

}  // namespace

InReportList InCollectionRows(Recordset& bills, InReportKind kind, const QDate& from, const QDate& to,
                              InReportMode mode) {
  InReportList list;
  EachRow(bills, [&] {
    const std::optional<QDate> day = InBillDay(bills.Fields(kInBillDateColumn));
    if (!day || *day < from || to < *day) return;
    if (!InBillInMode(bills.Fields(kInBillEcgColumn), bills.Fields(kInBillScanColumn), mode)) return;
    const QString billNo = Text(bills, kInBillNoColumn);
    const QString name = Text(bills, kInBillPatientNameColumn);
    const QString id = Text(bills, kInBillPatientIdColumn);
    const QString dash = QStringLiteral("-");
    QString text;
    if (kind == InReportKind::Period)
      text = billNo + QStringLiteral(" - ") + name + QStringLiteral(" - ") + DateText(*day) + dash + id;
    else if (mode == InReportMode::Ordinary)
      text = billNo + dash + DateText(*day) + dash + name + dash + id;
    else
      text = billNo + dash + name + dash + id;
    list.Add({text}, Text(bills, kInBillTotalColumn));
  });
  return list;
}

InReportList CancelledInBillRows(Recordset& bills, const QDate& day) {
  InReportList list;
  EachRow(bills, [&] {
    if (InBillDay(bills.Fields(kInBillDateColumn)) != day) return;
    list.Add({Text(bills, kInBillPatientNameColumn) + QLatin1Char('-') + Text(bills, kInBillPatientIdColumn),
              Text(bills, kInBillNoColumn)},
             Text(bills, kInBillTotalColumn));
  });
  return list;
}
