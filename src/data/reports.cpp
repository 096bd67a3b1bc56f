#include "data/reports.h"

#include "data/columns.h"

namespace {

// The projections of the test bill reports, in their selected order.
enum TestReportColumn : int { kTestBillNo, kTestDate, kTestTotal, kTestPatientName, kTestPatientId };
enum CancelledTestColumn : int { kCancelBillNo, kCancelDate, kCancelPatientName, kCancelTotal };
// The two lists of rows at Load select the rowid (kRowidColumn) and the date.
constexpr int kRowDateColumn = 1;

QString Text(const Recordset& rs, int column) { return rs.Fields(column).toText(); }

// The rowids noted at Load that a selection of these days can meet, as the JSON array the reads
// bind: ten years bring thousands of cancelled lines, and the whole list handed to every Generate
// cost more than reading the day's bills. A row whose date is no ISO date is always in it.
QString JsonRowidsBetween(const std::vector<RowAtLoad>& rows, const ReportDays& days) {
  QString json = QStringLiteral("[");
  for (const RowAtLoad& r : rows) {
    // Only a stored ISO date can be told out of the range here; anything else stays listed.
    if (r.day.isValid() && (r.day < days.from || r.day > days.to)) continue;
    if (json.size() > 1) json += QLatin1Char(',');
    json += QString::number(r.rowid);
  }
  return json + QLatin1Char(']');
}

}  // namespace

void ReportRead::Open(Recordset& rs, const std::shared_ptr<Connection>& con) const {
  if (const auto* read = std::get_if<TableRead>(&read_)) {
    rs.Open(*read, con);
    return;
  }
  const Selection& selection = std::get<Selection>(read_);
  rs.Open(selection.sql, selection.parameters, con);
}

const std::vector<Value>& ReportRead::parameters() const {
  if (const auto* read = std::get_if<TableRead>(&read_)) return read->parameters;
  return std::get<Selection>(read_).parameters;
}

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

ReportRead LastRowRead(const QString& table) { return LastRowSql(table); }

qint64 LastRowOf(const Recordset& lastRow) {
  return lastRow.RecordCount() > 0 ? qint64(lastRow.Fields(kRowidColumn).toDouble()) : 0;
}

ReportRead InvalidBillRowsRead(const QString& table) {
  return QStringLiteral("SELECT rowid, Date FROM ") + table +
         QStringLiteral(" WHERE NOT ifnull(BillDelete='Available',0) ORDER BY rowid");
}

ReportRead CancelledBillRowsRead(const QString& table) {
  return QStringLiteral("SELECT rowid, Date FROM ") + table +
         QStringLiteral(" WHERE BillDelete='Deleted' ORDER BY rowid");
}

std::vector<RowAtLoad> RowsAtLoadOf(Recordset& rows) {
  std::vector<RowAtLoad> noted;
  if (rows.State() != adStateOpen) return noted;
  noted.reserve(std::size_t(rows.RecordCount()));
  for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext())
    noted.push_back({.day = rows.Fields(kRowDateColumn).toDate().value_or(QDate()),
                     .rowid = qint64(rows.Fields(kRowidColumn).toDouble())});
  return noted;
}

ReportRead AnyValidBillRead(const QString& table) {
  return TableRead{.table = table,
                   .condition = QStringLiteral("BillDelete='Available' AND rowid IN (SELECT rowid FROM ") + table +
                                QStringLiteral(" where BillDelete='Available' LIMIT 1)")};
}

ReportRead AnyCancelledBillRead(const QString& table) {
  return TableRead{.table = table,
                   .condition = QStringLiteral("BillDelete='Deleted' AND rowid IN (SELECT rowid FROM ") + table +
                                QStringLiteral(" where BillDelete='Deleted' LIMIT 1)")};
}

namespace {
const QString kOutBills = QString::fromLatin1(cols::OutPatientPrintDetails::kTable);
const QString kInBills = QString::fromLatin1(cols::InPatientPrintDetails::kTable);
const QString kFees = QString::fromLatin1(cols::SettingsConsultant::kTable);
}  // namespace

ReportRead OutAvailableBillsOfDaysRead(CollectionMode mode, const ReportDays& days, const RowsAtLoad& atLoad) {
  return TableRead{.table = kOutBills,
                   .condition = QStringLiteral("BillDelete='Available' AND Date BETWEEN ? AND ? AND rowid <= ?") +
                                CollectionModeCondition(mode),
                   .parameters = {days.from, days.to, atLoad.lastRow},
                   .orderBy = QStringLiteral("BillNo")};
}

ReportRead OutCancelledBillsOfDayRead(const QDate& day, const RowsAtLoad& atLoad) {
  return TableRead{.table = kOutBills,
                   .condition = QStringLiteral("BillDelete='Deleted' AND Date = ? AND rowid <= ?"),
                   .parameters = {day, atLoad.lastRow}};
}

ReportRead InValidBillsOfDaysRead(CollectionMode mode, const ReportDays& days, const RowsAtLoad& atLoad) {
  return TableRead{
      .table = kInBills,
      .condition =
          QStringLiteral("Date BETWEEN ? AND ? AND rowid <= ? AND rowid NOT IN (SELECT value FROM json_each(?))") +
          CollectionModeCondition(mode),
      .parameters = {days.from, days.to, atLoad.lastRow, JsonRowidsBetween(atLoad.invalid, days)},
      .orderBy = QStringLiteral("BillNo")};
}

ReportRead InCancelledBillsOfDayRead(const QDate& day, const RowsAtLoad& atLoad) {
  return TableRead{.table = kInBills,
                   .condition = QStringLiteral("Date = ? AND rowid IN (SELECT value FROM json_each(?))"),
                   .parameters = {day, JsonRowidsBetween(atLoad.cancelled, {day, day})}};
}

ReportRead ConsultantNoFeesRead() {
  return TableRead{.table = kFees,
                   .condition = QStringLiteral("0"),
                   .orderBy = QStringLiteral("DrName")};
}

ReportRead ConsultantFeesOfDaysRead(const ReportDays& days, const RowsAtLoad& atLoad) {
  return TableRead{.table = kFees,
                   .condition = QStringLiteral("Date BETWEEN ? AND ? AND rowid <= ?"),
                   .parameters = {days.from, days.to, atLoad.lastRow},
                   .orderBy = QStringLiteral("DrName")};
}

ReportRead TestValidBillsOfDaysRead(const QString& table, const ReportDays& days, const RowsAtLoad& atLoad) {
  return {QStringLiteral("SELECT BillNo,Date,total,patientName,patientid FROM ") + table +
              QStringLiteral(" WHERE Date BETWEEN ? AND ? AND rowid <= ? AND rowid NOT IN "
                             "(SELECT value FROM json_each(?)) "
                             "GROUP BY BillNo,Date,total,patientName,patientid Order By BillNO, min(rowid)"),
          {days.from, days.to, atLoad.lastRow, JsonRowidsBetween(atLoad.invalid, days)}};
}

ReportRead TestCancelledBillsOfDayRead(const QString& table, const QDate& day, const RowsAtLoad& atLoad) {
  return {QStringLiteral("SELECT BillNo,Date,patientName,total FROM ") + table +
              QStringLiteral(" WHERE Date = ? AND rowid IN (SELECT value FROM json_each(?)) "
                             "GROUP BY BillNo,Date,patientName,total ORDER BY min(rowid)"),
          {day, JsonRowidsBetween(atLoad.cancelled, {day, day})}};
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
