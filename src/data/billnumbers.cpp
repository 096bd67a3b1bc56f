#include "data/billnumbers.h"

#include "platform/ado.h"
#include "platform/vbruntime.h"

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
  // CAST reads NULL as nothing and text as its leading number (0 for none), as Val does.
  const QString sql = QStringLiteral(
                          "SELECT max(COALESCE((SELECT max(CAST(BillNo AS INTEGER)) FROM \"%1\"), 0), "
                          "COALESCE((SELECT max(CAST(BillNo AS INTEGER)) FROM \"%2\"), 0)) + 1")
                          .arg(QLatin1String(t.counter), QLatin1String(t.bills));
  Recordset rs;
  rs.Open(sql, con, adOpenStatic, adLockReadOnly);
  rs.MoveFirst();
  return rs.Fields(0).intValue();
}

QString NextBillNumberText(const std::shared_ptr<Connection>& con, BillKind kind) {
  return QString::number(NextBillNumber(con, kind));
}

void CheckBillNumberStillNext(const std::shared_ptr<Connection>& con, BillKind kind, const QString& billNo) {
  const qint64 next = NextBillNumber(con, kind);
  if (QString::number(next) == Trim(billNo)) return;
  throw DbError(adErrProvider, QStringLiteral("the number %1 has been given to another bill meanwhile").arg(Trim(billNo)));
}
