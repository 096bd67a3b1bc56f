// A two-sheet collection report through the production printer: one PDF per sheet, with the
// header on the first, the page number on the second and the total line where the layout puts it.
#include <QDir>

#include "billing/common/reportlayout.h"
#include "billing/outpatient/frmOutBillReportAll.h"
#include "opreports.h"
#include "support/pdf_words.h"

namespace {

// The words whose tops stand at this Y, left to right.
std::vector<PdfWord> line(const std::vector<PdfWord>& words, double yPoints) {
  std::vector<PdfWord> out;
  for (const PdfWord& w : words)
    if (std::abs(w.yMin - yPoints) <= 1.5) out.push_back(w);
  std::sort(out.begin(), out.end(), [](const PdfWord& a, const PdfWord& b) { return a.xMin < b.xMin; });
  return out;
}

QString joined(const std::vector<PdfWord>& words) {
  QString s;
  for (const PdfWord& w : words) s += w.text;
  return s;
}


using ReportPdfTest = OpReportsTest;

TEST_F(ReportPdfTest, FortyBillsPrintOnTwoSheetsOfTheirOwn) {
  for (int i = 1; i <= 40; ++i) insert({i, "2026-12-10", "", "", "25", "P", "OP"});
  auto pdfPrinter = std::make_shared<QtPrinter>();
  pdfPrinter->SetPdfOutput(QDir(folder()).filePath("report"));
  SetPrinter(pdfPrinter);
  auto* f = open<frmOutBillReportAll>();
  ASSERT_TRUE(f);
  Click(f->Picture1);
  ASSERT_EQ(f->txtTotal.text(), "1000.00");
  Click(f->Picture2);
  ASSERT_EQ(pdfPrinter->PdfFiles().size(), 2);

  const std::vector<PdfWord> first = PdfWordsOf(pdfPrinter->PdfFiles()[0]);
  ASSERT_FALSE(first.empty()) << "pdftotext read nothing";
  const PdfWord* name = FindPdfWord(first, "TALWYN");
  ASSERT_TRUE(name);
  EXPECT_NEAR(name->xMin, PdfPoints(4400), 1.0);
  EXPECT_NEAR(name->yMin, PdfPoints(1300), 2.0);
  EXPECT_EQ(joined(line(first, name->yMin)), "TALWYNHOSPITAL");
  EXPECT_FALSE(FindPdfWord(first, "Number"));
  EXPECT_FALSE(FindPdfWord(first, "Total"));

  const std::vector<PdfWord> second = PdfWordsOf(pdfPrinter->PdfFiles()[1]);
  const PdfWord* page = FindPdfWord(second, "Page");
  ASSERT_TRUE(page);
  EXPECT_NEAR(page->xMin, PdfPoints(4500), 1.0);
  const std::vector<PdfWord> pageLine = line(second, page->yMin);
  EXPECT_EQ(joined(pageLine), "PageNumber:1");
  EXPECT_FALSE(FindPdfWord(second, "TALWYN"));

  // Row 40 at Y 1000; the total line 1700 twips below it, its last character ending at X 10000.
  const PdfWord* row = FindPdfWord(second, "40");
  ASSERT_TRUE(row);
  EXPECT_NEAR(row->xMin, PdfPoints(800), 1.0);
  const std::vector<PdfWord> total = line(second, row->yMin + (2700 - 1000) / 20.0);
  EXPECT_EQ(joined(total), "Total:1000.00");
  ASSERT_FALSE(total.empty());
  EXPECT_NEAR(total.back().xMax, PdfPoints(10000) + 5.56, 1.0);  // a 10-point "0" is 5.56 points wide
}

}  // namespace
