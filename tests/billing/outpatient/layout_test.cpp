// The collection report as it reaches the printer: every item of the header, the heads, the
// rows, the page breaks and the total block at its place and size, and the failures.
#include "billing/common/reportlayout.h"
#include "opreports.h"

namespace {

using ReportLayoutTest = OpReportsTest;

CollectionReport reportOf(int rows, const QString& amount = "12.50") {
  CollectionReport r = StandardCollectionReport(kRangeDateLineX, "Date : 01/12/2026 To 10/12/2026",
                                                "CASH COLLECTION OUT-PATIENT BILL REPORT");
  for (int i = 1; i <= rows; ++i) r.rows.push_back({Format00(i), QString("%1 - P%1").arg(i), amount});
  r.total = Money::Parse("1234.5");
  return r;
}

const QString kRule = "     " + QString(134, '_');

TEST_F(ReportLayoutTest, OneRowPrintsHeaderHeadsRowAndTotalAtTheirPlaces) {
  ASSERT_TRUE(PrintCollectionReport(reportOf(1, "7.00")));
  ASSERT_EQ(rec().Sheets().size(), 1u);
  EXPECT_EQ(rec().EndDocCount(), 1);

  struct Item {
    QString text;
    double x, y, size;
  };
  std::vector<Item> expected = {
      {"TALWYN HOSPITAL", 4400, 1300, 18},
      {"9,Lantern street,Brackwell,Kelvany-40", 4200, 1700, 12},
      {QString("Ph : ") + kHospitalTelephone, 5000, 2100, 12},
      {"Date : 01/12/2026 To 10/12/2026", 7200, 2600, 12},
      {"CASH COLLECTION OUT-PATIENT BILL REPORT", 3000, 3200, 12},
      {kRule, 0, 4100, 10},
      {"Sl no.", 800, 4400, 12},
      {"Bill_No - Patient Name ", 4000, 4400, 12},
      {"Amount.", 9200, 4400, 12},
      {kRule, 100, 4600, 10},
      {"01", 800, 5000, 10},
      {"1 - P1", 4000, 5000, 10},
  };
  // Right-aligned texts go out last character first, the last at 10000.
  const QString amount = "7.00";
  for (int i = 3; i >= 0; --i) expected.push_back({amount.mid(i, 1), 10000 - 110.0 * (3 - i), 5000, 10});
  expected.push_back({kRule, 0, 6200, 10});
  const QString total = "Total : 1234.50";
  for (int i = int(total.size()) - 1; i >= 0; --i)
    expected.push_back({total.mid(i, 1), 10000 - 110.0 * double(total.size() - 1 - i), 6700, 10});
  expected.push_back({kRule, 0, 7200, 10});

  const std::vector<PrintedItem> items = rec().Sheets()[0];
  ASSERT_EQ(items.size(), expected.size()) << rec().Texts().join("\n").toStdString();
  for (std::size_t i = 0; i < items.size(); ++i) {
    SCOPED_TRACE(expected[i].text.toStdString());
    EXPECT_EQ(items[i].text, expected[i].text);
    EXPECT_EQ(items[i].x, expected[i].x);
    EXPECT_EQ(items[i].y, expected[i].y);
    EXPECT_EQ(items[i].fontSize, expected[i].size);
    EXPECT_FALSE(items[i].bold);
    EXPECT_EQ(items[i].fontName, "Arial");
  }
  // The whole font before the first item, whatever the printer held.
  EXPECT_EQ(rec().Log().mid(0, 3), (QStringList{"FontName=Arial", "FontBold=False", "FontSize=18"}));
}

TEST_F(ReportLayoutTest, PageBreaksBeforeEveryFortiethRow) {
  struct Case {
    int rows;
    std::vector<int> rowsPerSheet;
    QStringList pageLines;  // the first item of each later sheet
    double totalY;          // where the total line stands on the last sheet
  };
  const Case cases[] = {
      {39, {39}, {}, 5000 + 39 * 200 + 1500},
      {40, {39, 1}, {"Page Number : 1"}, 1000 + 200 + 1500},
      {80, {39, 40, 1}, {"Page Number : 1", "Page Number : 2"}, 1000 + 200 + 1500},
      {81, {39, 40, 2}, {"Page Number : 1", "Page Number : 2"}, 1000 + 400 + 1500},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rows);
    freshPrinter();
    ASSERT_TRUE(PrintCollectionReport(reportOf(c.rows)));
    const auto sheets = rec().Sheets();
    ASSERT_EQ(sheets.size(), c.rowsPerSheet.size());
    EXPECT_EQ(rec().EndDocCount(), int(c.rowsPerSheet.size()));
    int row = 0;
    for (std::size_t s = 0; s < sheets.size(); ++s) {
      std::vector<const PrintedItem*> serials;
      for (const PrintedItem& item : sheets[s])
        if (item.x == 800 && item.text != "Sl no.") serials.push_back(&item);
      ASSERT_EQ(int(serials.size()), c.rowsPerSheet[s]) << "sheet " << s;
      const double firstY = s == 0 ? 5000 : 1000;
      for (std::size_t k = 0; k < serials.size(); ++k) {
        ++row;
        EXPECT_EQ(serials[k]->text, Format00(row));
        EXPECT_EQ(serials[k]->y, firstY + 200.0 * double(k));
      }
      if (s == 0) {
        EXPECT_EQ(sheets[0].front().text, "TALWYN HOSPITAL");
      } else {
        // A page-number line, and no header again.
        EXPECT_EQ(sheets[s].front().text, c.pageLines[int(s) - 1]);
        EXPECT_EQ(sheets[s].front().x, 4500);
        EXPECT_EQ(sheets[s].front().y, 500);
        for (const PrintedItem& item : sheets[s]) EXPECT_NE(item.text, "TALWYN HOSPITAL");
      }
    }
    EXPECT_FALSE(rec().Find("Page Number : " + QString::number(c.rowsPerSheet.size())));
    EXPECT_EQ(printedLine(c.totalY, int(sheets.size()) - 1), "Total : 1234.50");
  }
}

TEST_F(ReportLayoutTest, AmountsAndTotalsAreRightAlignedCharacterByCharacter) {
  CollectionReport r = reportOf(1, "1234.00");
  r.total = Money();
  ASSERT_TRUE(PrintCollectionReport(r));
  std::vector<double> amountX, totalX;
  for (const PrintedItem& item : rec().Items()) {
    if (item.y == 5000 && item.x > 9000) amountX.push_back(item.x);
    if (item.y == 6700) totalX.push_back(item.x);
  }
  // Last character first: the 0 at 10000, the 1 of 1234.00 leftmost at 9340.
  EXPECT_EQ(amountX, (std::vector<double>{10000, 9890, 9780, 9670, 9560, 9450, 9340}));
  ASSERT_EQ(totalX.size(), 12u);  // "Total : 0.00"
  EXPECT_EQ(totalX.front(), 10000);
  EXPECT_EQ(totalX.back(), 8790);  // the T
  EXPECT_EQ(printedLine(6700), "Total : 0.00");
}

TEST_F(ReportLayoutTest, CancelledBillColumnsAndAnEmptyTitle) {
  CollectionReport r;
  r.dateLineX = kDayDateLineX;
  r.dateLine = DayDateLine(QDate(2026, 12, 9));
  r.heads = {{"Sl no.", 800}, {"Patient Name - ID", 4000}, {"Bill No", 7800}, {"Amount.", 9200}};
  r.columns = {{800, false}, {4000, false}, {kBillNoRightX, true}, {kAmountRightX, true}};
  r.rows = {{"01", "ABC-OP17", "25", "150.00"}};
  r.total = Money::Parse("150");
  ASSERT_TRUE(PrintCollectionReport(r));
  EXPECT_EQ(printedLine(2600), "Date : 09/12/2026");
  EXPECT_EQ(rec().Find("Date : 09/12/2026")->x, 9200);
  EXPECT_EQ(printedLine(3200), "");  // no title, nothing at its place
  EXPECT_EQ(printedLine(4400), "Sl no. | Patient Name - ID | Bill No | Amount.");
  EXPECT_EQ(printedLine(5000), "01 | ABC-OP17 | 25 | 150.00");
  const PrintedItem* two = nullptr;
  for (const PrintedItem& item : rec().Items())
    if (item.y == 5000 && item.text == "2") two = &item;
  ASSERT_TRUE(two);
  EXPECT_EQ(two->x, 7890);
}

TEST_F(ReportLayoutTest, RefusesAnEmptyListAndReportsPrinterFailures) {
  boxes().expect("Please Generate Correct Report", "Warning", vbCritical);
  EXPECT_FALSE(PrintCollectionReport(reportOf(0)));
  EXPECT_TRUE(rec().Items().empty());
  EXPECT_EQ(boxes().pending(), 0);

  // A failure on the first operation, on the page break, and in the total block of the second
  // sheet: the message carries the printer's own text; sheets ended before it stay printed and the
  // one begun is thrown away.
  struct Case {
    const char* what;
    int failAt;  // operation number, 1 being the first
    int sheetsPrinted;
  };
  freshPrinter();
  ASSERT_TRUE(PrintCollectionReport(reportOf(45)));
  const QStringList log = rec().Log();
  const int firstEndDoc = int(log.indexOf("EndDoc")) + 1;
  const int lastOp = int(log.size());
  const Case cases[] = {
      {"the font, the very first step", 1, 0},
      {"the first page break", firstEndDoc, 0},
      {"the rule after the page break", firstEndDoc + 4, 1},
      {"the last EndDoc", lastOp, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    freshPrinter();
    rec().FailAt(c.failAt, "Printer out of paper");
    boxes().expect("Please Check the Printer is Connected or Switch On\r\nPrinter out of paper", "Printer Info",
                   vbCritical);
    EXPECT_FALSE(PrintCollectionReport(reportOf(45)));
    EXPECT_EQ(int(rec().Sheets().size()), c.sheetsPrinted);
    EXPECT_FALSE(rec().DocumentOpen());
    EXPECT_EQ(boxes().pending(), 0);
    // The next print starts afresh on a clean sheet.
    ASSERT_TRUE(PrintCollectionReport(reportOf(1)));
    EXPECT_EQ(rec().Sheets().back().front().text, "TALWYN HOSPITAL");
  }
}

}  // namespace
