#include "billing/inpatient/inbillstore.h"

QString NextInBillNumber(Recordset& counter) {
  if (counter.RecordCount() == 0) return QStringLiteral("1");
  counter.MoveFirst();
  return NumberText(counter.Fields(0).toDouble() + 1);
}

namespace {

void applyAdvance(Recordset& patients, const AdvanceChange& change) {
  if (change.kind == AdvanceChange::Kind::None || Trim(change.patientId).isEmpty()) return;
  const QString wanted = Trim(change.patientId);
  patients.MoveFirst();
  while (!patients.Eof()) {
    if (Trim(patients.Fields(0).toText()) == wanted) {
      patients.SetField(kInPatientAdvanceColumn,
                        change.kind == AdvanceChange::Kind::Set ? Value(change.amount.ToDouble()) : Value());
      patients.Update();
      return;
    }
    patients.MoveNext();
  }
}

}  // namespace

void SaveInPatientBill(Recordset& bills, Recordset& counter, Recordset& patients, const InBillRecord& bill,
                       const AdvanceChange& advance) {
  // One transaction reaches only the recordsets of its own connection.
  if (counter.ActiveConnection() != bills.ActiveConnection() ||
      patients.ActiveConnection() != bills.ActiveConnection())
    throw DbError(adErrInvalidArgument, QStringLiteral("The bill's recordsets are not on one connection"));
  Transaction transaction(bills.ActiveConnection());

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
  if (counter.RecordCount() == 0)
    counter.AddNew();
  else
    counter.MoveFirst();
  counter.SetField(0, bill.billNo);
  counter.Update();

  applyAdvance(patients, advance);

  transaction.Commit();
}
