#include "data/bills.h"

#include "data/columns.h"
#include "data/patients.h"

namespace {

namespace out = cols::OutPatientPrintDetails;
namespace in = cols::InPatientPrintDetails;
// The laboratory and the x-ray bill tables have one layout.
namespace test = cols::LabPrintDetails;
static_assert(int(test::kColumnCount) == int(cols::XRayPrintDetails::kColumnCount) &&
              int(test::BillDelete) == int(cols::XRayPrintDetails::BillDelete));
static_assert(out::BillNo == kBillNumberColumn && in::BillNo == kBillNumberColumn && test::BillNo == kBillNumberColumn &&
              cols::XRayPrintDetails::BillNo == kBillNumberColumn);
static_assert(out::Scan - out::DrFees + 1 == kOutBillFeeColumns);
static_assert(in::Others - in::BedCharges + 1 == kInBillChargeColumns);
// Every counter is the one column BillNo.
static_assert(int(cols::SettingsOutBillNo::BillNo) == 0 && int(cols::SettingsInBillNo::BillNo) == 0 &&
              int(cols::SettingsLabBillNo::BillNo) == 0 && int(cols::SettingsXRayBillNo::BillNo) == 0);
constexpr int kCounterBillNo = cols::SettingsOutBillNo::BillNo;

const QString& available() {
  static const QString text = QStringLiteral("Available");
  return text;
}

DbError advanceChanged(const QString& patientId) {
  return DbError(adErrProvider,
                 QStringLiteral("the advance of the patient %1 has changed meanwhile").arg(patientId));
}

// A new bill's rows are only added: none is read.
TableRead newBillRowsRead(BillKind kind) {
  return {.table = cols::TableName(TablesOf(kind).bills), .condition = QStringLiteral("0")};
}

// The kind's counter, its one row.
TableRead billCounterRead(BillKind kind) { return {.table = cols::TableName(TablesOf(kind).counter)}; }

DbError notThePatientChosen(const QString& patientId) {
  return DbError(adErrProvider,
                 QStringLiteral("the in-patient row chosen for %1 no longer holds that patient").arg(patientId));
}

// Opens `patients` on the in-patient's row the form chose, as the database holds it now. False,
// with `patients` closed, when none was chosen; DbError when the row is gone or holds another
// identifier now (trimmed of blanks: VB's Trim and SQLite's trim() both take off blanks only).
bool openPatient(Recordset& patients, const std::shared_ptr<Connection>& con, const QString& trimmedId,
                 std::optional<qint64> row) {
  if (!row) return false;
  patients.Open(PatientByRowIdRead(PatientTableKind::InPatient, *row), con, adOpenDynamic, adLockOptimistic);
  if (patients.Eof() || Trim(patients.Fields(cols::SettingsInPatient::EmployeeID).toText()) != trimmedId)
    throw notThePatientChosen(trimmedId);
  return true;
}

// What the save writes into the patient's advance column, worked out from the advance the
// database holds now; nothing when the column is not to be written. Leaves `patients` on the
// patient's row. Raises DbError when a deducted advance is no longer the one held.
std::optional<Value> advanceToWrite(Recordset& patients, const std::shared_ptr<Connection>& con,
                                    const AdvanceChange& change) {
  const QString wanted = Trim(change.patientId);
  if (!openPatient(patients, con, wanted, change.patientRow)) {
    if (change.deducted && !SameAdvance(*change.deducted, QString())) throw advanceChanged(wanted);
    return std::nullopt;
  }
  const QString held = patients.Fields(cols::SettingsInPatient::Advance).toText();
  if (change.deducted && !SameAdvance(*change.deducted, held)) throw advanceChanged(wanted);
  switch (change.kind) {
    case AdvanceChange::Kind::None: return std::nullopt;
    case AdvanceChange::Kind::Set: return Value(change.amount.ToDouble());
    case AdvanceChange::Kind::Clear: return Value();
    case AdvanceChange::Kind::Receive: return Value((change.amount + Money::Parse(held)).ToDouble());
  }
  return std::nullopt;
}

// Writes the bill's number into the counter's first row, or makes the row when there is none, so
// that the next bill cannot be given the same number again. Refuses rather than write a number
// below the one the counter holds (read as the bill numbers read it).
void writeCounter(BillKind kind, const std::shared_ptr<Connection>& con, const QString& billNo) {
  Recordset counter;
  counter.Open(billCounterRead(kind), con, adOpenDynamic, adLockOptimistic);
  if (counter.RecordCount() == 0) {
    counter.AddNew();
  } else {
    counter.MoveFirst();
    const Value held = counter.Fields(kCounterBillNo);
    if (con->QueryValue(QStringLiteral("SELECT CAST(? AS INTEGER) < CAST(? AS INTEGER)"), {Value(Trim(billNo)), held})
            .intValue())
      throw DbError(adErrProvider, QStringLiteral("the bill number %1 is below the last one given, %2")
                                       .arg(Trim(billNo), held.toText()));
  }
  counter.SetField(kCounterBillNo, billNo);
  counter.Update();
}

// The rows must be of the kind's own shape: the number is checked against the kind's tables.
void checkKind(BillKind kind, const BillRows& rows) {
  const std::size_t shape = kind == BillKind::OutPatient ? 0 : kind == BillKind::InPatient ? 1 : 2;
  if (rows.index() != shape) throw DbError(adErrInvalidArgument, QStringLiteral("The bill's rows are not of its kind"));
}

void writeRows(Recordset& bills, const OutBillRecord& bill) {
  bills.AddNew();
  bills.SetField(out::BillNo, bill.billNo);
  bills.SetField(out::Date, bill.date);
  for (int i = 0; i < kOutBillFeeColumns; ++i) bills.SetField(out::DrFees + i, bill.fees[std::size_t(i)]);
  bills.SetField(out::Others, bill.others);
  bills.SetField(out::total, bill.total);
  bills.SetField(out::patientName, bill.patientName);
  bills.SetField(out::patientid, bill.patientId);
  bills.SetField(out::BillDelete, available());
  bills.Update();
}

void writeRows(Recordset& bills, const InBillRecord& bill) {
  bills.AddNew();
  bills.SetField(in::BillNo, bill.billNo);
  bills.SetField(in::Date, bill.date);
  for (int i = 0; i < kInBillChargeColumns; ++i) bills.SetField(in::BedCharges + i, bill.charges[std::size_t(i)]);
  bills.SetField(in::total, bill.total);
  bills.SetField(in::patientName, bill.patientName);
  bills.SetField(in::patientid, bill.patientId);
  bills.SetField(in::BillDelete, available());
  if (!Trim(bill.advance).isEmpty()) bills.SetField(in::Advance, bill.advance);
  bills.Update();
}

void writeRows(Recordset& bills, const TestBillRecord& bill) {
  for (const TestBillLine& line : bill.lines) {
    bills.AddNew();
    bills.SetField(test::BillNo, bill.billNo);
    bills.SetField(test::Date, bill.date);
    bills.SetField(test::Description, line.description);
    bills.SetField(test::Amount, line.amount);
    bills.SetField(test::Discount, bill.discount);
    bills.SetField(test::GrossTotal, bill.grossTotal);
    bills.SetField(test::total, bill.total);
    bills.SetField(test::patientName, bill.patientName);
    bills.SetField(test::patientid, bill.patientId);
    bills.SetField(test::BillDelete, available());
    bills.Update();
  }
}

bool isAvailable(const Recordset& bills, int status) {
  return Trim(bills.Fields(status).toText()).compare(available(), Qt::CaseInsensitive) == 0;
}

// The kind's bill row stored under `rowid`, whole and writable.
TableRead billRowRead(BillKind kind, qint64 rowid) {
  return RowByRowIdRead(cols::TableName(TablesOf(kind).bills), rowid);
}

StoredBill readStoredBill(BillKind kind, const Recordset& bill) {
  StoredBill shown;
  if (kind == BillKind::InPatient) {
    shown.patientName = bill.Fields(in::patientName).toText();
    shown.patientId = bill.Fields(in::patientid).toText();
    for (int column = in::BedCharges; column <= in::Others; ++column) shown.amounts.push_back(bill.Fields(column).toText());
    shown.date = bill.Fields(in::Date);
    shown.total = bill.Fields(in::total).toText();
  } else {
    shown.patientName = bill.Fields(out::patientName).toText();
    shown.patientId = bill.Fields(out::patientid).toText();
    for (int column = out::DrFees; column <= out::Others; ++column) shown.amounts.push_back(bill.Fields(column).toText());
    shown.date = bill.Fields(out::Date);
    shown.total = bill.Fields(out::total).toText();
  }
  return shown;
}

StoredTestLine readTestLine(qint64 rowid, const Recordset& line) {
  return {.rowid = rowid,
          .billNo = line.Fields(test::BillNo).toText(),
          .date = line.Fields(test::Date),
          .description = line.Fields(test::Description).toText(),
          .amount = line.Fields(test::Amount).toText(),
          .discount = line.Fields(test::Discount).toText(),
          .grossTotal = line.Fields(test::GrossTotal).toText(),
          .total = line.Fields(test::total).toText(),
          .patientName = line.Fields(test::patientName).toText(),
          .patientId = line.Fields(test::patientid).toText()};
}

std::vector<Value> rowidValues(const std::vector<qint64>& rowids) {
  std::vector<Value> values;
  values.reserve(rowids.size());
  for (const qint64 rowid : rowids) values.emplace_back(rowid);
  return values;
}

}  // namespace

void SaveBill(HeldBillNumber& held, const BillRows& rows, const AdvanceChange& advance) {
  const BillKind kind = held.Kind();
  const std::shared_ptr<Connection>& con = held.ActiveConnection();
  checkKind(kind, rows);
  const QString billNo = std::visit([](const auto& r) { return r.billNo; }, rows);
  // The number is the one held since before the print, which nobody else could store a bill under
  // meanwhile: the paper carries it.
  if (Trim(billNo) != held.Text()) throw BillNumberTaken(Trim(billNo));

  // Read inside the transaction, while no other connection can write, and before anything is
  // written: a deducted advance the patient no longer holds is refused; a receipt adds to the
  // advance held now.
  const bool changesAdvance = kind == BillKind::InPatient && !Trim(advance.patientId).isEmpty() &&
                              (advance.kind != AdvanceChange::Kind::None || advance.deducted);
  Recordset patients;
  const std::optional<Value> patientAdvance =
      changesAdvance ? advanceToWrite(patients, con, advance) : std::nullopt;

  Recordset bills;
  bills.Open(newBillRowsRead(kind), con, adOpenDynamic, adLockOptimistic);
  std::visit([&](const auto& r) { writeRows(bills, r); }, rows);

  // The database comes with the counter's row; should it ever be missing, the save makes it
  // rather than leave a stored bill without its number (a second print would store it again).
  writeCounter(kind, con, billNo);

  if (patientAdvance) {
    patients.SetField(cols::SettingsInPatient::Advance, *patientAdvance);
    patients.Update();
  }
  held.Commit();
}

void SaveBill(const std::shared_ptr<Connection>& con, BillKind kind, const BillRows& rows,
              const AdvanceChange& advance) {
  // Taken while no other connection can write (two bills must never share a number, which one
  // cancel would take both of).
  HeldBillNumber held(con, kind);
  SaveBill(held, rows, advance);
}

QString AdvanceHeldNow(const std::shared_ptr<Connection>& con, const QString& patientId,
                       std::optional<qint64> patientRow) {
  const QString wanted = Trim(patientId);
  if (wanted.isEmpty()) return QString();
  Recordset patients;
  if (!openPatient(patients, con, wanted, patientRow)) return QString();
  return patients.Fields(cols::SettingsInPatient::Advance).toText();
}

bool SameAdvance(const QString& a, const QString& b) {
  return Trim(a).isEmpty() == Trim(b).isEmpty() && Money::Parse(Trim(a)) == Money::Parse(Trim(b));
}

std::optional<StoredBill> ReadBill(const std::shared_ptr<Connection>& con, BillKind kind, qint64 rowid) {
  Recordset bill;
  bill.Open(billRowRead(kind, rowid), con);
  if (bill.Eof()) return std::nullopt;
  return readStoredBill(kind, bill);
}

bool CancelBill(const std::shared_ptr<Connection>& con, BillKind kind, qint64 rowid) {
  const int status = kind == BillKind::InPatient ? int(in::BillDelete) : int(out::BillDelete);
  Transaction transaction(con);
  Recordset bill;
  bill.Open(billRowRead(kind, rowid), con, adOpenDynamic, adLockOptimistic);
  if (!bill.HasCurrentRow() || !isAvailable(bill, status)) return false;
  bill.SetField(status, QStringLiteral("Deleted"));
  bill.Update();
  transaction.Commit();
  return true;
}

std::vector<StoredTestLine> ReadTestBillLines(const std::shared_ptr<Connection>& con, BillKind kind,
                                              const std::vector<qint64>& rowids) {
  Recordset lines;
  lines.Open(BillRowsByRowIdRead(kind, rowidValues(rowids)), con);
  std::vector<StoredTestLine> read;
  read.reserve(rowids.size());
  for (const qint64 rowid : rowids)
    if (lines.MoveToRowId(rowid)) read.push_back(readTestLine(rowid, lines));
  return read;
}

int CancelTestBill(const std::shared_ptr<Connection>& con, BillKind kind, const std::vector<qint64>& lines,
                   const QString& billNo) {
  if (lines.empty()) return 0;
  Transaction transaction(con);
  // A bill is cancelled once, and as it was shown: its lines are read again inside the
  // transaction of the write, and one that another program cancelled, renumbered or removed
  // since leaves the whole bill alone.
  Recordset bills;
  bills.Open(BillRowsByRowIdRead(kind, rowidValues(lines)), con, adOpenDynamic, adLockOptimistic);
  for (const qint64 rowid : lines)
    if (!bills.MoveToRowId(rowid) || bills.Fields(test::BillNo).toText() != billNo ||
        !isAvailable(bills, test::BillDelete))
      return 0;
  for (const qint64 rowid : lines) {
    bills.MoveToRowId(rowid);
    bills.SetField(test::BillDelete, QStringLiteral("Deleted"));
    bills.Update();
  }
  transaction.Commit();
  return int(lines.size());
}

TableRead ValidBillsRead(BillKind kind) {
  return {.table = cols::TableName(TablesOf(kind).bills), .condition = QStringLiteral("BillDelete='Available'")};
}

TableRead ValidBillNumbersRead(BillKind kind) {
  // The condition is the index's own, word for word, so that the database takes the index for it.
  TableRead read = ValidBillsRead(kind);
  read.orderBy = QStringLiteral("BillNo");
  return read;
}

TableRead BillRowsByRowIdRead(BillKind kind, const std::vector<Value>& rowids) {
  QString marks;
  for (std::size_t i = 0; i < rowids.size(); ++i) marks += i == 0 ? QStringLiteral("?") : QStringLiteral(",?");
  return {.table = cols::TableName(TablesOf(kind).bills),
          .condition = QStringLiteral("rowid IN (%1)").arg(rowids.empty() ? QStringLiteral("NULL") : marks),
          .parameters = rowids};
}
