#include "billing/common/reportrows.h"

void ReportList::Add(const QStringList& texts, const QString& amountText) {
  ++serial;
  const Money amount = Money::Parse(amountText);
  QStringList row;
  row << Format00(serial) << texts << amount.Format2();
  rows.push_back(row);
  total = (total + amount).Round2();
}

CollectionMode CollectionModeOf(bool ecgTicked, bool scanTicked) {
  if (ecgTicked) return CollectionMode::Ecg;
  if (scanTicked) return CollectionMode::Scan;
  return CollectionMode::Ordinary;
}

QString CollectionTitle(CollectionMode mode, const QString& ordinaryTitle) {
  switch (mode) {
    case CollectionMode::Ecg:
      return QStringLiteral("CASH COLLECTION ECG BILL REPORT");
    case CollectionMode::Scan:
      return QStringLiteral("CASH COLLECTION SCAN BILL REPORT");
    case CollectionMode::Ordinary:
      break;
  }
  return ordinaryTitle;
}

bool BillInMode(const Value& ecg, const Value& scan, CollectionMode mode) {
  const bool hasEcg = !Trim(ecg.toText()).isEmpty();
  const bool hasScan = !Trim(scan.toText()).isEmpty();
  switch (mode) {
    case CollectionMode::Ecg:
      return hasEcg;
    case CollectionMode::Scan:
      return hasScan;
    case CollectionMode::Ordinary:
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

void EachRow(Recordset& rs, const std::function<void()>& visit) {
  if (rs.State() != adStateOpen) return;
  rs.MoveFirst();
  while (!rs.Eof()) {
    visit();
    rs.MoveNext();
  }
}
