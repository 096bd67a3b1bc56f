#include "billing/common/billsheet.h"

#include "platform/printer.h"

namespace {

constexpr double kAmountCellTwips = 110;

void printAt(PrinterObject& printer, double x, double y, const QString& text) {
  printer.SetCurrentX(x);
  printer.SetCurrentY(y);
  printer.Print(text);
}

}  // namespace

void SetUpBillPrinter() {
  PrinterObject& printer = Printer();
  printer.SetSetting1(120);
  printer.SetSetting2(3);
  printer.SetFontName(QStringLiteral("Arial"));
  printer.SetFontBold(true);
  printer.SetFontSize(9);
}

void PrintAmountRightAligned(PrinterObject& printer, const QString& text, double rightX, double y) {
  double x = rightX;
  for (qsizetype i = text.size() - 1; i >= 0; --i) {
    printAt(printer, x, y, text.mid(i, 1));
    x -= kAmountCellTwips;
  }
}

void PrintBillSheet(const BillSheet& sheet) { PrintBillSheet(Printer(), sheet); }

void PrintBillSheet(PrinterObject& printer, const BillSheet& sheet) {
  const bool test = sheet.kind == BillSheet::Kind::Test;

  printAt(printer, 0, 555,
          QStringLiteral("Name  :  ") + sheet.patientName + QStringLiteral(" ( ") + sheet.patientId +
              QStringLiteral(" )"));
  if (sheet.printAddress) {
    printAt(printer, 0, 755, sheet.address1);
    printAt(printer, 0, 955, sheet.address2);
  }
  printAt(printer, 3580, 700, sheet.billNo);
  printAt(printer, 4930, 700, DateText(sheet.date));
  printAt(printer, 3580, 920, sheet.age);
  printAt(printer, 4930, 920, sheet.sex);
  printAt(printer, 3580, 1150, sheet.doctor);

  // The in-patient stationery has room for eleven rows above the net total; its rows are never
  // broken onto a second sheet, so a longer bill runs into the total line, as it always has.
  double y = kSheetFirstRowY;
  int number = 0;
  for (const BillSheetRow& row : sheet.rows) {
    ++number;
    printAt(printer, 0, y, row.serial);
    printAt(printer, 800, y, row.description);
    PrintAmountRightAligned(printer, test ? Money::Parse(row.amount).Format2() : row.amount,
                            kSheetAmountRightX, y);
    y += kSheetRowStep;
    if (test && number % kTestBillRowsPerSheet == 0) {
      printer.EndDoc();
      y = kSheetFirstRowY;
    }
  }

  if (test) {
    const Money discount = Money::Parse(sheet.discount);
    if (!discount.IsZero()) {
      printAt(printer, 800, y, QStringLiteral("Discount ") + sheet.discount + QStringLiteral(" %"));
      const Money off = Money::Parse(sheet.grossTotal) * (discount / Money::FromInt(100));
      PrintAmountRightAligned(printer, off.Format2(), kSheetAmountRightX, y);
    }
  }

  PrintAmountRightAligned(printer, sheet.net.Format2(), kSheetAmountRightX, kSheetNetY);
  printer.EndDoc();
}
