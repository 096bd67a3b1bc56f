#include "billing/inpatient/frmInBillReportRows.h"

namespace {

QString Text(const Recordset& rs, int column) { return rs.Fields(column).toText(); }

}  // namespace

QString InReportTitle(CollectionMode mode) {
  return CollectionTitle(mode, QStringLiteral("CASH COLLECTION IN-PATIENT BILL REPORT"));
}

ReportList InCollectionRows(Recordset& bills, InReportKind kind, const QDate& from, const QDate& to,
                            CollectionMode mode) {
  ReportList list;
  EachRow(bills, [&] {
    const std::optional<QDate> day = StoredDay(bills.Fields(kInBillDateColumn));
    if (!day || *day < from || to < *day) return;
    if (!BillInMode(bills.Fields(kInBillEcgColumn), bills.Fields(kInBillScanColumn), mode)) return;
    const QString billNo = Text(bills, kInBillNoColumn);
    const QString name = Text(bills, kInBillPatientNameColumn);
    const QString id = Text(bills, kInBillPatientIdColumn);
    const QString dash = QStringLiteral("-");
    QString text;
    if (kind == InReportKind::Period)
      text = billNo + QStringLiteral(" - ") + name + QStringLiteral(" - ") + DateText(*day) + dash + id;
    else if (mode == CollectionMode::Ordinary)
      text = billNo + dash + DateText(*day) + dash + name + dash + id;
    else
      text = billNo + dash + name + dash + id;
    list.Add({text}, Text(bills, kInBillTotalColumn));
  });
  return list;
}

ReportList CancelledInBillRows(Recordset& bills, const QDate& day) {
  ReportList list;
  EachRow(bills, [&] {
    if (StoredDay(bills.Fields(kInBillDateColumn)) != day) return;
    list.Add({Text(bills, kInBillPatientNameColumn) + QLatin1Char('-') + Text(bills, kInBillPatientIdColumn),
              Text(bills, kInBillNoColumn)},
             Text(bills, kInBillTotalColumn));
  });
  return list;
}
