#include "billing/outpatient/outreports.h"

QString OutReportTitle(CollectionMode mode) {
  return CollectionTitle(mode, QStringLiteral("CASH COLLECTION OUT-PATIENT BILL REPORT"));
}

ReportList OutCollectionRows(Recordset& bills, OutReportKind kind, const QDate& from, const QDate& to,
                             CollectionMode mode) {
  ReportList list;
  EachRow(bills, [&] {
    const ReportBill bill = ReadOutReportBill(bills);
    // The day is read once: it chooses the row and, on the period report, is written in it.
    const std::optional<QDate> day = StoredDay(bill.date);
    if (!day || *day < from || to < *day) return;
    if (!BillInMode(bill.ecg, bill.scan, mode)) return;
    // One buffer for the row's text rather than a new string for every piece joined on.
    QString text;
    if (kind == OutReportKind::Period) {
      const QString date = ReportDayText(*day);
      text.reserve(bill.billNo.size() + bill.patientName.size() + date.size() + bill.patientId.size() + 9);
      text.append(bill.billNo).append(QLatin1String(" - ")).append(bill.patientName).append(QLatin1String(" - "));
      text.append(date).append(QLatin1String(" - ")).append(bill.patientId);
    } else {
      text.reserve(bill.billNo.size() + bill.patientName.size() + bill.patientId.size() + 2);
      text.append(bill.billNo).append(QLatin1Char('-')).append(bill.patientName).append(QLatin1Char('-'));
      text.append(bill.patientId);
    }
    list.Add({text}, bill.total);
  });
  return list;
}

ReportList CancelledBillRows(Recordset& bills, const QDate& day) {
  ReportList list;
  EachRow(bills, [&] {
    const ReportBill bill = ReadOutReportBill(bills);
    if (!DayInRange(bill.date, day, day)) return;
    list.Add({bill.patientName + QLatin1Char('-') + bill.patientId, bill.billNo}, bill.total);
  });
  return list;
}

ReportList ConsultantFeeRows(Recordset& fees, const QDate& from, const QDate& to) {
  ReportList list;
  EachRow(fees, [&] {
    const ConsultantFee fee = ReadConsultantFee(fees);
    if (!DayInRange(fee.date, from, to)) return;
    list.Add({fee.drName + QStringLiteral(" - ") + fee.patientId + QStringLiteral(" - ") +
              ReportDayText(*StoredDay(fee.date))},
             fee.amount);
  });
  return list;
}
