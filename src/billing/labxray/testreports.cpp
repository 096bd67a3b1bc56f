#include "billing/labxray/testreports.h"

ReportList TestCollectionRows(const std::vector<TestReportBill>& bills, const QDate& from, const QDate& to) {
  ReportList list;
  for (const TestReportBill& bill : bills) {
    if (!DayInRange(bill.date, from, to)) continue;
    const QString text = bill.billNo + QStringLiteral(" - ") + bill.patientName + QStringLiteral(" - ") +
                         DateText(*StoredDay(bill.date)) + QStringLiteral("-") + bill.patientId;
    list.Add({text}, bill.total);
  }
  return list;
}

ReportList CancelledTestRows(const std::vector<CancelledTestBill>& bills, const QDate& day) {
  ReportList list;
  for (const CancelledTestBill& bill : bills) {
    if (!DayInRange(bill.date, day, day)) continue;
    list.Add({bill.patientName, bill.billNo}, bill.total);
  }
  return list;
}
