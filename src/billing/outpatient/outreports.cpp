#include "billing/outpatient/outreports.h"

namespace {

QString Text(Recordset& rs, int column) { return rs.Fields(column).toText(); }

}  // namespace

QString OutReportTitle(CollectionMode mode) {
  return CollectionTitle(mode, QStringLiteral("CASH COLLECTION OUT-PATIENT BILL REPORT"));
}

ReportList OutCollectionRows(Recordset& bills, OutReportKind kind, const QDate& from, const QDate& to,
                             CollectionMode mode) {
  ReportList list;
  EachRow(bills, [&] {
    // The day is read once: it chooses the row and, on the period report, is written in it.
    const std::optional<QDate> day = StoredDay(bills.Fields(kBillDateColumn));
    if (!day || *day < from || to < *day) return;
    if (!BillInMode(bills.Fields(kBillEcgColumn), bills.Fields(kBillScanColumn), mode)) return;
    const QString billNo = Text(bills, kBillNoColumn);
    const QString name = Text(bills, kBillPatientNameColumn);
    const QString id = Text(bills, kBillPatientIdColumn);
    // One buffer for the row's text rather than a new string for every piece joined on.
    QString text;
    if (kind == OutReportKind::Period) {
      const QString date = ReportDayText(*day);
      text.reserve(billNo.size() + name.size() + date.size() + id.size() + 9);
      text.append(billNo).append(QLatin1String(" - ")).append(name).append(QLatin1String(" - "));
      text.append(date).append(QLatin1String(" - ")).append(id);
    } else {
      text.reserve(billNo.size() + name.size() + id.size() + 2);
      text.append(billNo).append(QLatin1Char('-')).append(name).append(QLatin1Char('-')).append(id);
    }
    list.Add({text}, Text(bills, kBillTotalColumn));
  });
  return list;
}

ReportList CancelledBillRows(Recordset& bills, const QDate& day) {
  ReportList list;
  EachRow(bills, [&] {
    if (!DayInRange(bills.Fields(kBillDateColumn), day, day)) return;
    list.Add({Text(bills, kBillPatientNameColumn) + QLatin1Char('-') + Text(bills, kBillPatientIdColumn),
              Text(bills, kBillNoColumn)},
             Text(bills, kBillTotalColumn));
  });
  return list;
}

ReportList ConsultantFeeRows(Recordset& fees, const QDate& from, const QDate& to) {
  ReportList list;
  EachRow(fees, [&] {
    const Value date = fees.Fields(kFeeDateColumn);
    if (!DayInRange(date, from, to)) return;
    list.Add({Text(fees, kFeeDrNameColumn) + QStringLiteral(" - ") + Text(fees, kFeePatientIdColumn) +
              QStringLiteral(" - ") + ReportDayText(*StoredDay(date))},
             Text(fees, kFeeAmountColumn));
  });
  return list;
}
