#pragma once
// The words of a PDF the production printer wrote, each with its box (pdftotext -bbox), for the
// tests that check where the stationery puts a text.
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <string>
#include <vector>

#include "platform/printer.h"

struct PdfWord {
  QString text;
  double xMin, yMin, xMax, yMax;  // points from the page's top left
};

// Every word of the first page on, in the order pdftotext gives; none when it cannot be read.
inline std::vector<PdfWord> PdfWordsOf(const QString& pdf) {
  QProcess p;
  p.start("pdftotext", {"-bbox", pdf, "-"});
  if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
  const QString html = QString::fromUtf8(p.readAllStandardOutput());
  static const QRegularExpression re(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
  std::vector<PdfWord> out;
  for (auto it = re.globalMatch(html); it.hasNext();) {
    const auto m = it.next();
    out.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                   m.captured(4).toDouble()});
  }
  return out;
}

// The first word that is exactly `text`; null when there is none.
inline const PdfWord* FindPdfWord(const std::vector<PdfWord>& words, const QString& text) {
  for (const PdfWord& w : words)
    if (w.text == text) return &w;
  return nullptr;
}

// Twips from the printable area's top left to points on the page.
inline double PdfPoints(double twips) { return (QtPrinter::kPdfMarginTwips + twips) / 20.0; }
