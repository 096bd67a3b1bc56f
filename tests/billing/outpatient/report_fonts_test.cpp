// Every report sets its own font before its first item, on every sheet: Arial, not bold, in the
// layout's sizes, whatever the bill printed before it left on the printer.
#include "allreports.h"
#include "billing/common/billsheet.h"
#include "billing/common/reportlayout.h"

namespace {

// What an in-patient receipt leaves on the printer (Arial, bold, 9), and then another face.
void LeavePrinterAsABillWould(RecordingPrinter& printer) {
  BillSheet receipt;
  receipt.patientName = QStringLiteral("Ravi");
  receipt.patientId = QStringLiteral("IP1");
  receipt.date = QDate(2026, 12, 10);
  receipt.rows = {{QStringLiteral("01"), QStringLiteral("Bed Charges"), QStringLiteral("450")}};
  receipt.net = Money::Parse(QStringLiteral("450"));
  SetUpBillPrinter();
  PrintBillSheet(receipt);
  printer.SetFontName(QStringLiteral("Courier New"));
  ASSERT_TRUE(printer.FontBold());
}

// The layout's size of an item on the first sheet: the hospital's name 18, the other header
// lines and the column heads 12, the rules, rows and total 10.
double SizeAt(double y) {
  if (y == 1300) return 18;
  for (double headerY : {1700, 2100, 2600, 3200, 4400})
    if (y == headerY) return 12;
  return 10;
}

void ExpectOwnFont(const std::vector<std::vector<PrintedItem>>& sheets, std::size_t firstSheet) {
  for (std::size_t s = firstSheet; s < sheets.size(); ++s)
    for (const PrintedItem& item : sheets[s]) {
      SCOPED_TRACE(item.text.toStdString());
      EXPECT_EQ(item.fontName, "Arial");
      EXPECT_FALSE(item.bold);
      EXPECT_EQ(item.fontSize, s == firstSheet ? SizeAt(item.y) : 10);
    }
}

class ReportFontTest : public AllReportsTest, public ::testing::WithParamInterface<ReportFormCase> {};

TEST_P(ReportFontTest, PrintsInItsOwnFontAfterABill) {
  BillReportForm* form = GetParam().open();
  ASSERT_TRUE(form);
  Click(form->Picture1);
  ASSERT_EQ(form->List.topLevelItemCount(), 1);
  LeavePrinterAsABillWould(printer());
  const std::size_t before = printer().Sheets().size();
  Click(form->Picture2);
  ASSERT_EQ(printer().Sheets().size(), before + 1);
  ExpectOwnFont(printer().Sheets(), before);
}

INSTANTIATE_TEST_SUITE_P(Reports, ReportFontTest, ::testing::ValuesIn(AllReportForms()),
                         [](const auto& info) { return std::string(info.param.name); });

using LongReportFontTest = AllReportsTest;

TEST_F(LongReportFontTest, EverySheetOfALongReportSetsItsFont) {
  CollectionReport report = StandardCollectionReport(kRangeDateLineX, QStringLiteral("Date : 10/12/2026 To 10/12/2026"),
                                                     QStringLiteral("CASH COLLECTION OUT-PATIENT BILL REPORT"));
  for (int i = 1; i <= 85; ++i) report.rows.push_back({Format00(i), QStringLiteral("Row"), QStringLiteral("1.00")});
  LeavePrinterAsABillWould(printer());
  const std::size_t before = printer().Sheets().size();
  ASSERT_TRUE(PrintCollectionReport(report));
  ASSERT_EQ(printer().Sheets().size(), before + 3);
  ExpectOwnFont(printer().Sheets(), before);
}

}  // namespace
