#include "data/reports.h"

#include "data/columns.h"

namespace {

// Which bills of its days a kind's report lists, and so what its Load notes.
enum class Listing {
  // The bills that were valid at load. Load notes the last row and the rows that were no valid
  // bill (cancelled, or a status of no value).
  ValidAtLoad,
  // The rows that were in the table at load and are valid bills when Generate reads them. Load
  // notes the last row and reads whether there is any valid bill at all.
  ValidOfRowsAtLoad,
  // The bills that were cancelled at load. Load notes them.
  CancelledAtLoad,
  // The rows that were in the table at load and are cancelled when Generate reads them. Load
  // notes the last row and reads whether any bill was cancelled at all.
  CancelledOfRowsAtLoad,
};

// Each listing goes with the kind's read of its days below, which binds what it notes.
Listing CollectionListingOf(BillKind kind) {
  switch (kind) {
    case BillKind::OutPatient:
      return Listing::ValidOfRowsAtLoad;
    case BillKind::InPatient:
    case BillKind::Laboratory:
    case BillKind::XRay:
      break;
  }
  return Listing::ValidAtLoad;
}

Listing CancelledListingOf(BillKind kind) {
  switch (kind) {
    case BillKind::OutPatient:
      return Listing::CancelledOfRowsAtLoad;
    case BillKind::InPatient:
    case BillKind::Laboratory:
    case BillKind::XRay:
      break;
  }
  return Listing::CancelledAtLoad;
}

bool IsTestKind(BillKind kind) { return kind == BillKind::Laboratory || kind == BillKind::XRay; }

QString BillTableOf(BillKind kind) { return cols::TableName(TablesOf(kind).bills); }

DbError NotOfThisReport(BillKind kind) {
  return DbError(adErrInvalidArgument, QStringLiteral("No such report of the bills of %1").arg(BillTableOf(kind)));
}

// The two lists of rows at Load select the rowid and the date.
enum RowAtLoadColumn : int { kRowidColumn, kRowDateColumn };

// The projections of the test bill reports, in their selected order.
enum TestReportColumn : int { kTestBillNo, kTestDate, kTestTotal, kTestPatientName, kTestPatientId };
enum CancelledTestColumn : int { kCancelBillNo, kCancelDate, kCancelPatientName, kCancelTotal };

QString Text(const Recordset& rs, int column) { return rs.Fields(column).toText(); }

void Open(Recordset& rs, const ReportRead& read, const std::shared_ptr<Connection>& con) {
  if (const TableRead* table = read.tableRead())
    rs.Open(*table, con);
  else
    rs.Open(read.sql(), read.parameters(), con);
}

// The rows of `read`, each as `row` reads it.
template <class Row>
std::vector<Row> ReadRows(const std::shared_ptr<Connection>& con, const ReportRead& read,
                          Row (*row)(const Recordset& rs)) {
  Recordset rs;
  Open(rs, read, con);
  std::vector<Row> rows;
  rows.reserve(std::size_t(rs.RecordCount()));
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) rows.push_back(row(rs));
  return rows;
}

ReportBill ReadOutReportBill(const Recordset& rs) {
  namespace c = cols::OutPatientPrintDetails;
  return {.billNo = Text(rs, c::BillNo),
          .date = rs.Fields(c::Date),
          .ecg = rs.Fields(c::ECG),
          .scan = rs.Fields(c::Scan),
          .total = Text(rs, c::total),
          .patientName = Text(rs, c::patientName),
          .patientId = Text(rs, c::patientid)};
}

ReportBill ReadInReportBill(const Recordset& rs) {
  namespace c = cols::InPatientPrintDetails;
  return {.billNo = Text(rs, c::BillNo),
          .date = rs.Fields(c::Date),
          .ecg = rs.Fields(c::ECG),
          .scan = rs.Fields(c::Scan),
          .total = Text(rs, c::total),
          .patientName = Text(rs, c::patientName),
          .patientId = Text(rs, c::patientid)};
}

ConsultantFee ReadConsultantFee(const Recordset& rs) {
  namespace c = cols::SettingsConsultant;
  return {.date = rs.Fields(c::Date),
          .drName = Text(rs, c::DrName),
          .amount = Text(rs, c::Amount),
          .patientId = Text(rs, c::patientid)};
}

TestReportBill ReadTestReportBill(const Recordset& rs) {
  return {.billNo = Text(rs, kTestBillNo),
          .date = rs.Fields(kTestDate),
          .total = Text(rs, kTestTotal),
          .patientName = Text(rs, kTestPatientName),
          .patientId = Text(rs, kTestPatientId)};
}

CancelledTestBill ReadCancelledTestBill(const Recordset& rs) {
  return {.billNo = Text(rs, kCancelBillNo),
          .date = rs.Fields(kCancelDate),
          .patientName = Text(rs, kCancelPatientName),
          .total = Text(rs, kCancelTotal)};
}

RowAtLoad ReadRowAtLoad(const Recordset& rs) {
  return {.day = rs.Fields(kRowDateColumn).toDate().value_or(QDate()),
          .rowid = qint64(rs.Fields(kRowidColumn).toDouble())};
}

QString LastRowSql(const QString& table) { return QStringLiteral("SELECT max(rowid) FROM ") + table; }

qint64 LastRowOf(const std::shared_ptr<Connection>& con, const QString& table) {
  Recordset last;
  last.Open(LastRowSql(table), con);
  return last.RecordCount() > 0 ? qint64(last.Fields(kRowidColumn).toDouble()) : 0;
}

// The rowids and dates of the rows that were no valid bill: cancelled, or a status of no value.
std::vector<RowAtLoad> InvalidBillRows(const std::shared_ptr<Connection>& con, const QString& table) {
  return ReadRows(con,
                  QStringLiteral("SELECT rowid, Date FROM ") + table +
                      QStringLiteral(" WHERE NOT ifnull(BillDelete='Available',0) ORDER BY rowid"),
                  &ReadRowAtLoad);
}

// The rowids and dates of the cancelled bills.
std::vector<RowAtLoad> CancelledBillRows(const std::shared_ptr<Connection>& con, const QString& table) {
  return ReadRows(con,
                  QStringLiteral("SELECT rowid, Date FROM ") + table +
                      QStringLiteral(" WHERE BillDelete='Deleted' ORDER BY rowid"),
                  &ReadRowAtLoad);
}

// Whether there is any bill of the status (at most one row is read).
bool AnyBillOfStatus(const std::shared_ptr<Connection>& con, const QString& table, const QString& status) {
  Recordset any;
  any.Open(TableRead{.table = table,
                     .condition = QStringLiteral("BillDelete='%1' AND rowid IN (SELECT rowid FROM ").arg(status) +
                                  table + QStringLiteral(" where BillDelete='%1' LIMIT 1)").arg(status)},
           con);
  return any.RecordCount() > 0;
}

RowsAtLoad NoteAtLoad(const std::shared_ptr<Connection>& con, const QString& table, Listing listing) {
  RowsAtLoad noted;
  switch (listing) {
    case Listing::ValidAtLoad:
      noted.lastRow = LastRowOf(con, table);
      noted.invalid = InvalidBillRows(con, table);
      break;
    case Listing::ValidOfRowsAtLoad:
      noted.lastRow = LastRowOf(con, table);
      noted.noBill = !AnyBillOfStatus(con, table, QStringLiteral("Available"));
      break;
    case Listing::CancelledAtLoad:
      noted.cancelled = CancelledBillRows(con, table);
      noted.noBill = noted.cancelled.empty();
      break;
    case Listing::CancelledOfRowsAtLoad:
      noted.lastRow = LastRowOf(con, table);
      noted.noBill = !AnyBillOfStatus(con, table, QStringLiteral("Deleted"));
      break;
  }
  return noted;
}

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

const QString kFees = cols::TableName(cols::SettingsConsultant::kTable);

// The fee table's columns alone, no row: Load reads them so that a table it cannot read is the
// load's error rather than every Generate's.
TableRead ConsultantNoFeesRead() {
  return {.table = kFees, .condition = QStringLiteral("0"), .orderBy = QStringLiteral("DrName")};
}

}  // namespace

const std::vector<Value>& ReportRead::parameters() const {
  if (const auto* read = std::get_if<TableRead>(&read_)) return read->parameters;
  return std::get<Selection>(read_).parameters;
}

QString ReportRead::sql() const {
  if (const auto* read = std::get_if<TableRead>(&read_)) return read->Sql();
  return std::get<Selection>(read_).sql;
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

RowsAtLoad NoteCollectionAtLoad(const std::shared_ptr<Connection>& con, BillKind kind) {
  return NoteAtLoad(con, BillTableOf(kind), CollectionListingOf(kind));
}

RowsAtLoad NoteCancelledAtLoad(const std::shared_ptr<Connection>& con, BillKind kind) {
  return NoteAtLoad(con, BillTableOf(kind), CancelledListingOf(kind));
}

RowsAtLoad NoteConsultantFeesAtLoad(const std::shared_ptr<Connection>& con) {
  RowsAtLoad noted;
  noted.lastRow = LastRowOf(con, kFees);
  Recordset columns;
  columns.Open(ConsultantNoFeesRead(), con);
  return noted;
}

Value LargestRowIdOf(const std::shared_ptr<Connection>& con, const TableRead& read) {
  Recordset last;
  last.Open(LastRowSql(read.table), con);
  return last.Eof() ? Value() : last.Fields(kRowidColumn);
}

ReportRead CollectionBillsRead(BillKind kind, CollectionMode mode, const ReportDays& days, const RowsAtLoad& atLoad) {
  switch (kind) {
    case BillKind::OutPatient:  // the valid bills of the rows up to the last one at Load
      return TableRead{.table = BillTableOf(kind),
                       .condition = QStringLiteral("BillDelete='Available' AND Date BETWEEN ? AND ? AND rowid <= ?") +
                                    CollectionModeCondition(mode),
                       .parameters = {days.from, days.to, atLoad.lastRow},
                       .orderBy = QStringLiteral("BillNo")};
    case BillKind::InPatient:  // the bills that were valid at Load
      return TableRead{
          .table = BillTableOf(kind),
          .condition =
              QStringLiteral("Date BETWEEN ? AND ? AND rowid <= ? AND rowid NOT IN (SELECT value FROM json_each(?))") +
              CollectionModeCondition(mode),
          .parameters = {days.from, days.to, atLoad.lastRow, JsonRowidsBetween(atLoad.invalid, days)},
          .orderBy = QStringLiteral("BillNo")};
    case BillKind::Laboratory:
    case BillKind::XRay:
      break;
  }
  throw NotOfThisReport(kind);
}

ReportRead CancelledBillsRead(BillKind kind, const QDate& day, const RowsAtLoad& atLoad) {
  switch (kind) {
    case BillKind::OutPatient:  // the cancelled bills of the rows up to the last one at Load
      return TableRead{.table = BillTableOf(kind),
                       .condition = QStringLiteral("BillDelete='Deleted' AND Date = ? AND rowid <= ?"),
                       .parameters = {day, atLoad.lastRow}};
    case BillKind::InPatient:  // the bills that were cancelled at Load
      return TableRead{.table = BillTableOf(kind),
                       .condition = QStringLiteral("Date = ? AND rowid IN (SELECT value FROM json_each(?))"),
                       .parameters = {day, JsonRowidsBetween(atLoad.cancelled, {day, day})}};
    case BillKind::Laboratory:
    case BillKind::XRay:
      break;
  }
  throw NotOfThisReport(kind);
}

ReportRead TestCollectionBillsRead(BillKind kind, const ReportDays& days, const RowsAtLoad& atLoad) {
  // The bills that were valid at Load.
  if (!IsTestKind(kind)) throw NotOfThisReport(kind);
  return {QStringLiteral("SELECT BillNo,Date,total,patientName,patientid FROM ") + BillTableOf(kind) +
              QStringLiteral(" WHERE Date BETWEEN ? AND ? AND rowid <= ? AND rowid NOT IN "
                             "(SELECT value FROM json_each(?)) "
                             "GROUP BY BillNo,Date,total,patientName,patientid Order By BillNO, min(rowid)"),
          {days.from, days.to, atLoad.lastRow, JsonRowidsBetween(atLoad.invalid, days)}};
}

ReportRead CancelledTestBillsRead(BillKind kind, const QDate& day, const RowsAtLoad& atLoad) {
  // The bills that were cancelled at Load.
  if (!IsTestKind(kind)) throw NotOfThisReport(kind);
  return {QStringLiteral("SELECT BillNo,Date,patientName,total FROM ") + BillTableOf(kind) +
              QStringLiteral(" WHERE Date = ? AND rowid IN (SELECT value FROM json_each(?)) "
                             "GROUP BY BillNo,Date,patientName,total ORDER BY min(rowid)"),
          {day, JsonRowidsBetween(atLoad.cancelled, {day, day})}};
}

ReportRead ConsultantFeesRead(const ReportDays& days, const RowsAtLoad& atLoad) {
  // The fees of the rows up to the last one at Load.
  return TableRead{.table = kFees,
                   .condition = QStringLiteral("Date BETWEEN ? AND ? AND rowid <= ?"),
                   .parameters = {days.from, days.to, atLoad.lastRow},
                   .orderBy = QStringLiteral("DrName")};
}

std::vector<ReportBill> CollectionBills(const std::shared_ptr<Connection>& con, BillKind kind, CollectionMode mode,
                                        const ReportDays& days, const RowsAtLoad& atLoad) {
  const ReportRead read = CollectionBillsRead(kind, mode, days, atLoad);
  return ReadRows(con, read, kind == BillKind::InPatient ? &ReadInReportBill : &ReadOutReportBill);
}

std::vector<ReportBill> CancelledBills(const std::shared_ptr<Connection>& con, BillKind kind, const QDate& day,
                                       const RowsAtLoad& atLoad) {
  const ReportRead read = CancelledBillsRead(kind, day, atLoad);
  return ReadRows(con, read, kind == BillKind::InPatient ? &ReadInReportBill : &ReadOutReportBill);
}

std::vector<TestReportBill> TestCollectionBills(const std::shared_ptr<Connection>& con, BillKind kind,
                                                const ReportDays& days, const RowsAtLoad& atLoad) {
  return ReadRows(con, TestCollectionBillsRead(kind, days, atLoad), &ReadTestReportBill);
}

std::vector<CancelledTestBill> CancelledTestBills(const std::shared_ptr<Connection>& con, BillKind kind,
                                                  const QDate& day, const RowsAtLoad& atLoad) {
  return ReadRows(con, CancelledTestBillsRead(kind, day, atLoad), &ReadCancelledTestBill);
}

std::vector<ConsultantFee> ConsultantFees(const std::shared_ptr<Connection>& con, const ReportDays& days,
                                          const RowsAtLoad& atLoad) {
  return ReadRows(con, ConsultantFeesRead(days, atLoad), &ReadConsultantFee);
}
