#include "billing/inpatient/frmInBillReportRows.h"

QString InDailyRowText(const ReportBill& bill, const QDate& day, CollectionMode mode) {
  const QString dash = QStringLiteral("-");
  if (mode == CollectionMode::Ordinary)
    return bill.billNo + dash + DateText(day) + dash + bill.patientName + dash + bill.patientId;
  return bill.billNo + dash + bill.patientName + dash + bill.patientId;
}

QString InPeriodRowText(const ReportBill& bill, const QDate& day, CollectionMode) {
  return bill.billNo + QStringLiteral(" - ") + bill.patientName + QStringLiteral(" - ") + DateText(day) +
         QStringLiteral("-") + bill.patientId;
}

ReportList CancelledInBillRows(const std::vector<ReportBill>& bills, const QDate& day) {
  ReportList list;
  for (const ReportBill& bill : bills) {
    if (StoredDay(bill.date) != day) continue;
    list.Add({bill.patientName + QLatin1Char('-') + bill.patientId, bill.billNo}, bill.total);
  }
  return list;
}
