#include "data/billinglookups.h"

const QString& DoctorsByIdSql() {
  static const QString sql = QStringLiteral("SELECT * FROM SettingDrDetails Order by DoctorID");
  return sql;
}

const QString& OutPatientsByNameSql() {
  static const QString sql = QStringLiteral("SELECT * FROM SettingsOutPatient Order by FirstName");
  return sql;
}

const QString& InPatientsByNameSql() {
  static const QString sql = QStringLiteral("SELECT * FROM SettingsInPatient Order by FirstName");
  return sql;
}

QString RowByRowIdSql(const QString& table) { return QStringLiteral("SELECT * FROM %1 WHERE rowid=?").arg(table); }

const QString& TestPricesSql(BillKind kind) {
  static const QString lab = QStringLiteral("SELECT * FROM SettingsLab Order by Description");
  static const QString xray = QStringLiteral("SELECT * FROM SettingsXRay Order by Description");
  return kind == BillKind::XRay ? xray : lab;
}
