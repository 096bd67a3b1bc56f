#include "data/reports.h"

#include "data/columns.h"

namespace {

// The projections of the test bill reports, in their selected order.
enum TestReportColumn : int { kTestBillNo, kTestDate, kTestTotal, kTestPatientName, kTestPatientId };
enum CancelledTestColumn : int { kCancelBillNo, kCancelDate, kCancelPatientName, kCancelTotal };

QString Text(const Recordset& rs, int column) { return rs.Fields(column).toText(); }

}  // namespace

QString CollectionModeCondition(CollectionMode mode) {
  switch (mode) {
    case CollectionMode::Ecg:
      return QStringLiteral(" AND ifnull(trim(ECG,' '),'')<>''");
    case CollectionMode::Scan:
      return QStringLiteral(" AND ifnull(trim(Scan,' '),'')<>''");
    case CollectionMode::Ordinary:
      break;
  }
  return QStringLiteral(" AND ifnull(trim(ECG,' '),'')='' AND ifnull(trim(Scan,' '),'')=''");
}

QString LastRowSql(const QString& table) { return QStringLiteral("SELECT max(rowid) FROM ") + table; }

QString InvalidBillRowsSql(const QString& table) {
  return QStringLiteral("SELECT rowid FROM ") + table + QStringLiteral(" WHERE NOT ifnull(BillDelete='Available',0)");
}

QString CancelledBillRowsSql(const QString& table) {
  return QStringLiteral("SELECT rowid FROM ") + table + QStringLiteral(" WHERE BillDelete='Deleted'");
}

const QString& OutAnyAvailableBillSql() {
  static const QString sql = QStringLiteral(
      "SELECT * FROM OutPatientPrintDetails where BillDelete='Available' AND rowid IN "
      "(SELECT rowid FROM OutPatientPrintDetails where BillDelete='Available' LIMIT 1)");
  return sql;
}

QString OutAvailableBillsOfDaysSql(CollectionMode mode) {
  return QStringLiteral("SELECT * FROM OutPatientPrintDetails where BillDelete='Available' AND Date BETWEEN ? AND ? "
                        "AND rowid <= ?%1 Order by BillNo")
      .arg(CollectionModeCondition(mode));
}

const QString& OutAnyCancelledBillSql() {
  static const QString sql = QStringLiteral(
      "SELECT * FROM OutPatientPrintDetails where BillDelete='Deleted' AND rowid IN "
      "(SELECT rowid FROM OutPatientPrintDetails where BillDelete='Deleted' LIMIT 1)");
  return sql;
}

const QString& OutCancelledBillsOfDaySql() {
  static const QString sql =
      QStringLiteral("SELECT * FROM OutPatientPrintDetails where BillDelete='Deleted' AND Date = ? AND rowid <= ?");
  return sql;
}

QString InValidBillsOfDaysSql(CollectionMode mode) {
  return QStringLiteral("SELECT * FROM InPatientPrintDetails WHERE Date BETWEEN ? AND ? AND rowid <= ? "
                        "AND rowid NOT IN (SELECT value FROM json_each(?))%1 Order by BillNo")
      .arg(CollectionModeCondition(mode));
}

const QString& InCancelledBillsOfDaySql() {
  static const QString sql = QStringLiteral(
      "SELECT * FROM InPatientPrintDetails WHERE Date = ? AND rowid IN (SELECT value FROM json_each(?))");
  return sql;
}

const QString& ConsultantNoFeesSql() {
  static const QString sql = QStringLiteral("SELECT * FROM SettingsConsultant WHERE 0 Order By DrName");
  return sql;
}

const QString& ConsultantFeesOfDaysSql() {
  static const QString sql =
      QStringLiteral("SELECT * FROM SettingsConsultant WHERE Date BETWEEN ? AND ? AND rowid <= ? Order By DrName");
  return sql;
}

QString TestCollectionReportSql(const QString& table) {
  return QStringLiteral("SELECT BillNo,Date,total,patientName,patientid FROM ") + table +
         QStringLiteral(" WHERE Date BETWEEN ? AND ? AND rowid <= ? AND rowid NOT IN (SELECT value FROM json_each(?)) "
                        "GROUP BY BillNo,Date,total,patientName,patientid Order By BillNO, min(rowid)");
}

QString TestCancelReportSql(const QString& table) {
  return QStringLiteral("SELECT BillNo,Date,patientName,total FROM ") + table +
         QStringLiteral(" WHERE Date = ? AND rowid IN (SELECT value FROM json_each(?)) "
                        "GROUP BY BillNo,Date,patientName,total ORDER BY min(rowid)");
}

ReportBill ReadOutReportBill(const Recordset& rs) {
  namespace c = cols::OutPatientPrintDetails;
  return {Text(rs, c::BillNo),  rs.Fields(c::Date),        rs.Fields(c::ECG),        rs.Fields(c::Scan),
          Text(rs, c::total),   Text(rs, c::patientName),  Text(rs, c::patientid)};
}

ReportBill ReadInReportBill(const Recordset& rs) {
  namespace c = cols::InPatientPrintDetails;
  return {Text(rs, c::BillNo),  rs.Fields(c::Date),        rs.Fields(c::ECG),        rs.Fields(c::Scan),
          Text(rs, c::total),   Text(rs, c::patientName),  Text(rs, c::patientid)};
}

ConsultantFee ReadConsultantFee(const Recordset& rs) {
  namespace c = cols::SettingsConsultant;
  return {rs.Fields(c::Date), Text(rs, c::DrName), Text(rs, c::Amount), Text(rs, c::patientid)};
}

TestReportBill ReadTestReportBill(const Recordset& rs) {
  return {Text(rs, kTestBillNo), rs.Fields(kTestDate), Text(rs, kTestTotal), Text(rs, kTestPatientName),
          Text(rs, kTestPatientId)};
}

CancelledTestBill ReadCancelledTestBill(const Recordset& rs) {
  return {Text(rs, kCancelBillNo), rs.Fields(kCancelDate), Text(rs, kCancelPatientName), Text(rs, kCancelTotal)};
}
