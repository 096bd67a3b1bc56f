#include "billing/outpatient/outbill.h"

#include "billing/common/stationery.h"
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
