// A bill through the production printer into a PDF: the patient line and the net total are where
// the stationery expects them.
#include <QDir>
#include <QProcess>
#include <QRegularExpression>

#include "billform.h"

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

std::string dump(const std::vector<Word>& words) {
  std::string out;
  for (const Word& w : words)
    out += QString("%1@%2,%3 ").arg(w.text).arg(w.xMin).arg(w.yMin).toStdString();
  return out;
}

// Twips from the printable area's top left to points on the page.
double pt(double twips) { return (QtPrinter::kPdfMarginTwips + twips) / 20.0; }

TEST_F(BillFormTest, PrintedPdfPutsThePatientLineAndTheTotalInPlace) {
  auto pdfPrinter = std::make_shared<QtPrinter>();
  const QString base = QDir(folder()).filePath("bill");
  pdfPrinter->SetPdfOutput(base);
  SetPrinter(pdfPrinter);
  ASSERT_TRUE(open());
  makeBill();
  printAndSave();
  ASSERT_EQ(pdfPrinter->PdfFiles().size(), 1);
  const std::vector<Word> words = wordsOf(pdfPrinter->PdfFiles().first());
  ASSERT_FALSE(words.empty()) << "pdftotext read nothing";

  // "Name  :  ABC ( OP12 )" at (0, 555): its first word starts at the left edge, the top of the
  // line at 555 twips.
  const Word* name = find(words, "Name");
  ASSERT_TRUE(name);
  EXPECT_NEAR(name->xMin, pt(0), 1.0);
  EXPECT_NEAR(name->yMin, pt(555), 1.5);
  const Word* id = find(words, "OP12");
  ASSERT_TRUE(id);
  EXPECT_NEAR(id->yMin, name->yMin, 0.1);

  // The net total "150.00" on the line at Y 4600, right-aligned: the "1" at X 4950 and the
  // last "0" at 5500, one character every 110 twips.
  QString total;
  std::vector<double> starts;
  for (const Word& w : words) {
    if (std::abs(w.yMin - pt(4600)) > 1.5) continue;
    total += w.text;
    starts.push_back(w.xMin);
  }
  EXPECT_EQ(total, "150.00") << dump(words);
  ASSERT_FALSE(starts.empty());
  EXPECT_NEAR(starts.front(), pt(4950), 1.0);
  const Word* last = nullptr;
  for (const Word& w : words)
    if (std::abs(w.yMin - pt(4600)) <= 1.5) last = &w;
  EXPECT_NEAR(last->xMax, pt(5500) + 5.0, 1.0) << dump(words);  // a 9-point "0" is 5 points wide
}

}  // namespace
