#include "billing/outpatient/outbill.h"

#include "billing/common/stationery.h"
#include "data/billnumbers.h"
#include "platform/ado.h"
#include "platform/printer.h"

const FeeTexts& StandardFeeCaptions() {
  static const FeeTexts captions = {QStringLiteral("Dr Fees"), QStringLiteral("Dressing Charges"),
                                    QStringLiteral("X-Ray"),   QStringLiteral("Lab Charge"),
                                    QStringLiteral("ECG"),     QStringLiteral("Scan")};
  return captions;
}

namespace {
// Where the stationery puts the rows and the net total, in twips.
constexpr double kFirstRowY = 1800;
constexpr double kRowStep = 250;
constexpr double kAmountRightX = 5500;
constexpr double kNetTotalY = 4600;

void appendRow(OutBillRows& bill, const QString& particulars, const Money& amount) {
  ++bill.serial;
  bill.rows.push_back({Format00(bill.serial), particulars, amount.Format2()});
  bill.total = (bill.total + amount).Round2();
}
}  // namespace

AddResult AddToBill(OutBillRows& bill, const FeeTexts& fees, const QString& description, bool freeTextTicked,
                    const QString& freeTextAmount) {
  if (!Trim(description).isEmpty() && freeTextTicked) {
    appendRow(bill, description, Money::Parse(freeTextAmount));
    return AddResult::FreeTextRow;
  }
  bill.rows.clear();
  bill.total = Money();
  for (int i = 0; i < kStandardFees; ++i) {
    const Money amount = Money::Parse(Trim(fees[std::size_t(i)]));
    if (amount.IsZero()) continue;
    appendRow(bill, StandardFeeCaptions()[std::size_t(i)], amount);
  }
  bill.listedFees = fees;
  return AddResult::FeeRows;
}

void SetUpOutPatientBillPrinter(PrinterObject& printer) {
  printer.SetSetting1(120);
  printer.SetSetting2(3);
  // Bold off as well: an in-patient or test bill printed before leaves it on.
  SetPrintFont(printer, QString::fromLatin1(kPrintFontName), 9, false);
}

void PrintOutPatientBill(PrinterObject& printer, const OutBillPrint& bill) {
  PrintAt(printer, 0, 555,
          QStringLiteral("Name  :  ") + bill.patientName + QStringLiteral(" ( ") + bill.patientId +
              QStringLiteral(" )"));
  if (bill.printAddress) {
    PrintAt(printer, 0, 755, bill.address);
    PrintAt(printer, 0, 955, bill.location);
  }
  PrintAt(printer, 3580, 700, bill.billNo);
  PrintAt(printer, 4930, 700, DateText(bill.date));
  PrintAt(printer, 3580, 920, bill.age);
  PrintAt(printer, 4930, 920, bill.sex);
  PrintAt(printer, 3580, 1150, bill.doctor);
  double y = kFirstRowY;
  for (const BillRow& row : bill.rows) {
    PrintAt(printer, 0, y, row.serial);
    PrintAt(printer, 800, y, row.particulars);
    PrintRightAligned(printer, kAmountRightX, y, row.amount);
    y += kRowStep;
  }
  PrintRightAligned(printer, kAmountRightX, kNetTotalY, bill.total.Format2());
  printer.EndDoc();
}

QString NextOutBillNumber(Recordset& counter) {
  if (counter.RecordCount() == 0) return QStringLiteral("1");
  counter.MoveFirst();
  return NumberText(counter.Fields(0).toDouble() + 1);
}

namespace {

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

void SaveOutPatientBill(Recordset& bills, Recordset& counter, const OutBillRecord& bill) {
  Transaction transaction(bills.ActiveConnection());
  // Read again inside the transaction, while no other connection can write: a number another
  // program took since the print is refused here, before anything is written.
  CheckBillNumberStillNext(bills.ActiveConnection(), BillKind::OutPatient, bill.billNo);
  bills.AddNew();
  bills.SetField(0, bill.billNo);
  bills.SetField(1, bill.date);
  for (int i = 0; i < kStandardFees; ++i) bills.SetField(2 + i, bill.fees[std::size_t(i)]);
  bills.SetField(8, bill.others);
  bills.SetField(9, bill.total);
  bills.SetField(10, bill.patientName);
  bills.SetField(11, bill.patientId);
  bills.SetField(12, QStringLiteral("Available"));
  bills.Update();
  writeCounter(counter, bill.billNo);
  transaction.Commit();
}
