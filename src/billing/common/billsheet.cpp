#include "billing/common/billsheet.h"

#include "platform/printer.h"

namespace {

// The bill sheet's one font: Arial, bold, 9 points.
void setSheetFont(PrinterObject& printer) { SetPrintFont(printer, QString::fromLatin1(kPrintFontName), 9, true); }

}  // namespace

void SetUpBillPrinter() {
  PrinterObject& printer = Printer();
  printer.SetSetting1(120);
  printer.SetSetting2(3);
  setSheetFont(printer);
}

void PrintBillSheet(const BillSheet& sheet) { PrintBillSheet(Printer(), sheet); }

void PrintBillSheet(PrinterObject& printer, const BillSheet& sheet) {
  const bool test = sheet.kind == BillSheet::Kind::Test;

  PrintAt(printer, 0, 555,
          QStringLiteral("Name  :  ") + sheet.patientName + QStringLiteral(" ( ") + sheet.patientId +
              QStringLiteral(" )"));
  if (sheet.printAddress) {
    PrintAt(printer, 0, 755, sheet.address1);
    PrintAt(printer, 0, 955, sheet.address2);
  }
  PrintAt(printer, 3580, 700, sheet.billNo);
  PrintAt(printer, 4930, 700, DateText(sheet.date));
  PrintAt(printer, 3580, 920, sheet.age);
  PrintAt(printer, 4930, 920, sheet.sex);
  PrintAt(printer, 3580, 1150, sheet.doctor);

  // The in-patient stationery has room for eleven rows above the net total; its rows are never
  // broken onto a second sheet, so a longer bill runs into the total line, as it always has.
  double y = kSheetFirstRowY;
  int number = 0;
  for (const BillSheetRow& row : sheet.rows) {
    ++number;
    PrintAt(printer, 0, y, row.serial);
    PrintAt(printer, 800, y, row.description);
    PrintRightAligned(printer, kSheetAmountRightX, y, test ? Money::Parse(row.amount).Format2() : row.amount);
    y += kSheetRowStep;
    if (test && number % kTestBillRowsPerSheet == 0) {
      printer.EndDoc();
      // The next sheet is a document of its own, in the same font.
      setSheetFont(printer);
      y = kSheetFirstRowY;
    }
  }

  if (test) {
    const Money discount = Money::Parse(sheet.discount);
    if (!discount.IsZero()) {
      PrintAt(printer, 800, y, QStringLiteral("Discount ") + sheet.discount + QStringLiteral(" %"));
      // Multiplied before it is divided, so that a percent with decimals is not cut first.
      const Money off = Money::Parse(sheet.grossTotal) * discount / Money::FromInt(100);
      PrintRightAligned(printer, kSheetAmountRightX, y, off.Format2());
    }
  }

  PrintRightAligned(printer, kSheetAmountRightX, kSheetNetY, sheet.net.Format2());
  printer.EndDoc();
}
