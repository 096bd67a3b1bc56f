#include "data/billnumbers.h"

#include "platform/ado.h"
#include "platform/vbruntime.h"

BillNumberTaken::BillNumberTaken(const QString& billNo)
    : DbError(adErrProvider, QStringLiteral("the number %1 has been given to another bill meanwhile").arg(billNo)) {}

const BillTables& TablesOf(BillKind kind) {
  static const BillTables tables[] = {
      {"OutPatientPrintDetails", "SettingsOutBillNo"},
      {"InPatientPrintDetails", "SettingsInBillNo"},
      {"LabPrintDetails", "SettingsLabBillNo"},
      {"XRayPrintDetails", "SettingsXRayBillNo"},
  };
  return tables[int(kind)];
}

qint64 NextBillNumber(const std::shared_ptr<Connection>& con, BillKind kind) {
  const BillTables& t = TablesOf(kind);
  // The counter as a number (NULL is none, text its leading number); of the stored bills only the
  // numbers, which sort below every text, so the index on BillNo finds the highest at once.
  const QString sql = QStringLiteral(
                          "SELECT max(COALESCE((SELECT max(CAST(BillNo AS INTEGER)) FROM \"%1\"), 0), "
                          "COALESCE(CAST((SELECT max(BillNo) FROM \"%2\" WHERE BillNo < '') AS INTEGER), 0)) + 1")
                          .arg(QLatin1String(t.counter), QLatin1String(t.bills));
  return con->QueryValue(sql).intValue();
}

QString NextBillNumberText(const std::shared_ptr<Connection>& con, BillKind kind) {
  return QString::number(NextBillNumber(con, kind));
}

void CheckBillNumberStillNext(const std::shared_ptr<Connection>& con, BillKind kind, const QString& billNo) {
  const qint64 next = NextBillNumber(con, kind);
  if (QString::number(next) == Trim(billNo)) return;
  throw BillNumberTaken(Trim(billNo));
}
