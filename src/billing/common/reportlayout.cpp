#include "billing/common/reportlayout.h"

#include <QTreeWidget>
#include <algorithm>
#include <exception>

#include "billing/common/stationery.h"
#include "platform/msgbox.h"
#include "platform/printer.h"

namespace {

// Five blanks and 134 underscores.
const QString& Rule() {
  static const QString rule = QStringLiteral("     ") + QString(134, QLatin1Char('_'));
  return rule;
}

constexpr double kHeaderNameSize = 18;
constexpr double kHeaderSize = 12;
constexpr double kRowSize = 10;
constexpr double kFirstRowY = 5000;
constexpr double kNextSheetRowY = 1000;
constexpr double kRowStep = 200;

void PrintColumn(PrinterObject& printer, const ReportColumn& column, double y, const QString& text) {
  if (column.rightAligned)
    PrintRightAligned(printer, column.x, y, text);
  else
    PrintAt(printer, column.x, y, text);
}

}  // namespace

CollectionReport StandardCollectionReport(double dateLineX, const QString& dateLine, const QString& title) {
  CollectionReport report;
  report.dateLineX = dateLineX;
  report.dateLine = dateLine;
  report.title = title;
  report.heads = {{.text = QStringLiteral("Sl no."), .x = 800},
                  {.text = QStringLiteral("Bill_No - Patient Name "), .x = 4000},
                  {.text = QStringLiteral("Amount."), .x = 9200}};
  report.columns = {{.x = 800, .rightAligned = false},
                    {.x = 4000, .rightAligned = false},
                    {.x = kAmountRightX, .rightAligned = true}};
  return report;
}

QString RangeDateLine(const QDate& from, const QDate& to) {
  return QStringLiteral("Date : ") + DateText(from) + QStringLiteral(" To ") + DateText(to);
}

QString DayDateLine(const QDate& day) { return QStringLiteral("Date : ") + DateText(day); }

std::vector<QStringList> ReportRowsOf(const QTreeWidget* list, int columns) {
  std::vector<QStringList> rows;
  if (!list) return rows;
  rows.reserve(std::size_t(list->topLevelItemCount()));
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = list->topLevelItem(i);
    QStringList texts;
    for (int c = 0; c < columns; ++c) texts << item->text(c);
    rows.push_back(texts);
  }
  return rows;
}

void PrintCollectionReportLayout(PrinterObject& printer, const CollectionReport& report) {
  try {
    SetPrintFont(printer, QString::fromLatin1(kPrintFontName), kHeaderNameSize, false);
    PrintAt(printer, 4400, 1300, QString::fromLatin1(kHospitalName));
    printer.SetFontSize(kHeaderSize);
    PrintAt(printer, 4200, 1700, QString::fromLatin1(kHospitalAddress));
    PrintAt(printer, 5000, 2100, QStringLiteral("Ph : ") + QString::fromLatin1(kHospitalTelephone));
    PrintAt(printer, report.dateLineX, 2600, report.dateLine);
    if (!report.title.isEmpty()) PrintAt(printer, 3000, 3200, report.title);

    printer.SetFontSize(kRowSize);
    PrintAt(printer, 0, 4100, Rule());
    printer.SetFontSize(kHeaderSize);
    for (const ReportHead& head : report.heads) PrintAt(printer, head.x, 4400, head.text);
    printer.SetFontSize(kRowSize);
    PrintAt(printer, 100, 4600, Rule());

    double rowY = kFirstRowY;
    printer.SetFontSize(kRowSize);
    int pageNumber = 0;
    const int rowCount = int(report.rows.size());
    for (int i = 1; i <= rowCount; ++i) {
      if (i % kReportRowsPerSheet == 0) {
        printer.EndDoc();
        // The next sheet is a document of its own: its font is set again, as the rows had it.
        SetPrintFont(printer, QString::fromLatin1(kPrintFontName), kRowSize, false);
        ++pageNumber;
        PrintAt(printer, 4500, 500, QStringLiteral("Page Number : ") + QString::number(pageNumber));
        rowY = kNextSheetRowY;
      }
      const QStringList& texts = report.rows[std::size_t(i - 1)];
      const int n = std::min(int(texts.size()), int(report.columns.size()));
      for (int c = 0; c < n; ++c) PrintColumn(printer, report.columns[std::size_t(c)], rowY, texts[c]);
      rowY += kRowStep;
    }

    rowY += 1000;
    PrintAt(printer, 0, rowY, Rule());
    rowY += 500;
    PrintRightAligned(printer, kAmountRightX, rowY, QStringLiteral("Total : ") + report.total.Format2());
    rowY += 500;
    PrintAt(printer, 0, rowY, Rule());
    printer.EndDoc();
  } catch (...) {
    // The sheet begun must not reach the printer half laid out, nor take the next print.
    printer.KillDoc();
    throw;
  }
}

bool PrintCollectionReport(const CollectionReport& report) {
  if (report.rows.empty()) {
    MsgBox(QStringLiteral("Please Generate Correct Report"), vbCritical, QStringLiteral("Warning"));
    return false;
  }
  const QString failure = QStringLiteral("Please Check the Printer is Connected or Switch On");
  try {
    PrintCollectionReportLayout(Printer(), report);
    return true;
  } catch (const PrinterError& e) {
    MsgBox(PrinterFailureText(failure, e.Description()), vbCritical, QStringLiteral("Printer Info"));
  } catch (const std::exception& e) {
    MsgBox(PrinterFailureText(failure, QString::fromLocal8Bit(e.what())), vbCritical, QStringLiteral("Printer Info"));
  }
  return false;
}
