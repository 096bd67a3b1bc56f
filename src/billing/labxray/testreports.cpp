#include "billing/labxray/testreports.h"

ReportList TestCollectionRows(Recordset& bills, const QDate& from, const QDate& to) {
  ReportList list;
  EachRow(bills, [&] {
    const TestReportBill bill = ReadTestReportBill(bills);
    if (!DayInRange(bill.date, from, to)) return;
    const QString text = bill.billNo + QStringLiteral(" - ") + bill.patientName + QStringLiteral(" - ") +
                         DateText(*StoredDay(bill.date)) + QStringLiteral("-") + bill.patientId;
    list.Add({text}, bill.total);
  });
  return list;
}

ReportList CancelledTestRows(Recordset& bills, const QDate& day) {
  ReportList list;
  EachRow(bills, [&] {
    const CancelledTestBill bill = ReadCancelledTestBill(bills);
    if (!DayInRange(bill.date, day, day)) return;
    list.Add({bill.patientName, bill.billNo}, bill.total);
  });
  return list;
}
