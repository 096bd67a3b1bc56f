#include "data/billinglookups.h"

const TableRead& TestPricesRead(BillKind kind) {
  static const TableRead lab{.table = QStringLiteral("SettingsLab"), .orderBy = QStringLiteral("Description")};
  static const TableRead xray{.table = QStringLiteral("SettingsXRay"), .orderBy = QStringLiteral("Description")};
  return kind == BillKind::XRay ? xray : lab;
}
