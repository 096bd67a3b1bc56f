#include "data/billinglookups.h"

const TableRead& OutPatientsByNameRead() {
  static const TableRead read{
      .table = QStringLiteral("SettingsOutPatient"), .orderBy = QStringLiteral("FirstName"), .thenBy = QStringLiteral("EmployeeID")};
  return read;
}

const TableRead& InPatientsByNameRead() {
  static const TableRead read{
      .table = QStringLiteral("SettingsInPatient"), .orderBy = QStringLiteral("FirstName"), .thenBy = QStringLiteral("EmployeeID")};
  return read;
}

const TableRead& TestPricesRead(BillKind kind) {
  static const TableRead lab{.table = QStringLiteral("SettingsLab"), .orderBy = QStringLiteral("Description")};
  static const TableRead xray{.table = QStringLiteral("SettingsXRay"), .orderBy = QStringLiteral("Description")};
  return kind == BillKind::XRay ? xray : lab;
}
