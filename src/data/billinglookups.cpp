#include "data/billinglookups.h"

const TableRead& DoctorsByIdRead() {
  static const TableRead read{.table = QStringLiteral("SettingDrDetails"), .orderBy = QStringLiteral("DoctorID"), .sort = TableRead::Sort::InMemory};
  return read;
}

const TableRead& OutPatientsByNameRead() {
  static const TableRead read{.table = QStringLiteral("SettingsOutPatient"), .orderBy = QStringLiteral("FirstName"), .sort = TableRead::Sort::InMemory};
  return read;
}

const TableRead& InPatientsByNameRead() {
  static const TableRead read{.table = QStringLiteral("SettingsInPatient"), .orderBy = QStringLiteral("FirstName"), .sort = TableRead::Sort::InMemory};
  return read;
}

TableRead RowByRowIdRead(const QString& table, qint64 rowid) {
  return {.table = table, .condition = QStringLiteral("rowid=?"), .parameters = {Value(rowid)}};
}

const TableRead& TestPricesRead(BillKind kind) {
  static const TableRead lab{.table = QStringLiteral("SettingsLab"), .orderBy = QStringLiteral("Description"), .sort = TableRead::Sort::InMemory};
  static const TableRead xray{.table = QStringLiteral("SettingsXRay"), .orderBy = QStringLiteral("Description"), .sort = TableRead::Sort::InMemory};
  return kind == BillKind::XRay ? xray : lab;
}
