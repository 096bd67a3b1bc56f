#pragma once
// The cancelled bills of one day, listed with their total and printed as a cancelled-bill
// report with the bill number in a column of its own. Opened while no bill of the kind has ever
// been cancelled, the form says so and closes unshown. The out-patient and in-patient reports
// are one form; everything that differs is in CancelledReportConfig.
#include <QDate>
#include <QDateEdit>
#include <QList>

#include "billing/common/reportform.h"
#include "billing/common/reportrows.h"
#include "data/reports.h"
#include "platform/ado.h"

struct CancelledReportConfig {
  const char* formName;
  const char* caption;  // the title bar text
  const char* table;    // where the kind's bills are stored
  ReportSizesConfig sizes;      // of the controls every report form has
  int BillReportForm::*serial;  // the serial of the last row listed, under the kind's name
  double dateLabelWidth;
  QList<ReportColumnConfig> columns;  // the list's
  // Which cancelled bills Generate lists (CancelledAtLoad or CancelledOfRowsAtLoad), and its read
  // of the day's, which takes what the load noted for that listing.
  ReportListing lists;
  ReportRead (*dayCancelledRead)(const QDate& day, const RowsAtLoad& atLoad);
  ReportList (*rows)(Recordset& bills, const QDate& day);
  const char* printTitle;
};

// The report with the kind's row of the table (OutCancelledReportConfig,
// InCancelledReportConfig), which each kind keeps with its own report rows.
class CancelledBillReportForm : public BillReportForm {
  Q_OBJECT
public:
  explicit CancelledBillReportForm(const CancelledReportConfig& config);
  ~CancelledBillReportForm() override;

  QDateEdit DTPicker1{this};  // the day

  void Picture1_Click() override;  // Generate
  void Picture2_Click() override;  // Print

protected:
  void LoadMenuForm() override;

private:
  const CancelledReportConfig& config_;
};

// The cancelled-bill report on paper: the day's date line, `title`, and the heads and columns of
// the four listed texts, the bill number right-aligned in its own column.
void PrintCancelledBillReport(const QTreeWidget& list, const Money& total, const QDate& day, const QString& title);
