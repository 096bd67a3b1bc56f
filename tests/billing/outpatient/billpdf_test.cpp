// A bill through the production printer into a PDF: the patient line and the net total are where
// the stationery expects them.
#include <QDir>

#include "billform.h"
#include "support/pdf_words.h"

namespace {

std::string dump(const std::vector<PdfWord>& words) {
  std::string out;
  for (const PdfWord& w : words)
    out += QString("%1@%2,%3 ").arg(w.text).arg(w.xMin).arg(w.yMin).toStdString();
  return out;
}

TEST_F(BillFormTest, PrintedPdfPutsThePatientLineAndTheTotalInPlace) {
  auto pdfPrinter = std::make_shared<QtPrinter>();
  const QString base = QDir(folder()).filePath("bill");
  pdfPrinter->SetPdfOutput(base);
  SetPrinter(pdfPrinter);
  ASSERT_TRUE(open());
  makeBill();
  printAndSave();
  ASSERT_EQ(pdfPrinter->PdfFiles().size(), 1);
  const std::vector<PdfWord> words = PdfWordsOf(pdfPrinter->PdfFiles().first());
  ASSERT_FALSE(words.empty()) << "pdftotext read nothing";

  // "Name  :  ABC ( OP12 )" at (0, 555): its first word starts at the left edge, the top of the
  // line at 555 twips.
  const PdfWord* name = FindPdfWord(words, "Name");
  ASSERT_TRUE(name);
  EXPECT_NEAR(name->xMin, PdfPoints(0), 1.0);
  EXPECT_NEAR(name->yMin, PdfPoints(555), 1.5);
  const PdfWord* id = FindPdfWord(words, "OP12");
  ASSERT_TRUE(id);
  EXPECT_NEAR(id->yMin, name->yMin, 0.1);

  // The net total "150.00" on the line at Y 4600, right-aligned: the "1" at X 4950 and the
  // last "0" at 5500, one character every 110 twips.
  QString total;
  std::vector<double> starts;
  for (const PdfWord& w : words) {
    if (std::abs(w.yMin - PdfPoints(4600)) > 1.5) continue;
    total += w.text;
    starts.push_back(w.xMin);
  }
  EXPECT_EQ(total, "150.00") << dump(words);
  ASSERT_FALSE(starts.empty());
  EXPECT_NEAR(starts.front(), PdfPoints(4950), 1.0);
  const PdfWord* last = nullptr;
  for (const PdfWord& w : words)
    if (std::abs(w.yMin - PdfPoints(4600)) <= 1.5) last = &w;
  EXPECT_NEAR(last->xMax, PdfPoints(5500) + 5.0, 1.0) << dump(words);  // a 9-point "0" is 5 points wide
}

}  // namespace
