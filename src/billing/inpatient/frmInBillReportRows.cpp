#include "billing/inpatient/frmInBillReportRows.h"

QString InReportTitle(CollectionMode mode) {
  return CollectionTitle(mode, QStringLiteral("CASH COLLECTION IN-PATIENT BILL REPORT"));
}

ReportList InCollectionRows(Recordset& bills, InReportKind kind, const QDate& from, const QDate& to,
                            CollectionMode mode) {
  ReportList list;
  EachRow(bills, [&] {
    const ReportBill bill = ReadInReportBill(bills);
    const std::optional<QDate> day = StoredDay(bill.date);
    if (!day || *day < from || to < *day) return;
    if (!BillInMode(bill.ecg, bill.scan, mode)) return;
    const QString dash = QStringLiteral("-");
    QString text;
    if (kind == InReportKind::Period)
      text = bill.billNo + QStringLiteral(" - ") + bill.patientName + QStringLiteral(" - ") + DateText(*day) + dash +
             bill.patientId;
    else if (mode == CollectionMode::Ordinary)
      text = bill.billNo + dash + DateText(*day) + dash + bill.patientName + dash + bill.patientId;
    else
      text = bill.billNo + dash + bill.patientName + dash + bill.patientId;
    list.Add({text}, bill.total);
  });
  return list;
}

ReportList CancelledInBillRows(Recordset& bills, const QDate& day) {
  ReportList list;
  EachRow(bills, [&] {
    const ReportBill bill = ReadInReportBill(bills);
    if (StoredDay(bill.date) != day) return;
    list.Add({bill.patientName + QLatin1Char('-') + bill.patientId, bill.billNo}, bill.total);
  });
  return list;
}
