#include "billing/inpatient/inbillstore.h"

#include "data/billnumbers.h"

QString NextInBillNumber(Recordset& counter) {
  if (counter.RecordCount() == 0) return QStringLiteral("1");
  counter.MoveFirst();
  return NumberText(counter.Fields(0).toDouble() + 1);
}

namespace {

constexpr int kInPatientFirstNameColumn = 1;

DbError advanceChanged(const QString& patientId) {
  return DbError(adErrProvider,
                 QStringLiteral("the advance of the patient %1 has changed meanwhile").arg(patientId));
}

// Stands `patients` on the patient's row as the save has always found it: the first, from the
// first row on, whose column 0 trimmed is the identifier. False when no row is that patient's.
bool moveToPatient(Recordset& patients, const QString& wanted) {
  for (patients.MoveFirst(); !patients.Eof(); patients.MoveNext())
    if (Trim(patients.Fields(0).toText()) == wanted) return true;
  return false;
}

// The advance column of the current row of `patients`, as the database holds it now. The row is
// found again through the index on the first name, by which the form orders its patients: of the
// rows of that name (ties in rowid order, as the recordset keeps them) the first whose identifier
// trimmed is the patient's. It must be the very row `patients` stands on, which the save writes.
Value heldAdvance(Recordset& patients, const QString& wanted) {
  const std::shared_ptr<Connection> con = patients.ActiveConnection();
  const Value rowid = con->QueryValue(QStringLiteral("SELECT min(rowid) FROM SettingsInPatient "
                                                     "WHERE FirstName IS ? AND trim(EmployeeID) = ? COLLATE BINARY"),
                                      {patients.Fields(kInPatientFirstNameColumn), Value(wanted)});
  const Recordset::Bookmark at = patients.GetBookmark();
  const bool same = rowid.kind() == Value::Kind::Integer && patients.MoveToRowId(rowid.intValue()) &&
                    patients.GetBookmark().position == at.position;
  patients.MoveTo(at);
  if (!same)
    throw DbError(adErrRowNotFound, QStringLiteral("the row of the patient %1 has been changed meanwhile").arg(wanted));
  return con->QueryValue(QStringLiteral("SELECT Advance FROM SettingsInPatient WHERE rowid = ?"), {rowid});
}

// What the save writes into the patient's advance column, worked out from the advance the
// database holds now; nothing when the column is not to be written. Leaves `patients` on the
// patient's row. Raises DbError when a deducted advance is no longer the one held.
std::optional<Value> advanceToWrite(Recordset& patients, const AdvanceChange& change) {
  const QString wanted = Trim(change.patientId);
  if (wanted.isEmpty() || (change.kind == AdvanceChange::Kind::None && !change.deducted)) return std::nullopt;
  if (!moveToPatient(patients, wanted)) {
    if (change.deducted && !SameAdvance(*change.deducted, QString())) throw advanceChanged(wanted);
    return std::nullopt;
  }
  QString held;
  if (change.kind == AdvanceChange::Kind::Receive || change.deducted) held = heldAdvance(patients, wanted).toText();
  if (change.deducted && !SameAdvance(*change.deducted, held)) throw advanceChanged(wanted);
  switch (change.kind) {
    case AdvanceChange::Kind::None: return std::nullopt;
    case AdvanceChange::Kind::Set: return Value(change.amount.ToDouble());
    case AdvanceChange::Kind::Clear: return Value();
    case AdvanceChange::Kind::Receive: return Value((change.amount + Money::Parse(held)).ToDouble());
  }
  return std::nullopt;
}

// Writes the bill's number into the counter's first row as the database holds it now, or makes
// the row when there is none, so that the next bill cannot be given the same number again.
// Refuses rather than write a number below the one the counter holds (read as the bill numbers
// read it).
void writeCounter(Recordset& counter, const QString& billNo) {
  counter.Requery();
  if (counter.RecordCount() == 0) {
    counter.AddNew();
  } else {
    counter.MoveFirst();
    const Value held = counter.Fields(0);
    if (counter.ActiveConnection()
            ->QueryValue(QStringLiteral("SELECT CAST(? AS INTEGER) < CAST(? AS INTEGER)"), {Value(Trim(billNo)), held})
            .intValue())
      throw DbError(adErrProvider, QStringLiteral("the bill number %1 is below the last one given, %2")
                                       .arg(Trim(billNo), held.toText()));
  }
  counter.SetField(0, billNo);
  counter.Update();
}

}  // namespace

QString AdvanceHeldNow(Recordset& patients, const QString& patientId) {
  const QString wanted = Trim(patientId);
  if (wanted.isEmpty() || !moveToPatient(patients, wanted)) return QString();
  return heldAdvance(patients, wanted).toText();
}

bool SameAdvance(const QString& a, const QString& b) {
  return Trim(a).isEmpty() == Trim(b).isEmpty() && Money::Parse(Trim(a)) == Money::Parse(Trim(b));
}

void SaveInPatientBill(Recordset& bills, Recordset& counter, Recordset& patients, const InBillRecord& bill,
                       const AdvanceChange& advance) {
  // One transaction reaches only the recordsets of its own connection.
  if (counter.ActiveConnection() != bills.ActiveConnection() ||
      patients.ActiveConnection() != bills.ActiveConnection())
    throw DbError(adErrInvalidArgument, QStringLiteral("The bill's recordsets are not on one connection"));
  Transaction transaction(bills.ActiveConnection());

  // Read again inside the transaction, while no other connection can write, and before
  // anything is written: a number another program took since the print is refused, and so is a
  // deducted advance the patient no longer holds; a receipt adds to the advance held now.
  CheckBillNumberStillNext(bills.ActiveConnection(), BillKind::InPatient, bill.billNo);
  const std::optional<Value> patientAdvance = advanceToWrite(patients, advance);

  bills.AddNew();
  bills.SetField(0, bill.billNo);
  bills.SetField(1, bill.date);
  for (int i = 0; i < kInBillChargeCount; ++i) bills.SetField(2 + i, bill.charges[std::size_t(i)]);
  bills.SetField(12, bill.total);
  bills.SetField(13, bill.patientName);
  bills.SetField(14, bill.patientId);
  bills.SetField(15, QStringLiteral("Available"));
  if (!Trim(bill.advance).isEmpty()) bills.SetField(kBillAdvanceColumn, bill.advance);
  bills.Update();

  // The database comes with the counter's row; should it ever be missing, the save makes it
  // rather than leave a stored bill without its number.
  writeCounter(counter, bill.billNo);

  if (patientAdvance) {
    patients.SetField(kInPatientAdvanceColumn, *patientAdvance);
    patients.Update();
  }

  transaction.Commit();
}
