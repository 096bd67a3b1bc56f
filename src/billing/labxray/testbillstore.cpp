#include "billing/labxray/testbillstore.h"

#include <QRegularExpression>
#include <optional>

#include "data/billnumbers.h"

bool IsXRayAdult(const QString& age) { return Val(age) >= kXRayAdultAge; }

QString AddToGross(const QString& grossBox, const QString& price) {
  return (Money::Parse(grossBox) + Money::Parse(price).Round2()).Text();
}

bool ReadDiscount(const QString& box, Money& percent) {
  // A box the clerk emptied means no discount, as the box's "0" did.
  if (Trim(box).isEmpty()) {
    percent = Money();
    return true;
  }
  static const QRegularExpression number(QStringLiteral("^ *([0-9]+(\\.[0-9]*)?|\\.[0-9]+) *$"));
  if (!number.match(box).hasMatch()) return false;
  percent = Money::Parse(box);
  return percent <= Money::FromInt(99);
}

QString NetTotal(const QString& grossBox, const Money& percent) {
  if (percent.IsZero()) return grossBox;
  const Money gross = Money::Parse(grossBox);
  return (gross - gross * (percent / Money::FromInt(100))).Text();
}

QString NextTestBillNumber(Recordset& counter) {
  if (counter.RecordCount() == 0) return QStringLiteral("1");
  counter.MoveFirst();
  return NumberText(counter.Fields(0).toDouble() + 1);
}

namespace {

// The kind of bill whose tables the save writes: the number is checked against the very tables
// it is stored in.
BillKind kindWritten(const Recordset& bills, const Recordset& counter) {
  const QString billTable = RewriteSelect(bills.Source(), adLockOptimistic).table;
  const QString counterTable = RewriteSelect(counter.Source(), adLockOptimistic).table;
  for (const BillKind kind : {BillKind::Laboratory, BillKind::XRay}) {
    const BillTables& tables = TablesOf(kind);
    if (billTable.compare(QLatin1String(tables.bills), Qt::CaseInsensitive) == 0 &&
        counterTable.compare(QLatin1String(tables.counter), Qt::CaseInsensitive) == 0)
      return kind;
  }
  throw DbError(adErrInvalidArgument, QStringLiteral("The bill's recordsets are not a test bill table and its counter"));
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

bool isAvailable(const Recordset& bills) {
  return Trim(bills.Fields(kTestStatusColumn).toText()).compare(QStringLiteral("Available"), Qt::CaseInsensitive) == 0;
}

}  // namespace

void SaveTestBill(Recordset& bills, Recordset& counter, const TestBillRecord& bill) {
  if (counter.ActiveConnection() != bills.ActiveConnection())
    throw DbError(adErrInvalidArgument, QStringLiteral("The bill's recordsets are not on one connection"));
  const BillKind kind = kindWritten(bills, counter);
  Transaction transaction(bills.ActiveConnection());
  // Read again inside the transaction, while no other connection can write, and before any line
  // is written: a number another program took since the print is refused here, so that its lines
  // and this bill's never share a number (one cancel would take both).
  CheckBillNumberStillNext(bills.ActiveConnection(), kind, bill.billNo);
  for (const TestBillLine& line : bill.lines) {
    bills.AddNew();
    bills.SetField(kTestBillNoColumn, bill.billNo);
    bills.SetField(kTestDateColumn, bill.date);
    bills.SetField(kTestDescriptionColumn, line.description);
    bills.SetField(kTestAmountColumn, line.amount);
    bills.SetField(kTestDiscountColumn, bill.discount);
    bills.SetField(kTestGrossColumn, bill.grossTotal);
    bills.SetField(kTestTotalColumn, bill.total);
    bills.SetField(kTestPatientNameColumn, bill.patientName);
    bills.SetField(kTestPatientIdColumn, bill.patientId);
    bills.SetField(kTestStatusColumn, QStringLiteral("Available"));
    bills.Update();
  }
  // The database comes with the counter's row; should it be missing, the save makes it rather
  // than leave stored lines without their number (a second print would store them again).
  writeCounter(counter, bill.billNo);
  transaction.Commit();
}

int CancelTestBill(Recordset& bills, const QString& billNo) {
  Transaction transaction(bills.ActiveConnection());
  // The bill's lines as they were read for the clerk to see.
  std::vector<qint64> lines;
  for (bills.MoveFirst(); !bills.Eof(); bills.MoveNext())
    if (bills.Fields(kTestBillNoColumn).toText() == billNo)
      if (const std::optional<qint64> rowid = bills.CurrentRowId()) lines.push_back(*rowid);
  if (lines.empty()) return 0;
  // A bill is cancelled once, and as it was shown: its lines are read again inside the
  // transaction of the write, and one that another program cancelled, renumbered or removed
  // since leaves the whole bill alone.
  bills.Requery();
  for (const qint64 rowid : lines)
    if (!bills.MoveToRowId(rowid) || bills.Fields(kTestBillNoColumn).toText() != billNo || !isAvailable(bills))
      return 0;
  for (const qint64 rowid : lines) {
    bills.MoveToRowId(rowid);
    bills.SetField(kTestStatusColumn, QStringLiteral("Deleted"));
    bills.Update();
  }
  transaction.Commit();
  return int(lines.size());
}
