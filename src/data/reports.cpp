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
  return QStringLiteral("SELECT rowid, Date FROM ") + table +
         QStringLiteral(" WHERE NOT ifnull(BillDelete='Available',0) ORDER BY rowid");
}

QString CancelledBillRowsSql(const QString& table) {
  return QStringLiteral("SELECT rowid, Date FROM ") + table + QStringLiteral(" WHERE BillDelete='Deleted' ORDER BY rowid");
}

namespace {
const QString kOutBills = QStringLiteral("OutPatientPrintDetails");
const QString kInBills = QStringLiteral("InPatientPrintDetails");
const QString kFees = QStringLiteral("SettingsConsultant");
}  // namespace

const TableRead& OutAnyAvailableBillRead() {
  static const TableRead read{.table = kOutBills, .condition = QStringLiteral("BillDelete='Available' AND rowid IN (SELECT rowid FROM "
                                                        "OutPatientPrintDetails where BillDelete='Available' LIMIT 1)")};
  return read;
}

TableRead OutAvailableBillsOfDaysRead(CollectionMode mode) {
  return {.table = kOutBills,
          .condition = QStringLiteral("BillDelete='Available' AND Date BETWEEN ? AND ? AND rowid <= ?") +
                       CollectionModeCondition(mode),
          .orderBy = QStringLiteral("BillNo")};
}

const TableRead& OutAnyCancelledBillRead() {
  static const TableRead read{.table = kOutBills, .condition = QStringLiteral("BillDelete='Deleted' AND rowid IN (SELECT rowid FROM "
                                                        "OutPatientPrintDetails where BillDelete='Deleted' LIMIT 1)")};
  return read;
}

const TableRead& OutCancelledBillsOfDayRead() {
  static const TableRead read{.table = kOutBills, .condition = QStringLiteral("BillDelete='Deleted' AND Date = ? AND rowid <= ?")};
  return read;
}

TableRead InValidBillsOfDaysRead(CollectionMode mode) {
  return {.table = kInBills,
          .condition =
              QStringLiteral("Date BETWEEN ? AND ? AND rowid <= ? AND rowid NOT IN (SELECT value FROM json_each(?))") +
              CollectionModeCondition(mode),
          .orderBy = QStringLiteral("BillNo")};
}

const TableRead& InCancelledBillsOfDayRead() {
  static const TableRead read{.table = kInBills, .condition = QStringLiteral("Date = ? AND rowid IN (SELECT value FROM json_each(?))")};
  return read;
}

const TableRead& ConsultantNoFeesRead() {
  static const TableRead read{.table = kFees, .condition = QStringLiteral("0"),
                                     .orderBy = QStringLiteral("DrName")};
  return read;
}

const TableRead& ConsultantFeesOfDaysRead() {
  static const TableRead read{.table = kFees, .condition = QStringLiteral("Date BETWEEN ? AND ? AND rowid <= ?"),
                                     .orderBy = QStringLiteral("DrName")};
  return read;
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
