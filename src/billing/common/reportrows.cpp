#include "billing/common/reportrows.h"

namespace {

// Format00 of a serial, which only counts up from 1.
QString serialText(int serial) {
  if (serial < 0) return Format00(serial);
  QString text = QString::number(serial);
  if (text.size() < 2) text.prepend(QLatin1Char('0'));
  return text;
}

}  // namespace

void ReportList::Add(const QStringList& texts, const QString& amountText) {
  ++serial;
  const Money amount = Money::Parse(amountText);
  QStringList row;
  row.reserve(texts.size() + 2);
  row << serialText(serial) << texts << amount.Format2();
  rows.push_back(std::move(row));
  total = (total + amount).Round2();
}

QString ReportDayText(const QDate& day) {
  int y = 0, m = 0, d = 0;
  day.getDate(&y, &m, &d);
  if (!day.isValid() || y < 1 || y > 9999) return DateText(day);
  const char16_t text[10] = {char16_t(u'0' + d / 10), char16_t(u'0' + d % 10), u'/',
                             char16_t(u'0' + m / 10), char16_t(u'0' + m % 10), u'/',
                             char16_t(u'0' + y / 1000), char16_t(u'0' + y / 100 % 10),
                             char16_t(u'0' + y / 10 % 10), char16_t(u'0' + y % 10)};
  return QString(reinterpret_cast<const QChar*>(text), 10);
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

ReportList CollectionRows(const std::vector<ReportBill>& bills, const QDate& from, const QDate& to,
                          CollectionMode mode, CollectionRowText text) {
  ReportList list;
  for (const ReportBill& bill : bills) {
    // The day is read once: it chooses the row and, on the period reports, is written in it.
    const std::optional<QDate> day = StoredDay(bill.date);
    if (!day || *day < from || to < *day) continue;
    if (!BillInMode(bill.ecg, bill.scan, mode)) continue;
    list.Add({text(bill, *day, mode)}, bill.total);
  }
  return list;
}
