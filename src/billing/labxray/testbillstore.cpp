#include "billing/labxray/testbillstore.h"

#include <QRegularExpression>

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

void SaveTestBill(Recordset& bills, Recordset& counter, const TestBillRecord& bill) {
  if (counter.ActiveConnection() != bills.ActiveConnection())
    throw DbError(adErrInvalidArgument, QStringLiteral("The bill's recordsets are not on one connection"));
  Transaction transaction(bills.ActiveConnection());
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
  if (counter.RecordCount() == 0)
    counter.AddNew();
  else
    counter.MoveFirst();
  counter.SetField(0, bill.billNo);
  counter.Update();
  transaction.Commit();
}

int CancelTestBill(Recordset& bills, const QString& billNo) {
  Transaction transaction(bills.ActiveConnection());
  int marked = 0;
  for (bills.MoveFirst(); !bills.Eof(); bills.MoveNext()) {
    if (bills.Fields(kTestBillNoColumn).toText() != billNo) continue;
    bills.SetField(kTestStatusColumn, QStringLiteral("Deleted"));
    bills.Update();
    ++marked;
  }
  transaction.Commit();
  return marked;
}
