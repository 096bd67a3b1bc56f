// A two-sheet collection report through the production printer: one PDF per sheet, with the
// header on the first, the page number on the second and the total line where the layout puts it.
#include <QDir>
#include <QProcess>
#include <QRegularExpression>

#include "billing/common/reportlayout.h"
#include "billing/outpatient/frmOutBillReportAll.h"
#include "opreports.h"

namespace {

struct Word {
  QString text;
  double xMin, yMin, xMax, yMax;  // points from the page's top left
};

std::vector<Word> wordsOf(const QString& pdf) {
  QProcess p;
  p.start("pdftotext", {"-bbox", pdf, "-"});
  if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
  const QString html = QString::fromUtf8(p.readAllStandardOutput());
  static const QRegularExpression re(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
  std::vector<Word> out;
  for (auto it = re.globalMatch(html); it.hasNext();) {
    const auto m = it.next();
    out.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                   m.captured(4).toDouble()});
  }
  return out;
}

const Word* find(const std::vector<Word>& words, const QString& text) {
  for (const Word& w : words)
    if (w.text == text) return &w;
  return nullptr;
}

// The words whose tops stand at this Y, left to right.
std::vector<Word> line(const std::vector<Word>& words, double yPoints) {
  std::vector<Word> out;
  for (const Word& w : words)
    if (std::abs(w.yMin - yPoints) <= 1.5) out.push_back(w);
  std::sort(out.begin(), out.end(), [](const Word& a, const Word& b) { return a.xMin < b.xMin; });
  return out;
}

QString joined(const std::vector<Word>& words) {
  QString s;
  for (const Word& w : words) s += w.text;
  return s;
}

// Twips from the printable area's top left to points on the page.
double pt(double twips) { return (QtPrinter::kPdfMarginTwips + twips) / 20.0; }

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

  const std::vector<Word> first = wordsOf(pdfPrinter->PdfFiles()[0]);
  ASSERT_FALSE(first.empty()) << "pdftotext read nothing";
  const Word* name = find(first, "TALWYN");
  ASSERT_TRUE(name);
  EXPECT_NEAR(name->xMin, pt(4400), 1.0);
  EXPECT_NEAR(name->yMin, pt(1300), 2.0);
  EXPECT_EQ(joined(line(first, name->yMin)), "TALWYNHOSPITAL");
  EXPECT_FALSE(find(first, "Number"));
  EXPECT_FALSE(find(first, "Total"));

  const std::vector<Word> second = wordsOf(pdfPrinter->PdfFiles()[1]);
  const Word* page = find(second, "Page");
  ASSERT_TRUE(page);
  EXPECT_NEAR(page->xMin, pt(4500), 1.0);
  const std::vector<Word> pageLine = line(second, page->yMin);
  EXPECT_EQ(joined(pageLine), "PageNumber:1");
  EXPECT_FALSE(find(second, "TALWYN"));

  // Row 40 at Y 1000; the total line 1700 twips below it, its last character ending at X 10000.
  const Word* row = find(second, "40");
  ASSERT_TRUE(row);
  EXPECT_NEAR(row->xMin, pt(800), 1.0);
  const std::vector<Word> total = line(second, row->yMin + (2700 - 1000) / 20.0);
  EXPECT_EQ(joined(total), "Total:1000.00");
  ASSERT_FALSE(total.empty());
  EXPECT_NEAR(total.back().xMax, pt(10000) + 5.56, 1.0);  // a 10-point "0" is 5.56 points wide
}

}  // namespace
