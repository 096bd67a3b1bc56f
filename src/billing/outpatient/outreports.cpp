#include "billing/outpatient/outreports.h"

QString OutDailyRowText(const ReportBill& bill, const QDate&, CollectionMode) {
  // One buffer for the row's text rather than a new string for every piece joined on.
  QString text;
  text.reserve(bill.billNo.size() + bill.patientName.size() + bill.patientId.size() + 2);
  text.append(bill.billNo).append(QLatin1Char('-')).append(bill.patientName).append(QLatin1Char('-'));
  text.append(bill.patientId);
  return text;
}

QString OutPeriodRowText(const ReportBill& bill, const QDate& day, CollectionMode) {
  const QString date = ReportDayText(day);
  QString text;
  text.reserve(bill.billNo.size() + bill.patientName.size() + date.size() + bill.patientId.size() + 9);
  text.append(bill.billNo).append(QLatin1String(" - ")).append(bill.patientName).append(QLatin1String(" - "));
  text.append(date).append(QLatin1String(" - ")).append(bill.patientId);
  return text;
}

ReportList CancelledBillRows(const std::vector<ReportBill>& bills, const QDate& day) {
  ReportList list;
  for (const ReportBill& bill : bills) {
    if (!DayInRange(bill.date, day, day)) continue;
    list.Add({bill.patientName + QLatin1Char('-') + bill.patientId, bill.billNo}, bill.total);
  }
  return list;
}

ReportList ConsultantFeeRows(const std::vector<ConsultantFee>& fees, const QDate& from, const QDate& to) {
  ReportList list;
  for (const ConsultantFee& fee : fees) {
    if (!DayInRange(fee.date, from, to)) continue;
    list.Add({fee.drName + QStringLiteral(" - ") + fee.patientId + QStringLiteral(" - ") +
              ReportDayText(*StoredDay(fee.date))},
             fee.amount);
  }
  return list;
}
