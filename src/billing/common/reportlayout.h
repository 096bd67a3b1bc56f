#pragma once
// The collection report: the one printed layout of every report form (the out-patient, in-patient,
// laboratory and x-ray collection reports, the cancelled-bill reports and the consultant fee
// report). Each form's Print button fills a CollectionReport from its list and its running total
// and calls PrintCollectionReport; the forms differ only in the date line, the title, the column
// heads and where each column of a row goes.
//
//   CollectionReport report = StandardCollectionReport(kRangeDateLineX, RangeDateLine(from, to),
//                                                      "CASH COLLECTION OUT-PATIENT BILL REPORT");
//   report.rows = ReportRowsOf(List, 3);
//   report.total = ReportTotal;
//   PrintCollectionReport(report);
//
// The sheet, in twips from the top left of the printable area: the hospital's name, address and
// telephone, the date line at Y 2600, the title at (3000, 3200), a rule, the column heads at
// Y 4400, a rule, then the rows from Y 5000, 200 apart, in 10 points. Before rows 40, 80, 120, ...
// the sheet is ended and the next one begins with "Page Number : " 1, 2, ... at (4500, 500) and
// its rows from Y 1000; the first sheet therefore holds 39 rows and no page number, and no sheet
// but the first repeats the header. Below the last row come a rule, the right-aligned total line
// and a rule. Every sheet is a document (a print job) of its own and sets its font (Arial, not
// bold, and its size) before its first item, whatever the bill printed before it left.
#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

#include "platform/vbruntime.h"

class PrinterObject;
class QTreeWidget;

// The hospital as the report header shows it. The telephone number is fixed in the program;
// change it here.
inline constexpr const char* kHospitalName = "TALWYN HOSPITAL";
inline constexpr const char* kHospitalAddress = "9,Lantern street,Brackwell,Kelvany-40";
inline constexpr const char* kHospitalTelephone = "0000-000000";

// Where the date line starts: reports over a range of days, and reports of one day.
inline constexpr double kRangeDateLineX = 7200;
inline constexpr double kDayDateLineX = 9200;
// Right edges of right-aligned columns: the amount, and the cancelled-bill reports' bill number.
inline constexpr double kAmountRightX = 10000;
inline constexpr double kBillNoRightX = 8000;
// Rows on a sheet: a sheet is ended before every row whose number is a multiple of this.
inline constexpr int kReportRowsPerSheet = 40;

struct ReportHead {
  QString text;
  double x = 0;
};

// Where one column of a row goes: left-aligned from X, or right-aligned with its last
// character at X (one character every 110 twips, whatever its width).
struct ReportColumn {
  double x = 0;
  bool rightAligned = false;
};

struct CollectionReport {
  double dateLineX = kRangeDateLineX;
  QString dateLine;
  QString title;  // an empty title prints nothing at its place
  std::vector<ReportHead> heads;
  std::vector<ReportColumn> columns;
  // One entry per row, its texts in the order of `columns` (missing texts print nothing).
  std::vector<QStringList> rows;
  Money total;  // the form's running total, printed "0.00"
};

// The layout of the collection reports: heads "Sl no." at 800, "Bill_No - Patient Name " at 4000
// and "Amount." at 9200; rows of serial at 800, text at 4000 and amount right-aligned to 10000.
CollectionReport StandardCollectionReport(double dateLineX, const QString& dateLine, const QString& title);

// "Date : dd/MM/yyyy To dd/MM/yyyy" and "Date : dd/MM/yyyy".
QString RangeDateLine(const QDate& from, const QDate& to);
QString DayDateLine(const QDate& day);

// The items of a report list, each as its text and its first `columns` - 1 sub-items.
std::vector<QStringList> ReportRowsOf(const QTreeWidget* list, int columns);

// Prints the report on the printer, ending a document at every page break and at the end.
// Raises PrinterError at the first failure; the sheet begun is then thrown away, the sheets
// already ended stay printed.
void PrintCollectionReportLayout(PrinterObject& printer, const CollectionReport& report);

// What a report form's Print button does: with no rows "Please Generate Correct Report"
// ("Warning") and nothing printed; otherwise the layout on the program's printer, where any
// failure shows "Please Check the Printer is Connected or Switch On" and on the next line its
// description ("Printer Info"). True when every sheet was printed.
bool PrintCollectionReport(const CollectionReport& report);
